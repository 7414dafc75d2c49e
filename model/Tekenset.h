// Windows-1252, the character set of names in the project file, against Unicode. The five bytes
// the set leaves undefined map to the C1 controls, as Windows itself does, so every byte survives
// a round trip.
#pragma once

#include <optional>

char32_t Cp1252NaarUnicode(unsigned char byte);
// nullopt for a character that Windows-1252 cannot represent.
std::optional<char> UnicodeNaarCp1252(char32_t teken);
