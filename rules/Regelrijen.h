// The six composer rows of the rule editor as plain data, the effects of their change handlers, and
// the conversion between rows and a stored rule with its check. The window only mirrors this state
// into its 23 controls; there is no other copy of the rule being composed.
#pragma once

#include <string>
#include <vector>

#include "model/Model.h"
#include "model/Resultaat.h"

// A drop-down box: its items (Windows-1252 bytes), the chosen index (-1 for none) and whether it
// is shown. A hidden box keeps its items and its choice.
struct TKeuzeBox {
    std::vector<std::string> Items;
    int Gekozen = -1;
    bool Getoond = false;

    bool operator==(const TKeuzeBox&) const = default;
};

// One row: variable box, the word "IS", label box, and the connector box after the row (drawn at
// the left end of the next row). Row 6 has no connector box; its Koppel stays empty and hidden.
struct TRegelRij {
    TKeuzeBox Variabele;
    bool IsGetoond = false;
    TKeuzeBox Label;
    TKeuzeBox Koppel;

    bool operator==(const TRegelRij&) const = default;
};

// Rows are numbered 1 ... 6 in the functions below, as on screen; Rij[0] is row 1.
struct TRegelRijen {
    TRegelRij Rij[MaxTermen];

    // All 23 controls hidden; connector boxes 1 ... 5 hold "EN", "DAN" (the fifth an empty third
    // item as well).
    TRegelRijen();

    TRegelRij& operator[](int rij) { return Rij[rij - 1]; }
    const TRegelRij& operator[](int rij) const { return Rij[rij - 1]; }

    bool operator==(const TRegelRijen&) const = default;
};

constexpr int AantalKoppelBoxen = MaxTermen - 1;

// The messages of RegelControleren, in the order of its checks.
extern const char* const MeldingHerhaaldeVariabele;
extern const char* const MeldingGeenDan;
extern const char* const MeldingGeenOutputNaDan;
extern const char* const MeldingLegeTerm;

// Fills row rij's label box with the labels of the variable chosen in its variable box; empty when
// none (or no valid one) is chosen. The choice in the label box becomes -1.
void VulLabelBox(TRegelRijen& rijen, const TFuzzyModel& model, int rij);

// Refills all six variable boxes with the model's variable names; nothing is chosen afterwards.
void VulVariabeleBoxen(TRegelRijen& rijen, const TFuzzyModel& model);

// The user chose item `index` in row rij's variable box (Variabele1ComboBoxChange ...): the label
// box is filled for that variable and its first label chosen.
void VariabeleGekozen(TRegelRijen& rijen, const TFuzzyModel& model, int rij, int index);

// The user chose item `index` in the connector box after row rij (Koppel1ComboBoxChange ...):
// shows the next row; "DAN" in boxes 1 ... 4 hides everything below that next row.
void KoppelGekozen(TRegelRijen& rijen, int rij, int index);

// Writes the rule composed in the rows into `regel`: rows are read down to the first row whose
// connector box is hidden, whatever the rows' own shown state. Terms beyond the count are kept.
void RijenNaarRegel(const TRegelRijen& rijen, TRegel& regel);

// Shows `regel` in the rows exactly as stored, without running any change handler. An index that
// does not name a variable, label or connector item leaves that box with nothing chosen.
void LaadRegelInRijen(TRegelRijen& rijen, const TFuzzyModel& model, const TRegel& regel);

// Checks the rule composed in the rows for entry `slot` of RegelLijst. Passed: the rule is stored
// in that entry (Gewijzigd). Refused: one message, and the entry keeps its former content. It
// does not change AantalRegels.
Resultaat RegelControleren(TFuzzyModel& model, const TRegelRijen& rijen, int slot);
