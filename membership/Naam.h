// Names of variables and labels as the editor takes them from the input box: cut to ten
// characters, and refused when the project file could not store them or read them back.
#pragma once

#include <functional>
#include <optional>
#include <string>
#include <string_view>

#include "model/Model.h"
#include "model/Resultaat.h"
#include "platform/Dialogen.h"

// The entered text cut to its first MaxNaamLengte characters (bytes of Windows-1252).
std::string KnipNaam(std::string_view tekst);

// The refusal for a cut name the project file cannot hold: a comma (the field separator), white
// space, a control character, or a byte that Windows-1252 leaves undefined. nullopt when it is
// fine. The one check of all four name operations, made before the duplicate check.
std::optional<std::string> NaamFout(std::string_view naam);

// Compares a stored name with a cut one, byte for byte and case-sensitively.
bool NaamGelijk(const TNaam& opgeslagen, std::string_view naam);

// Stores a cut name, the rest of the field zeroed.
void ZetNaam(TNaam& doel, std::string_view naam);

// Asks a name in the input box and puts it through the checks every name passes, in their order:
// nothing entered (outcome Niets), cut to ten characters, storable, not yet taken. nullopt with the
// outcome in `uit` when there is nothing to store.
std::optional<std::string> VraagNaamVoorOpslag(TDialogen& dialogen, const std::string& titel,
                                               const std::string& prompt,
                                               const std::function<bool(std::string_view)>& bezet,
                                               const char* bezetTekst, Resultaat& uit);
