// The outcome of an editor operation: it changed the model, did nothing (no name given, nothing to
// do), or was refused with messages that the window shows one by one, in order.
#pragma once

#include <string>
#include <vector>

enum class Uitkomst { Gewijzigd, Niets, Geweigerd };

struct Resultaat {
    Uitkomst uitkomst = Uitkomst::Niets;
    std::vector<std::string> meldingen;

    static Resultaat Gewijzigd() { return {Uitkomst::Gewijzigd, {}}; }
    static Resultaat Niets() { return {Uitkomst::Niets, {}}; }
    static Resultaat Geweigerd(std::string melding) {
        return {Uitkomst::Geweigerd, {std::move(melding)}};
    }
};
