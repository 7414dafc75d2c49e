#include "model/Tekenset.h"

namespace {

// 0x80..0x9F; everything else is Latin-1.
constexpr char32_t Tabel80[32] = {0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021,
                                  0x02C6, 0x2030, 0x0160, 0x2039, 0x0152, 0x008D, 0x017D, 0x008F,
                                  0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014,
                                  0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178};

}  // namespace

char32_t Cp1252NaarUnicode(unsigned char byte) {
    return byte >= 0x80 && byte < 0xA0 ? Tabel80[byte - 0x80] : char32_t{byte};
}

std::optional<char> UnicodeNaarCp1252(char32_t teken) {
    if (teken < 0x80 || (teken >= 0xA0 && teken <= 0xFF)) return static_cast<char>(teken);
    for (int i = 0; i < 32; ++i)
        if (Tabel80[i] == teken) return static_cast<char>(0x80 + i);
    return std::nullopt;
}
