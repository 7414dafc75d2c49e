// The shared benchmark case: the model at every limit and its input rows, read from bench/.
#pragma once

#include <array>
#include <fstream>
#include <sstream>
#include <stdexcept>
#include <string>
#include <vector>

#include "inference/Evaluatie.h"
#include "model/Bestand.h"

#ifndef WERKBANK_BENCH_MAP
#define WERKBANK_BENCH_MAP "bench"
#endif

inline std::string LeesHeleBestand(const std::string& pad) {
    std::ifstream in(pad, std::ios::binary);
    if (!in) throw std::runtime_error("kan " + pad + " niet lezen");
    std::ostringstream s;
    s << in.rdbuf();
    return s.str();
}

inline TFuzzyModel BenchModel() {
    TFuzzyModel model{};
    if (!LeesBestand(model, LeesHeleBestand(WERKBANK_BENCH_MAP "/maximaal.FLB")))
        throw std::runtime_error("maximaal.FLB is geweigerd");
    return model;
}

// The rows of invoer.csv, each ordered like the rows KoppelInputs binds (the header names them).
inline std::vector<std::array<int, MaxInputs>> BenchRijen(const TFuzzyModel& model) {
    std::istringstream in(LeesHeleBestand(WERKBANK_BENCH_MAP "/invoer.csv"));
    TInferentieToestand t{};
    const int aantal = KoppelInputs(model, t);
    std::string regel;
    std::getline(in, regel);
    std::vector<int> kolomNaarRij;
    std::istringstream kop(regel);
    for (std::string naam; std::getline(kop, naam, ',');) {
        if (!naam.empty() && naam.back() == '\r') naam.pop_back();
        int rij = -1;
        for (int k = 0; k < aantal; ++k)
            if (naam == model.VariabeleLijst[t.InputRijen[k].Variabele].Naam) rij = k;
        if (rij < 0) throw std::runtime_error("onbekende kolom " + naam);
        kolomNaarRij.push_back(rij);
    }
    std::vector<std::array<int, MaxInputs>> rijen;
    while (std::getline(in, regel)) {
        if (regel.empty() || regel == "\r") continue;
        std::array<int, MaxInputs> r{};
        std::istringstream velden(regel);
        std::string veld;
        for (int rij : kolomNaarRij) {
            std::getline(velden, veld, ',');
            r[rij] = std::stoi(veld);
        }
        rijen.push_back(r);
    }
    return rijen;
}
