// The project text: one line of comma-separated integers and names (the ".FLB" format).
#pragma once

#include <string>
#include <string_view>

#include "model/Model.h"

// The model as project text, byte for byte as the format prescribes (no line end).
std::string SchrijfBestand(const TFuzzyModel& model);

// Reads a project text into the model. A text that does not follow the format is refused as a
// whole: the result is false and the model is left exactly as it was. Slots beyond the counts read
// keep their contents. Empty text (or white space only) is the empty model.
bool LeesBestand(TFuzzyModel& model, std::string_view tekst);
