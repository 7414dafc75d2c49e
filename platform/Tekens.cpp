#include "platform/Tekens.h"

namespace {

// 0x80..0x9F; the five bytes that Windows-1252 leaves undefined map to the C1 controls, as
// Windows itself does, so every byte survives a round trip.
constexpr char16_t Tabel80[32] = {0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021,
                                  0x02C6, 0x2030, 0x0160, 0x2039, 0x0152, 0x008D, 0x017D, 0x008F,
                                  0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014,
                                  0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178};

std::optional<char> NaarByte(char16_t c) {
    if (c < 0x80 || (c >= 0xA0 && c <= 0xFF)) return static_cast<char>(c);
    for (int i = 0; i < 32; ++i)
        if (Tabel80[i] == c) return static_cast<char>(0x80 + i);
    return std::nullopt;
}

}  // namespace

QString NaarQString(std::string_view cp1252) {
    QString uit;
    uit.reserve(static_cast<qsizetype>(cp1252.size()));
    for (char b : cp1252) {
        const unsigned char u = static_cast<unsigned char>(b);
        uit.append(QChar(u >= 0x80 && u < 0xA0 ? Tabel80[u - 0x80] : char16_t{u}));
    }
    return uit;
}

std::optional<std::string> NaarCp1252(const QString& tekst) {
    std::string uit;
    uit.reserve(static_cast<std::size_t>(tekst.size()));
    for (QChar c : tekst) {
        std::optional<char> b = NaarByte(c.unicode());
        if (!b) return std::nullopt;
        uit.push_back(*b);
    }
    return uit;
}
