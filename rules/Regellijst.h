// The rule editor's state and its commands as plain logic: the list of rule lines, the selection
// GeselecteerdeRegel, the number field and the composer rows. Every command changes the model and
// this state together; the window then mirrors the state into its controls and shows the
// messages of the result.
#pragma once

#include <string>
#include <vector>

#include "model/Model.h"
#include "model/Resultaat.h"
#include "rules/Regelrijen.h"

extern const char* const MeldingMaximaalRegels;

struct TRegelEditor {
    TRegelRijen Rijen;
    // 1-based number of the selected rule; 0 only while the list is empty.
    int GeselecteerdeRegel = 0;
    // The lines of RegelsListBox: line k is the text of rule k.
    std::vector<std::string> Lijnen;
    // The selected line, -1 for none.
    int GeselecteerdeLijn = -1;
    // The text of RegelAanduidingEdit.
    std::string Aanduiding;

    bool operator==(const TRegelEditor&) const = default;
};

// Each opening of the window: variable boxes and list rebuilt from the model, rule 1 selected and
// shown, or row 1 prepared when there are no rules.
void Activeren(TRegelEditor& editor, const TFuzzyModel& model);

// Loads rule GeselecteerdeRegel into the rows, selects its line and shows its number. Does
// nothing while no rule is selected.
void RegelNaarRijen(TRegelEditor& editor, const TFuzzyModel& model);

// The user selected line `lijn` (0-based) of the list (RegelsListBoxClick).
Resultaat RegelKiezen(TRegelEditor& editor, const TFuzzyModel& model, int lijn);
// The arrows: the next (SelectieOmlaagKnop) or previous (SelectieOmhoogKnop) rule, no
// wrap-around; at either end the selection stays and the rows are still reloaded.
Resultaat VolgendeRegel(TRegelEditor& editor, const TFuzzyModel& model);
Resultaat VorigeRegel(TRegelEditor& editor, const TFuzzyModel& model);

// "Voeg toe", "Vervang", "Verwijder", "Omhoog", "OmLaag".
Resultaat RegelToevoegen(TRegelEditor& editor, TFuzzyModel& model);
Resultaat RegelVervangen(TRegelEditor& editor, TFuzzyModel& model);
Resultaat RegelVerwijderen(TRegelEditor& editor, TFuzzyModel& model);
Resultaat RegelOmhoog(TRegelEditor& editor, TFuzzyModel& model);
Resultaat RegelOmlaag(TRegelEditor& editor, TFuzzyModel& model);
