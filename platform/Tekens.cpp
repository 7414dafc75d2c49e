#include "platform/Tekens.h"

#include "model/Tekenset.h"

QString NaarQString(std::string_view cp1252) {
    QString uit;
    uit.reserve(static_cast<qsizetype>(cp1252.size()));
    for (char b : cp1252)
        uit.append(QChar(static_cast<char16_t>(Cp1252NaarUnicode(static_cast<unsigned char>(b)))));
    return uit;
}

std::optional<std::string> NaarCp1252(const QString& tekst) {
    std::string uit;
    uit.reserve(static_cast<std::size_t>(tekst.size()));
    for (QChar c : tekst) {
        // A surrogate is never in the table, so characters beyond the first plane are refused.
        std::optional<char> b = UnicodeNaarCp1252(c.unicode());
        if (!b) return std::nullopt;
        uit.push_back(*b);
    }
    return uit;
}
