// The membership editor's operations on the linguistic variables: create, delete, rename, set the
// bounds and switch between input and output. Each checks in a fixed order, and a refusal leaves
// the model exactly as it was.
#pragma once

#include "model/Model.h"
#include "model/Resultaat.h"
#include "platform/Dialogen.h"

// The index v is the selected variable; an index outside the model does nothing.
Resultaat NieuweVariabele(TFuzzyModel& model, TDialogen& dialogen);
Resultaat VerwijderVariabele(TFuzzyModel& model, int v);
Resultaat HernoemVariabele(TFuzzyModel& model, int v, TDialogen& dialogen);
Resultaat ZetMinimum(TFuzzyModel& model, int v, int kandidaat);
Resultaat ZetMaximum(TFuzzyModel& model, int v, int kandidaat);
Resultaat MaakInput(TFuzzyModel& model, int v);
Resultaat MaakOutput(TFuzzyModel& model, int v);

bool IsVariabele(const TFuzzyModel& model, int v);
