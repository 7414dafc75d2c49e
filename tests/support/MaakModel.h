// Builds a model in one line for tests:
//   MaakModel().Input("Temp", 0, 40).Label("Koud", 0, 0, 10, 20).Output("Kachel", 0, 100)
//       .Label("Laag", 0, 0, 20, 50).Regel({{0, 1, KoppelDAN}, {1, 0, KoppelGeen}})
#pragma once

#include <cstring>
#include <initializer_list>
#include <stdexcept>
#include <string>

#include "model/Model.h"

class MaakModel {
  public:
    MaakModel() : m_{} {}

    MaakModel& Input(const std::string& naam, int min, int max) {
        return Variabele(naam, 0, min, max);
    }
    MaakModel& Output(const std::string& naam, int min, int max) {
        return Variabele(naam, 1, min, max);
    }

    MaakModel& Variabele(const std::string& naam, int isOutput, int min, int max) {
        if (m_.AantalVariabelen >= MaxVariabelen) throw std::logic_error("too many variables");
        TVariabele& v = m_.VariabeleLijst[m_.AantalVariabelen++];
        ZetNaam(v.Naam, naam);
        v.IsOutput = static_cast<std::int8_t>(isOutput);
        v.Min = min;
        v.Max = max;
        v.AantalLabels = 0;
        (isOutput ? m_.AantalOutputs : m_.AantalInputs)++;
        return *this;
    }

    // A label of the variable added last.
    MaakModel& Label(const std::string& naam, int a, int b, int c, int d) {
        if (m_.AantalVariabelen == 0) throw std::logic_error("label without variable");
        TVariabele& v = m_.VariabeleLijst[m_.AantalVariabelen - 1];
        if (v.AantalLabels >= MaxLabels) throw std::logic_error("too many labels");
        TFuzzyLabel& l = v.Labels[v.AantalLabels++];
        ZetNaam(l.Naam, naam);
        l.A = a;
        l.B = b;
        l.C = c;
        l.D = d;
        return *this;
    }

    MaakModel& Regel(std::initializer_list<TRegelTerm> termen) {
        if (m_.AantalRegels >= MaxRegels || termen.size() > MaxTermen)
            throw std::logic_error("rule beyond the limits");
        TRegel& r = m_.RegelLijst[m_.AantalRegels++];
        r.AantalTermen = static_cast<std::int32_t>(termen.size());
        int t = 0;
        for (const TRegelTerm& term : termen) r.Termen[t++] = term;
        return *this;
    }

    MaakModel& Methoden(int implicatie, int defuzzificatie) {
        m_.ImplicatieMethode = implicatie;
        m_.DefuzzificatieMethode = defuzzificatie;
        return *this;
    }

    TFuzzyModel Model() const { return m_; }
    operator TFuzzyModel() const { return m_; }

    static void ZetNaam(TNaam& doel, const std::string& naam) {
        if (naam.size() > static_cast<std::size_t>(MaxNaamLengte))
            throw std::logic_error("name too long");
        std::memset(doel, 0, sizeof(TNaam));
        std::memcpy(doel, naam.data(), naam.size());
    }

  private:
    TFuzzyModel m_;
};

// A model whose every byte-sized and integer field holds a recognisable value, so a test sees any
// field that an operation touched.
inline TFuzzyModel SchildwachtModel() {
    TFuzzyModel m;
    std::memset(&m, 0x5A, sizeof m);
    return m;
}
