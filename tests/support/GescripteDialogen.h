// A dialogue layer for tests: answers from queues, records every text it was shown, and fails the
// test on a question nobody scripted, so nothing waits for a person.
#pragma once

#include <deque>
#include <optional>
#include <stdexcept>
#include <string>
#include <vector>

#include "platform/Dialogen.h"

class TOnverwachteVraag : public std::logic_error {
  public:
    using std::logic_error::logic_error;
};

class TGescripteDialogen : public TDialogen {
  public:
    // Queues of answers, taken front first.
    std::deque<Antwoord> antwoorden;
    std::deque<std::string> namen;
    std::deque<std::optional<std::string>> teOpenen;
    std::deque<std::optional<std::string>> opTeSlaan;

    // What was shown, in order.
    std::vector<std::string> meldingen;
    std::vector<std::string> vragen;
    struct TNaamVraag {
        std::string titel, prompt;
    };
    std::vector<TNaamVraag> naamVragen;
    std::vector<std::string> opslaanVoorstellen;  // the name the Save As dialog was filled in with
    int openDialogen = 0;
    bool beeindigd = false;

    void Meld(const std::string& tekst) override { meldingen.push_back(tekst); }

    Antwoord Vraag(const std::string& tekst) override {
        vragen.push_back(tekst);
        if (antwoorden.empty()) throw TOnverwachteVraag("unscripted question: " + tekst);
        Antwoord a = antwoorden.front();
        antwoorden.pop_front();
        return a;
    }

    std::string VraagNaam(const std::string& titel, const std::string& prompt) override {
        naamVragen.push_back({titel, prompt});
        if (namen.empty()) throw TOnverwachteVraag("unscripted name question: " + prompt);
        std::string n = namen.front();
        namen.pop_front();
        return n;
    }

    std::optional<std::string> KiesBestandOmTeOpenen() override {
        ++openDialogen;
        if (teOpenen.empty()) throw TOnverwachteVraag("unscripted open dialog");
        auto n = teOpenen.front();
        teOpenen.pop_front();
        return n;
    }

    std::optional<std::string> KiesBestandOmOpTeSlaan(const std::string& huidig) override {
        opslaanVoorstellen.push_back(huidig);
        if (opTeSlaan.empty()) throw TOnverwachteVraag("unscripted save dialog");
        auto n = opTeSlaan.front();
        opTeSlaan.pop_front();
        return n;
    }

    void Beeindig() override { beeindigd = true; }

    // True when every scripted answer was used.
    bool AllesGebruikt() const {
        return antwoorden.empty() && namen.empty() && teOpenen.empty() && opTeSlaan.empty();
    }
};
