#include "membership/Labels.h"

#include <cstring>
#include <optional>
#include <string>

#include "membership/Naam.h"
#include "membership/Variabelen.h"

namespace {

const char* const MaxLabelsTekst = "Het maximaal aantal labels is al bereikt";
const char* const BestaatAlTekst = "Deze labelnaam bestaat al";

bool BestaatAl(const TVariabele& var, std::string_view naam) {
    for (int l = 0; l < var.AantalLabels; ++l)
        if (NaamGelijk(var.Labels[l].Naam, naam)) return true;
    return false;
}

std::optional<std::string> VraagLabelNaam(const TVariabele& var, TDialogen& dialogen,
                                          const std::string& titel, const std::string& prompt,
                                          Resultaat& uit) {
    return VraagNaamVoorOpslag(
        dialogen, titel, prompt, [&var](std::string_view naam) { return BestaatAl(var, naam); },
        BestaatAlTekst, uit);
}

struct TBuur {
    std::optional<TLabelPunt> punt;
    const char* melding;
};

TBuur Onderbuur(TLabelPunt p) {
    switch (p) {
        case TLabelPunt::A:
            return {std::nullopt, nullptr};
        case TLabelPunt::B:
            return {TLabelPunt::A, "De waarde van b kan niet kleiner worden dan de waarde van a"};
        case TLabelPunt::C:
            return {TLabelPunt::B, "De waarde van c kan niet kleiner worden dan de waarde van b"};
        case TLabelPunt::D:
            return {TLabelPunt::C, "De waarde van d kan niet kleiner worden dan de waarde van c"};
    }
    return {std::nullopt, nullptr};
}

TBuur Bovenbuur(TLabelPunt p) {
    switch (p) {
        case TLabelPunt::A:
            return {TLabelPunt::B, "De waarde van a kan niet groter worden dan de waarde van b"};
        case TLabelPunt::B:
            return {TLabelPunt::C, "De waarde van b kan niet groter worden dan de waarde van c"};
        case TLabelPunt::C:
            return {TLabelPunt::D, "De waarde van c kan niet groter worden dan de waarde van d"};
        case TLabelPunt::D:
            return {std::nullopt, nullptr};
    }
    return {std::nullopt, nullptr};
}

}  // namespace

bool IsLabel(const TFuzzyModel& model, int v, int k) {
    if (!IsVariabele(model, v)) return false;
    const TVariabele& var = model.VariabeleLijst[v];
    return k >= 0 && k < var.AantalLabels && k < MaxLabels;
}

int& Punt(TFuzzyLabel& label, TLabelPunt punt) {
    switch (punt) {
        case TLabelPunt::A:
            return label.A;
        case TLabelPunt::B:
            return label.B;
        case TLabelPunt::C:
            return label.C;
        case TLabelPunt::D:
            break;
    }
    return label.D;
}

Resultaat NieuwLabel(TFuzzyModel& model, int v, TDialogen& dialogen) {
    if (!IsVariabele(model, v)) return Resultaat::Niets();
    TVariabele& var = model.VariabeleLijst[v];
    if (var.AantalLabels >= MaxLabels) return Resultaat::Geweigerd(MaxLabelsTekst);
    Resultaat uit;
    auto naam =
        VraagLabelNaam(var, dialogen, "Nieuw Label", "Geef LabelNaam (10 karakters) :", uit);
    if (!naam) return uit;

    TFuzzyLabel& label = var.Labels[var.AantalLabels];
    ZetNaam(label.Naam, *naam);
    label.A = label.B = label.C = label.D = var.Min;
    ++var.AantalLabels;
    return Resultaat::Gewijzigd();
}

Resultaat VerwijderLabel(TFuzzyModel& model, int v, int k) {
    if (!IsLabel(model, v, k)) return Resultaat::Niets();
    for (int r = 0; r < model.AantalRegels; ++r) {
        const TRegel& regel = model.RegelLijst[r];
        for (int t = 0; t < regel.AantalTermen; ++t)
            if (regel.Termen[t].Variabele == v && regel.Termen[t].Label == k)
                return Resultaat::Geweigerd("Dit label wordt o.a. gebruikt in regel " +
                                            std::to_string(r + 1) +
                                            ", \r\nweggooien van dit label gaat niet");
    }

    TVariabele& var = model.VariabeleLijst[v];
    const int oudAantal = var.AantalLabels;
    for (int m = k + 1; m < oudAantal; ++m) var.Labels[m - 1] = var.Labels[m];
    --var.AantalLabels;

    // Only indices that named an existing later label move; anything else a file brought in
    // keeps its value.
    for (int r = 0; r < model.AantalRegels; ++r) {
        TRegel& regel = model.RegelLijst[r];
        for (int t = 0; t < regel.AantalTermen; ++t) {
            TRegelTerm& term = regel.Termen[t];
            if (term.Variabele == v && term.Label > k && term.Label < oudAantal) --term.Label;
        }
    }
    return Resultaat::Gewijzigd();
}

Resultaat HernoemLabel(TFuzzyModel& model, int v, int k, TDialogen& dialogen) {
    if (!IsLabel(model, v, k)) return Resultaat::Niets();
    TVariabele& var = model.VariabeleLijst[v];
    TFuzzyLabel& label = var.Labels[k];
    const std::string huidig(label.Naam, strnlen(label.Naam, MaxNaamLengte));
    Resultaat uit;
    // Same caption as for a variable, as the editor always had it.
    auto naam = VraagLabelNaam(var, dialogen, "Hernoem Variabele",
                               "Geef een nieuwe naam voor label " + huidig + " :", uit);
    if (!naam) return uit;
    ZetNaam(label.Naam, *naam);
    return Resultaat::Gewijzigd();
}

Resultaat ZetLabelPunt(TFuzzyModel& model, int v, int k, TLabelPunt punt, int kandidaat) {
    if (!IsLabel(model, v, k)) return Resultaat::Niets();
    TVariabele& var = model.VariabeleLijst[v];
    TFuzzyLabel& label = var.Labels[k];
    const int opgeslagen = Punt(label, punt);
    Resultaat uit = Resultaat::Gewijzigd();
    auto weiger = [&](const char* melding) {
        uit.uitkomst = Uitkomst::Geweigerd;
        uit.meldingen.emplace_back(melding);
        kandidaat = opgeslagen;
    };

    if (kandidaat < var.Min)
        weiger("De waarde kan niet kleiner worden dan de minimum-waarde van de variabele");
    if (kandidaat > var.Max)
        weiger("De waarde kan niet groter worden dan de maximum-waarde van de variabele");
    const TBuur onder = Onderbuur(punt);
    if (onder.punt && kandidaat < Punt(label, *onder.punt)) weiger(onder.melding);
    const TBuur boven = Bovenbuur(punt);
    if (boven.punt && kandidaat > Punt(label, *boven.punt)) weiger(boven.melding);

    Punt(label, punt) = kandidaat;
    return uit;
}
