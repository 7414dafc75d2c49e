// Writing a project file so that a failure never costs the user's work: the text goes to a
// temporary file beside the target, every write, the flush and the close are checked, and only then
// does it replace the target.
#pragma once

#include <sys/types.h>

#include <cstddef>
#include <functional>
#include <string>
#include <string_view>

enum class SchrijfFout { Geen, Creatie, Schrijven };

// The write call, replaceable so that tests can make a stream fail part-way.
using TSchrijfFunctie = std::function<ssize_t(int fd, const void* data, std::size_t lengte)>;

// Writes tekst to pad. voorVervangen runs after the temporary file is complete and before it
// replaces pad (the backup of Save As happens there); if the replacing fails, voorVervangen's
// work is undone by herstel.
SchrijfFout SchrijfVeilig(const std::string& pad, std::string_view tekst,
                          const TSchrijfFunctie& schrijf,
                          const std::function<bool()>& voorVervangen,
                          const std::function<void()>& herstel);

// Moves bron to doel unless doel exists already; false when nothing was moved.
bool VerplaatsZonderOverschrijven(const std::string& bron, const std::string& doel);

// The whole file, when it can be opened as a regular file. Files above maxGrootte are not read.
enum class LeesFout { Geen, Open, TeGroot };
LeesFout LeesGeheel(const std::string& pad, std::string& inhoud, std::size_t maxGrootte);
