#include "membership/Variabelen.h"

#include <cstring>
#include <string>

#include "membership/Naam.h"

namespace {

const char* const MaxVariabelenTekst = "Het maximaal aantal variabelen is al bereikt";
const char* const BestaatAlTekst = "Deze variabelenaam bestaat al";
const char* const MaxInputsTekst = "Het maximaal aantal inputvariabelen is bereikt";
const char* const MaxOutputsTekst = "Het maximaal aantal outputvariabelen is bereikt";
const char* const MinBovenPuntTekst =
    "De minimum waarde kan niet groter zijn dan een punt in een label";
const char* const MinNietOnderMaxTekst =
    "De minimum waarde moet kleiner zijn dan de maximum waarde";
const char* const MaxOnderPuntTekst =
    "De maximum waarde kan niet kleiner zijn dan een punt in een label";
const char* const MaxNietBovenMinTekst = "De maximum waarde moet groter zijn dan de minimum waarde";

bool BestaatAl(const TFuzzyModel& model, std::string_view naam) {
    for (int i = 0; i < model.AantalVariabelen; ++i)
        if (NaamGelijk(model.VariabeleLijst[i].Naam, naam)) return true;
    return false;
}

// Asks a name and puts it through the checks every variable name passes; nullopt with the
// outcome in `uit` when there is nothing to store.
std::optional<std::string> VraagVariabeleNaam(const TFuzzyModel& model, TDialogen& dialogen,
                                              const std::string& titel, const std::string& prompt,
                                              Resultaat& uit) {
    return VraagNaamVoorOpslag(
        dialogen, titel, prompt, [&model](std::string_view naam) { return BestaatAl(model, naam); },
        BestaatAlTekst, uit);
}

template <typename Voorwaarde>
bool EenPunt(const TVariabele& var, Voorwaarde voorwaarde) {
    for (int l = 0; l < var.AantalLabels; ++l) {
        const TFuzzyLabel& label = var.Labels[l];
        for (int punt : {label.A, label.B, label.C, label.D})
            if (voorwaarde(punt)) return true;
    }
    return false;
}

}  // namespace

bool IsVariabele(const TFuzzyModel& model, int v) {
    return v >= 0 && v < model.AantalVariabelen && v < MaxVariabelen;
}

Resultaat NieuweVariabele(TFuzzyModel& model, TDialogen& dialogen) {
    if (model.AantalVariabelen >= MaxVariabelen) return Resultaat::Geweigerd(MaxVariabelenTekst);
    Resultaat uit;
    auto naam = VraagVariabeleNaam(model, dialogen, "Nieuwe Variabele",
                                   "Geef VariabeleNaam (10 karakters) :", uit);
    if (!naam) return uit;

    const int n = model.AantalVariabelen;
    model.GekozenVariabele = n + 1;
    TVariabele& var = model.VariabeleLijst[n];
    ZetNaam(var.Naam, *naam);
    var.Min = 0;
    var.Max = 1;
    var.AantalLabels = 0;
    ++model.AantalVariabelen;
    // Only the inputs are counted: a sixth variable is the output even when one exists.
    if (model.AantalInputs < MaxInputs) {
        var.IsOutput = 0;
        ++model.AantalInputs;
    } else {
        var.IsOutput = 1;
        ++model.AantalOutputs;
    }
    return Resultaat::Gewijzigd();
}

