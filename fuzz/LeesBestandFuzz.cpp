// libFuzzer entry for the project-file reader: every input is a project text. The same checks as
// the fuzzed reader test: a refused text leaves the model untouched to the last byte; an accepted
// one gives counts within the limits, writes and reads back to the same text, and can be evaluated.
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string_view>

#include "model/Bestand.h"
#include "robuustheid/Controle.h"
#include "support/MaakModel.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    // From the all-zero model and from one whose every byte is a sentinel, so that a write past
    // the text's own entries or a partial read shows.
    static const TFuzzyModel schildwacht = SchildwachtModel();
    const std::string_view tekst(reinterpret_cast<const char*>(data), size);
    for (const TFuzzyModel& begin : {TFuzzyModel{}, schildwacht}) {
        TFuzzyModel model = begin;
        const bool gelezen = LeesBestand(model, tekst);
        const std::string fout = robuust::ControleerLezing(begin, model, gelezen);
        if (!fout.empty()) {
            std::fprintf(stderr, "LeesBestand: %s\n", fout.c_str());
            std::abort();
        }
    }
    return 0;
}
