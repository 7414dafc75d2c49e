// The core keeps texts as Windows-1252 bytes, as the project file stores them; Qt speaks Unicode.
// This is the only crossing between the two.
#pragma once

#include <QString>
#include <optional>
#include <string>
#include <string_view>

QString NaarQString(std::string_view cp1252);
// nullopt when the text holds a character that Windows-1252 cannot represent.
std::optional<std::string> NaarCp1252(const QString& tekst);
// For texts the program itself composed (messages, captions): unrepresentable characters become
// '?'.
std::string NaarCp1252OfVraagteken(const QString& tekst);
