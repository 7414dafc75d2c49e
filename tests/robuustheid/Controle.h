// Checks shared by the fuzzed reader test and the libFuzzer target: what must hold after
// LeesBestand, whatever text it was given. Each returns a description of the first fault, or ""
// when everything holds.
#pragma once

#include <cstring>
#include <string>
#include <string_view>

#include "inference/Evaluatie.h"
#include "model/Bestand.h"
#include "model/Model.h"
#include "rules/RegelTekst.h"

namespace robuust {

// The counts of a model the reader accepted lie within the limits, and every name is terminated
// within its field, so that no loop over the model can leave its arrays.
inline std::string ControleerGrenzen(const TFuzzyModel& m) {
    if (m.AantalInputs < 0 || m.AantalInputs > MaxInputs) return "AantalInputs out of range";
    if (m.AantalOutputs < 0 || m.AantalOutputs > MaxOutputs) return "AantalOutputs out of range";
    if (m.AantalVariabelen != m.AantalInputs + m.AantalOutputs)
        return "AantalVariabelen differs from AantalInputs + AantalOutputs";
    if (m.AantalVariabelen > MaxVariabelen) return "AantalVariabelen above the limit";
    if (m.AantalRegels < 0 || m.AantalRegels > MaxRegels) return "AantalRegels out of range";
    for (int v = 0; v < m.AantalVariabelen; ++v) {
        const TVariabele& var = m.VariabeleLijst[v];
        if (std::memchr(var.Naam, '\0', sizeof var.Naam) == nullptr)
            return "variable " + std::to_string(v) + " has an unterminated name";
        if (var.AantalLabels < 0 || var.AantalLabels > MaxLabels)
            return "variable " + std::to_string(v) + " has AantalLabels out of range";
        for (int l = 0; l < var.AantalLabels; ++l)
            if (std::memchr(var.Labels[l].Naam, '\0', sizeof(TNaam)) == nullptr)
                return "label " + std::to_string(l) + " of variable " + std::to_string(v) +
                       " has an unterminated name";
    }
    for (int r = 0; r < m.AantalRegels; ++r)
        if (m.RegelLijst[r].AantalTermen < 0 || m.RegelLijst[r].AantalTermen > MaxTermen)
            return "rule " + std::to_string(r) + " has AantalTermen out of range";
    return "";
}

// Writing the model and reading the result back gives the same text again.
inline std::string ControleerRondgang(const TFuzzyModel& m) {
    const std::string tekst = SchrijfBestand(m);
    TFuzzyModel terug{};
    if (!LeesBestand(terug, tekst)) return "the reader refuses what the writer wrote: " + tekst;
    const std::string opnieuw = SchrijfBestand(terug);
    if (opnieuw != tekst) return "write-read-write differs: " + tekst + " became " + opnieuw;
    return "";
}

// Whatever a file holds, the inference window may be opened on it: bind the inputs, evaluate
// every rule at the low end, the high end and the middle of each input, and render every rule.
inline void OefenEvaluatie(const TFuzzyModel& m) {
    TInferentieToestand t{};
    const int rijen = KoppelInputs(m, t);
    for (int stand = 0; stand < 3; ++stand) {
        for (int k = 0; k < rijen; ++k) {
            const TVariabele& v = m.VariabeleLijst[t.InputRijen[k].Variabele];
            const std::int64_t midden = (std::int64_t{v.Min} + v.Max) / 2;
            ZetInputWaarde(t, k,
                           stand == 0   ? v.Min
                           : stand == 1 ? v.Max
                                        : static_cast<int>(midden));
        }
        t.ErIsGevuurd = false;
        FuzzificeerInputs(m, t);
        EvalueerRegels(m, t);
        (void)BerekenUitkomst(m, t);
    }
    for (int r = 0; r < m.AantalRegels; ++r) (void)RegelTekst(m, r);
}

// One text through the reader: refused and the model untouched to the last byte, or accepted
// within the limits and stable under writing and reading.
inline std::string ControleerLezing(const TFuzzyModel& voor, const TFuzzyModel& na, bool aanvaard) {
    if (!aanvaard) return voor == na ? "" : "a refused text changed the model";
    if (std::string fout = ControleerGrenzen(na); !fout.empty()) return fout;
    if (std::string fout = ControleerRondgang(na); !fout.empty()) return fout;
    OefenEvaluatie(na);
    return "";
}

}  // namespace robuust
