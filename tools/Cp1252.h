// Names in a project file are Windows-1252 bytes; a shell speaks UTF-8. The evaluator converts at
// its edges only, with the character table the windows use.
#pragma once

#include <optional>
#include <string>
#include <string_view>

std::string Cp1252NaarUtf8(std::string_view cp1252);
// nullopt when the text is not valid UTF-8 or holds a character that Windows-1252 lacks.
std::optional<std::string> Utf8NaarCp1252(std::string_view utf8);
