#include "rules/Regellijst.h"

#include <string>
#include <utility>

#include "rules/RegelTekst.h"

const char* const MeldingMaximaalRegels = "Het maximaal aantal regels is al bereikt";

namespace {

int AantalLijnen(const TRegelEditor& editor) { return static_cast<int>(editor.Lijnen.size()); }

// The selection names a line of the list; the commands that act on "the selected rule" do
// nothing otherwise.
bool SelectieGeldig(const TRegelEditor& editor, const TFuzzyModel& model) {
    return editor.GeselecteerdeRegel >= 1 && editor.GeselecteerdeRegel <= model.AantalRegels &&
           editor.GeselecteerdeRegel <= AantalLijnen(editor) &&
           editor.GeselecteerdeRegel <= MaxRegels;
}

}  // namespace

void Activeren(TRegelEditor& editor, const TFuzzyModel& model) {
    VulVariabeleBoxen(editor.Rijen, model);
    editor.Lijnen.clear();
    const int aantal = model.AantalRegels < MaxRegels ? model.AantalRegels : MaxRegels;
    for (int r = 0; r < aantal; ++r) editor.Lijnen.push_back(RegelTekst(model, r));
    editor.GeselecteerdeLijn = -1;

    if (!editor.Lijnen.empty()) {
        editor.GeselecteerdeRegel = 1;
        RegelNaarRijen(editor, model);
        return;
    }
    editor.GeselecteerdeRegel = 0;
    editor.Aanduiding = std::to_string(editor.GeselecteerdeRegel);
    TRegelRij& rij1 = editor.Rijen[1];
    rij1.Variabele.Getoond = true;
    rij1.Variabele.Gekozen = rij1.Variabele.Items.empty() ? -1 : 0;
    rij1.IsGetoond = true;
    VulLabelBox(editor.Rijen, model, 1);
    rij1.Label.Gekozen = rij1.Label.Items.empty() ? -1 : 0;
    rij1.Label.Getoond = true;
    rij1.Koppel.Getoond = true;
}

void RegelNaarRijen(TRegelEditor& editor, const TFuzzyModel& model) {
    if (editor.GeselecteerdeRegel < 1 || editor.GeselecteerdeRegel > MaxRegels) return;
    const int r = editor.GeselecteerdeRegel - 1;
    editor.GeselecteerdeLijn = r < AantalLijnen(editor) ? r : -1;
    LaadRegelInRijen(editor.Rijen, model, model.RegelLijst[r]);
    editor.Aanduiding = std::to_string(editor.GeselecteerdeRegel);
}

Resultaat RegelKiezen(TRegelEditor& editor, const TFuzzyModel& model, int lijn) {
    if (lijn < 0 || lijn >= AantalLijnen(editor)) return Resultaat::Niets();
    editor.GeselecteerdeRegel = lijn + 1;
    RegelNaarRijen(editor, model);
    return Resultaat::Gewijzigd();
}

Resultaat VolgendeRegel(TRegelEditor& editor, const TFuzzyModel& model) {
    if (editor.Lijnen.empty()) return Resultaat::Niets();
    if (editor.GeselecteerdeRegel < AantalLijnen(editor)) ++editor.GeselecteerdeRegel;
    RegelNaarRijen(editor, model);
    return Resultaat::Gewijzigd();
}

Resultaat VorigeRegel(TRegelEditor& editor, const TFuzzyModel& model) {
    if (editor.Lijnen.empty()) return Resultaat::Niets();
    if (editor.GeselecteerdeRegel > 1) --editor.GeselecteerdeRegel;
    RegelNaarRijen(editor, model);
    return Resultaat::Gewijzigd();
}

Resultaat RegelToevoegen(TRegelEditor& editor, TFuzzyModel& model) {
    if (model.AantalRegels >= MaxRegels) return Resultaat::Geweigerd(MeldingMaximaalRegels);
    if (model.AantalRegels < 0) return Resultaat::Niets();
    Resultaat controle = RegelControleren(model, editor.Rijen, model.AantalRegels);
    if (controle.uitkomst != Uitkomst::Gewijzigd) return controle;
    ++model.AantalRegels;
    editor.GeselecteerdeRegel = model.AantalRegels;
    editor.Lijnen.push_back(RegelTekst(model, model.AantalRegels - 1));
    RegelNaarRijen(editor, model);
    return Resultaat::Gewijzigd();
}

Resultaat RegelVervangen(TRegelEditor& editor, TFuzzyModel& model) {
    if (!SelectieGeldig(editor, model)) return Resultaat::Niets();
    const int r = editor.GeselecteerdeRegel - 1;
    Resultaat controle = RegelControleren(model, editor.Rijen, r);
    if (controle.uitkomst != Uitkomst::Gewijzigd) return controle;
    editor.Lijnen[r] = RegelTekst(model, r);
    RegelNaarRijen(editor, model);
    return Resultaat::Gewijzigd();
}

Resultaat RegelVerwijderen(TRegelEditor& editor, TFuzzyModel& model) {
    if (!SelectieGeldig(editor, model)) return Resultaat::Niets();
    const int gekozen = editor.GeselecteerdeRegel;
    editor.Lijnen.erase(editor.Lijnen.begin() + (gekozen - 1));
    for (int i = gekozen; i < model.AantalRegels; ++i)
        model.RegelLijst[i - 1] = model.RegelLijst[i];
    if (gekozen == model.AantalRegels) --editor.GeselecteerdeRegel;
    --model.AantalRegels;
    // The only rule gone: the rows and the number field keep showing it.
    if (editor.GeselecteerdeRegel > 0)
        RegelNaarRijen(editor, model);
    else
        editor.GeselecteerdeLijn = -1;
    return Resultaat::Gewijzigd();
}

Resultaat RegelOmhoog(TRegelEditor& editor, TFuzzyModel& model) {
    if (!SelectieGeldig(editor, model) || editor.GeselecteerdeRegel <= 1) return Resultaat::Niets();
    const int r = editor.GeselecteerdeRegel - 1;
    std::swap(model.RegelLijst[r], model.RegelLijst[r - 1]);
    std::swap(editor.Lijnen[r], editor.Lijnen[r - 1]);
    --editor.GeselecteerdeRegel;
    RegelNaarRijen(editor, model);
    return Resultaat::Gewijzigd();
}

Resultaat RegelOmlaag(TRegelEditor& editor, TFuzzyModel& model) {
    if (!SelectieGeldig(editor, model) || editor.GeselecteerdeRegel >= AantalLijnen(editor) ||
        editor.GeselecteerdeRegel >= model.AantalRegels)
        return Resultaat::Niets();
    const int r = editor.GeselecteerdeRegel - 1;
    std::swap(model.RegelLijst[r], model.RegelLijst[r + 1]);
    std::swap(editor.Lijnen[r], editor.Lijnen[r + 1]);
    ++editor.GeselecteerdeRegel;
    RegelNaarRijen(editor, model);
    return Resultaat::Gewijzigd();
}
