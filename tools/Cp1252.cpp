#include "tools/Cp1252.h"

#include "model/Tekenset.h"

namespace {

void VoegUtf8Toe(std::string& uit, char32_t c) {
    if (c < 0x80) {
        uit.push_back(static_cast<char>(c));
    } else if (c < 0x800) {
        uit.push_back(static_cast<char>(0xC0 | (c >> 6)));
        uit.push_back(static_cast<char>(0x80 | (c & 0x3F)));
    } else {
        uit.push_back(static_cast<char>(0xE0 | (c >> 12)));
        uit.push_back(static_cast<char>(0x80 | ((c >> 6) & 0x3F)));
        uit.push_back(static_cast<char>(0x80 | (c & 0x3F)));
    }
}

}  // namespace

std::string Cp1252NaarUtf8(std::string_view cp1252) {
    std::string uit;
    uit.reserve(cp1252.size());
    for (char b : cp1252) {
        const unsigned char u = static_cast<unsigned char>(b);
        VoegUtf8Toe(uit, Cp1252NaarUnicode(u));
    }
    return uit;
}

std::optional<std::string> Utf8NaarCp1252(std::string_view utf8) {
    std::string uit;
    for (std::size_t i = 0; i < utf8.size();) {
        const unsigned char u = static_cast<unsigned char>(utf8[i]);
        char32_t c;
        std::size_t lengte;
        if (u < 0x80) {
            c = u;
            lengte = 1;
        } else if ((u & 0xE0) == 0xC0) {
            c = u & 0x1F;
            lengte = 2;
        } else if ((u & 0xF0) == 0xE0) {
            c = u & 0x0F;
            lengte = 3;
        } else {
            return std::nullopt;  // four-byte characters are all outside Windows-1252
        }
        if (i + lengte > utf8.size()) return std::nullopt;
        for (std::size_t k = 1; k < lengte; ++k) {
            const unsigned char v = static_cast<unsigned char>(utf8[i + k]);
            if ((v & 0xC0) != 0x80) return std::nullopt;
            c = (c << 6) | (v & 0x3F);
        }
        i += lengte;
        const std::optional<char> b = UnicodeNaarCp1252(c);
        if (!b) return std::nullopt;
        uit.push_back(*b);
    }
    return uit;
}
