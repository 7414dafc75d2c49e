#include "membership/Naam.h"

#include <algorithm>
#include <cstring>

namespace {

const char* const OngeldigeNaam = "Een naam mag geen komma, spatie of bijzonder teken bevatten";

bool KanOpgeslagen(unsigned char c) {
    if (c == ',') return false;
    if (c <= 0x20 || c == 0x7F) return false;  // control characters and the space
    // 0xA0 is the no-break space; the other five are undefined in Windows-1252 and come back
    // from the Qt side as C1 control characters.
    switch (c) {
        case 0x81:
        case 0x8D:
        case 0x8F:
        case 0x90:
        case 0x9D:
        case 0xA0:
            return false;
        default:
            return true;
    }
}

}  // namespace

std::string KnipNaam(std::string_view tekst) {
    return std::string(tekst.substr(0, static_cast<std::size_t>(MaxNaamLengte)));
}

std::optional<std::string> NaamFout(std::string_view naam) {
    for (char c : naam)
        if (!KanOpgeslagen(static_cast<unsigned char>(c))) return std::string(OngeldigeNaam);
    return std::nullopt;
}

bool NaamGelijk(const TNaam& opgeslagen, std::string_view naam) {
    return std::string_view(opgeslagen, strnlen(opgeslagen, MaxNaamLengte)) == naam;
}

void ZetNaam(TNaam& doel, std::string_view naam) {
    std::memset(doel, 0, sizeof(TNaam));
    std::memcpy(doel, naam.data(), std::min(naam.size(), static_cast<std::size_t>(MaxNaamLengte)));
}

std::optional<std::string> VraagNaamVoorOpslag(TDialogen& dialogen, const std::string& titel,
                                               const std::string& prompt,
                                               const std::function<bool(std::string_view)>& bezet,
                                               const char* bezetTekst, Resultaat& uit) {
    const std::string tekst = dialogen.VraagNaam(titel, prompt);
    if (tekst.empty()) {
        uit = Resultaat::Niets();
        return std::nullopt;
    }
    std::string naam = KnipNaam(tekst);
    if (auto fout = NaamFout(naam)) {
        uit = Resultaat::Geweigerd(*fout);
        return std::nullopt;
    }
    if (bezet(naam)) {
        uit = Resultaat::Geweigerd(bezetTekst);
        return std::nullopt;
    }
    return naam;
}
