#include "rules/Regelrijen.h"

#include <cstring>

const char* const MeldingHerhaaldeVariabele =
    "Een variabele is meer dan 1 maal gebruikt, dit kan niet";
const char* const MeldingGeenDan = "Er is geen gevolgtrekking (DAN) gedefinieerd";
const char* const MeldingGeenOutputNaDan = "De variabele na \"DAN\" moet een outputvariabele zijn";
const char* const MeldingLegeTerm = "Kies in elke rij een variabele en een label";

namespace {

std::string Naam(const TNaam& naam) { return std::string(naam, strnlen(naam, MaxNaamLengte)); }

int AantalVariabelen(const TFuzzyModel& model) {
    if (model.AantalVariabelen < 0) return 0;
    return model.AantalVariabelen < MaxVariabelen ? model.AantalVariabelen : MaxVariabelen;
}

bool GeldigeVariabele(const TFuzzyModel& model, int v) {
    return v >= 0 && v < AantalVariabelen(model);
}

bool GeldigLabel(const TFuzzyModel& model, int v, int l) {
    return GeldigeVariabele(model, v) && l >= 0 && l < model.VariabeleLijst[v].AantalLabels &&
           l < MaxLabels;
}

// As a list box does: an index beyond the items chooses nothing.
void Kies(TKeuzeBox& box, int index) {
    box.Gekozen = index >= 0 && index < static_cast<int>(box.Items.size()) ? index : -1;
}

void ToonRij(TRegelRij& rij, bool getoond) {
    rij.Variabele.Getoond = getoond;
    rij.IsGetoond = getoond;
    rij.Label.Getoond = getoond;
}

std::int8_t KoppelCode(const TKeuzeBox& koppel) {
    return static_cast<std::int8_t>(koppel.Gekozen >= 0 ? koppel.Gekozen + 1 : KoppelGeen);
}

}  // namespace

TRegelRijen::TRegelRijen() {
    for (int k = 1; k <= AantalKoppelBoxen; ++k) (*this)[k].Koppel.Items = {"EN", "DAN"};
    (*this)[AantalKoppelBoxen].Koppel.Items.push_back("");
}

void VulLabelBox(TRegelRijen& rijen, const TFuzzyModel& model, int rij) {
    TRegelRij& r = rijen[rij];
    r.Label.Items.clear();
    r.Label.Gekozen = -1;
    const int v = r.Variabele.Gekozen;
    if (!GeldigeVariabele(model, v)) return;
    const TVariabele& variabele = model.VariabeleLijst[v];
    for (int l = 0; l < variabele.AantalLabels && l < MaxLabels; ++l)
        r.Label.Items.push_back(Naam(variabele.Labels[l].Naam));
}

void VulVariabeleBoxen(TRegelRijen& rijen, const TFuzzyModel& model) {
    std::vector<std::string> namen;
    for (int v = 0; v < AantalVariabelen(model); ++v)
        namen.push_back(Naam(model.VariabeleLijst[v].Naam));
    for (TRegelRij& r : rijen.Rij) {
        r.Variabele.Items = namen;
        r.Variabele.Gekozen = -1;
    }
}

void VariabeleGekozen(TRegelRijen& rijen, const TFuzzyModel& model, int rij, int index) {
    if (rij < 1 || rij > MaxTermen) return;
    Kies(rijen[rij].Variabele, index);
    VulLabelBox(rijen, model, rij);
    Kies(rijen[rij].Label, 0);
}

void KoppelGekozen(TRegelRijen& rijen, int rij, int index) {
    if (rij < 1 || rij > AantalKoppelBoxen) return;
    Kies(rijen[rij].Koppel, index);
    ToonRij(rijen[rij + 1], true);
    if (rij == AantalKoppelBoxen) return;
    rijen[rij + 1].Koppel.Getoond = true;
    if (rijen[rij].Koppel.Gekozen == KoppelDAN - 1) {
        rijen[rij + 1].Koppel.Getoond = false;
        for (int lager = rij + 2; lager <= MaxTermen; ++lager) {
            ToonRij(rijen[lager], false);
            rijen[lager].Koppel.Getoond = false;
        }
    }
}

void RijenNaarRegel(const TRegelRijen& rijen, TRegel& regel) {
    int n = 0;
    bool beeindigd = false;
    for (int rij = 1; rij <= AantalKoppelBoxen && !beeindigd; ++rij) {
        const TRegelRij& r = rijen[rij];
        TRegelTerm& term = regel.Termen[rij - 1];
        term.Variabele = r.Variabele.Gekozen;
        term.Label = r.Label.Gekozen;
        term.Koppel = KoppelCode(r.Koppel);
        if (!r.Koppel.Getoond) {
            term.Koppel = KoppelGeen;
            beeindigd = true;
        }
        ++n;
    }
    if (!beeindigd) {
        TRegelTerm& laatste = regel.Termen[MaxTermen - 1];
        laatste.Variabele = rijen[MaxTermen].Variabele.Gekozen;
        laatste.Label = rijen[MaxTermen].Label.Gekozen;
        laatste.Koppel = KoppelGeen;
        n = MaxTermen;
    }
    regel.AantalTermen = n;
}

void LaadRegelInRijen(TRegelRijen& rijen, const TFuzzyModel& model, const TRegel& regel) {
    for (TRegelRij& r : rijen.Rij) {
        ToonRij(r, false);
        r.Koppel.Getoond = false;
    }
    const int aantal = regel.AantalTermen < MaxTermen ? regel.AantalTermen : MaxTermen;
    for (int t = 0; t < aantal; ++t) {
        const TRegelTerm& term = regel.Termen[t];
        TRegelRij& r = rijen[t + 1];
        ToonRij(r, true);
        Kies(r.Variabele, term.Variabele);
        VulLabelBox(rijen, model, t + 1);
        Kies(r.Label, term.Label);
        if (t + 1 <= AantalKoppelBoxen) {
            r.Koppel.Getoond = term.Koppel != KoppelGeen;
            Kies(r.Koppel, term.Koppel - 1);
        }
    }
}

Resultaat RegelControleren(TFuzzyModel& model, const TRegelRijen& rijen, int slot) {
    if (slot < 0 || slot >= MaxRegels) return Resultaat::Niets();
    TRegel& regel = model.RegelLijst[slot];
    const TRegel kopie = regel;
    RijenNaarRegel(rijen, regel);
    const int n = regel.AantalTermen;

    auto weiger = [&](const char* melding) {
        regel = kopie;
        return Resultaat::Geweigerd(melding);
    };

    for (int i = 0; i < n; ++i)
        for (int j = i + 1; j < n; ++j)
            if (regel.Termen[i].Variabele == regel.Termen[j].Variabele)
                return weiger(MeldingHerhaaldeVariabele);

    bool danGevonden = false;
    bool outputNaDan = false;
    for (int i = 0; i < n; ++i) {
        if (regel.Termen[i].Koppel != KoppelDAN) continue;
        danGevonden = true;
        if (i + 1 < n) {
            const int v = regel.Termen[i + 1].Variabele;
            outputNaDan = GeldigeVariabele(model, v) && model.VariabeleLijst[v].IsOutput == 1;
        }
    }
    if (!danGevonden) return weiger(MeldingGeenDan);
    if (!outputNaDan) return weiger(MeldingGeenOutputNaDan);

    // A term without a variable or a label would make the rule name nothing in the model.
    for (int i = 0; i < n; ++i)
        if (!GeldigLabel(model, regel.Termen[i].Variabele, regel.Termen[i].Label))
            return weiger(MeldingLegeTerm);
    return Resultaat::Gewijzigd();
}
