// The one rendering of a stored rule as a line of Dutch text: "ALS Temp IS Warm DAN Kachel IS
// Laag".
#pragma once

#include <string>

#include "model/Model.h"

// Rule r (0-based). A variable or label index outside the model renders as "?".
std::string RegelTekst(const TFuzzyModel& model, int r);
