#include "rules/RegelTekst.h"

#include <cstring>

namespace {

void VoegNaamToe(std::string& tekst, const TNaam& naam) {
    tekst.append(naam, strnlen(naam, MaxNaamLengte));
}

}  // namespace

std::string RegelTekst(const TFuzzyModel& model, int r) {
    std::string tekst;
    if (r < 0 || r >= MaxRegels) return tekst;
    const TRegel& regel = model.RegelLijst[r];
    const int aantal = regel.AantalTermen < MaxTermen ? regel.AantalTermen : MaxTermen;
    for (int t = 0; t < aantal; ++t) {
        const TRegelTerm& term = regel.Termen[t];
        if (t == 0) tekst = "ALS ";
        const bool variabeleGeldig = term.Variabele >= 0 &&
                                     term.Variabele < model.AantalVariabelen &&
                                     term.Variabele < MaxVariabelen;
        if (variabeleGeldig) {
            const TVariabele& v = model.VariabeleLijst[term.Variabele];
            VoegNaamToe(tekst, v.Naam);
            tekst += " IS ";
            if (term.Label >= 0 && term.Label < v.AantalLabels && term.Label < MaxLabels)
                VoegNaamToe(tekst, v.Labels[term.Label].Naam);
            else
                tekst += '?';
        } else {
            tekst += "? IS ?";
        }
        if (term.Koppel == KoppelEN)
            tekst += " EN ";
        else if (term.Koppel == KoppelDAN)
            tekst += " DAN ";
    }
    return tekst;
}