Resultaat VerwijderVariabele(TFuzzyModel& model, int v) {
    if (!IsVariabele(model, v)) return Resultaat::Niets();
    for (int r = 0; r < model.AantalRegels; ++r) {
        const TRegel& regel = model.RegelLijst[r];
        for (int t = 0; t < regel.AantalTermen; ++t)
            if (regel.Termen[t].Variabele == v)
                return Resultaat::Geweigerd("Deze variabele wordt o.a. gebruikt in regel " +
                                            std::to_string(r + 1) +
                                            ", \r\nweggooien van deze variabele gaat niet");
    }

    // A file may give a variable a kind its counts do not hold; lowering the other count then
    // keeps both counts summing to the variables, or the next save could not be read back.
    const bool alsOutput = model.VariabeleLijst[v].IsOutput != 0;
    if ((alsOutput && model.AantalOutputs > 0) || model.AantalInputs == 0)
        --model.AantalOutputs;
    else
        --model.AantalInputs;
    for (int k = v + 1; k < model.AantalVariabelen; ++k)
        model.VariabeleLijst[k - 1] = model.VariabeleLijst[k];
    --model.AantalVariabelen;

    for (int r = 0; r < model.AantalRegels; ++r) {
        TRegel& regel = model.RegelLijst[r];
        for (int t = 0; t < regel.AantalTermen; ++t)
            if (regel.Termen[t].Variabele > v) --regel.Termen[t].Variabele;
    }
    return Resultaat::Gewijzigd();
}

Resultaat HernoemVariabele(TFuzzyModel& model, int v, TDialogen& dialogen) {
    if (!IsVariabele(model, v)) return Resultaat::Niets();
    TVariabele& var = model.VariabeleLijst[v];
    const std::string huidig(var.Naam, strnlen(var.Naam, MaxNaamLengte));
    Resultaat uit;
    // The variable's own name counts as taken, so renaming to it is refused as well.
    auto naam = VraagVariabeleNaam(model, dialogen, "Hernoem Variabele",
                                   "Geef een nieuwe naam voor variabele " + huidig + " :", uit);
    if (!naam) return uit;
    ZetNaam(var.Naam, *naam);
    return Resultaat::Gewijzigd();
}

Resultaat ZetMinimum(TFuzzyModel& model, int v, int kandidaat) {
    if (!IsVariabele(model, v)) return Resultaat::Niets();
    TVariabele& var = model.VariabeleLijst[v];
    if (EenPunt(var, [&](int punt) { return punt < kandidaat; }))
        return Resultaat::Geweigerd(MinBovenPuntTekst);
    if (kandidaat >= var.Max) return Resultaat::Geweigerd(MinNietOnderMaxTekst);
    var.Min = kandidaat;
    return Resultaat::Gewijzigd();
}

Resultaat ZetMaximum(TFuzzyModel& model, int v, int kandidaat) {
    if (!IsVariabele(model, v)) return Resultaat::Niets();
    TVariabele& var = model.VariabeleLijst[v];
    if (EenPunt(var, [&](int punt) { return punt > kandidaat; }))
        return Resultaat::Geweigerd(MaxOnderPuntTekst);
    if (kandidaat <= var.Min) return Resultaat::Geweigerd(MaxNietBovenMinTekst);
    var.Max = kandidaat;
    return Resultaat::Gewijzigd();
}

Resultaat MaakInput(TFuzzyModel& model, int v) {
    if (!IsVariabele(model, v)) return Resultaat::Niets();
    TVariabele& var = model.VariabeleLijst[v];
    if (var.IsOutput == 0) return Resultaat::Niets();
    if (model.AantalInputs == MaxInputs) return Resultaat::Geweigerd(MaxInputsTekst);
    var.IsOutput = 0;
    // With no output counted, a file's counts had this variable as an input already: raising the
    // inputs alone would break their sum, and the next save could not be read back.
    if (model.AantalOutputs > 0) {
        --model.AantalOutputs;
        ++model.AantalInputs;
    }
    return Resultaat::Gewijzigd();
}

Resultaat MaakOutput(TFuzzyModel& model, int v) {
    if (!IsVariabele(model, v)) return Resultaat::Niets();
    TVariabele& var = model.VariabeleLijst[v];
    if (var.IsOutput == 1) return Resultaat::Niets();
    if (model.AantalOutputs == MaxOutputs) return Resultaat::Geweigerd(MaxOutputsTekst);
    var.IsOutput = 1;
    ++model.AantalOutputs;
    if (model.AantalInputs > 0) --model.AantalInputs;
    return Resultaat::Gewijzigd();
}
