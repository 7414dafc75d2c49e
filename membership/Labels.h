// The membership editor's operations on the labels of one variable: create, delete, rename, and
// move one of the four trapezoid points. Each checks in a fixed order; a refusal leaves the model
// as it was.
#pragma once

#include "model/Model.h"
#include "model/Resultaat.h"
#include "platform/Dialogen.h"

enum class TLabelPunt { A, B, C, D };

// v is the selected variable, k its selected label; indices outside the model do nothing.
Resultaat NieuwLabel(TFuzzyModel& model, int v, TDialogen& dialogen);
// Refused while a rule uses the label; otherwise the rules that name a later label of the
// variable are renumbered, so that every rule keeps naming the same labels.
Resultaat VerwijderLabel(TFuzzyModel& model, int v, int k);
Resultaat HernoemLabel(TFuzzyModel& model, int v, int k, TDialogen& dialogen);
// Every failing check adds its message and puts the stored value back as the candidate; what
// remains is stored. Refused when any check failed.
Resultaat ZetLabelPunt(TFuzzyModel& model, int v, int k, TLabelPunt punt, int kandidaat);

bool IsLabel(const TFuzzyModel& model, int v, int k);
int& Punt(TFuzzyLabel& label, TLabelPunt punt);
