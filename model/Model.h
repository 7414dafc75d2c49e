// The one knowledge base of the workbench: variables with their trapezoid labels, rules, and the
// two inference settings. Plain fixed-size data; slots beyond a count are never cleared nor read.
#pragma once

#include <cstdint>

constexpr int MaxVariabelen = 6;
constexpr int MaxInputs = 5;
constexpr int MaxOutputs = 1;
constexpr int MaxLabels = 3;
constexpr int MaxRegels = 10;
constexpr int MaxTermen = 6;
constexpr int MaxNaamLengte = 10;

// Connector codes stored in TRegelTerm::Koppel.
constexpr std::int8_t KoppelGeen = 0;
constexpr std::int8_t KoppelEN = 1;
constexpr std::int8_t KoppelDAN = 2;
constexpr std::int8_t KoppelLeeg = 3;

// A name as Windows-1252 bytes, zero-terminated, at most MaxNaamLengte bytes long.
using TNaam = char[MaxNaamLengte + 1];

struct TFuzzyLabel {
    TNaam Naam;
    std::int32_t A;
    std::int32_t B;
    std::int32_t C;
    std::int32_t D;
};

struct TVariabele {
    TNaam Naam;
    std::int8_t IsOutput;  // 0 input, 1 output
    std::int32_t Min;
    std::int32_t Max;
    std::int32_t AantalLabels;
    std::int8_t Reserve;  // not interpreted; kept for the file
    TFuzzyLabel Labels[MaxLabels];
};

struct TRegelTerm {
    std::int32_t Variabele;  // -1: no variable chosen
    std::int32_t Label;      // -1: no label chosen
    std::int8_t Koppel;      // connector after this term
};

struct TRegel {
    std::int32_t AantalTermen;
    TRegelTerm Termen[MaxTermen];
};

struct TFuzzyModel {
    std::int32_t Reserve1;
    std::int32_t AantalInputs;
    std::int32_t AantalOutputs;
    std::int32_t AantalRegels;
    std::int32_t ImplicatieMethode;  // 0 Ra, 1 Rm, 2 Rc, -1 none chosen
    std::int32_t Reserve2;
    std::int32_t DefuzzificatieMethode;  // 0 mean of maxima, 1 centre of gravity
    std::int32_t AantalVariabelen;       // AantalInputs + AantalOutputs; not stored in the file
    TVariabele VariabeleLijst[MaxVariabelen];
    std::int32_t GekozenVariabele;  // membership editor's selection, 1-based, 0 none
    TRegel RegelLijst[MaxRegels];
};

// Field-by-field equality, slots beyond the counts included: a refused operation must leave even
// those untouched.
bool operator==(const TFuzzyModel& a, const TFuzzyModel& b);
