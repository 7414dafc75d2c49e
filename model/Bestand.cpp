#include "model/Bestand.h"

#include <charconv>
#include <cstdint>
#include <cstring>
#include <limits>

namespace {

void VoegGetalToe(std::string& uit, std::int64_t waarde) {
    char buffer[24];
    auto [einde, fout] = std::to_chars(buffer, buffer + sizeof buffer, waarde);
    (void)fout;
    uit.append(buffer, einde);
}

void VoegNaamToe(std::string& uit, const TNaam& naam) {
    uit.append(naam, strnlen(naam, MaxNaamLengte));
}

// Reads the text from its front, field by field, as the C reader of the format did: a number may
// carry leading white space and a sign, fields are separated by exactly one comma.
class TLezer {
  public:
    explicit TLezer(std::string_view tekst) : tekst_(tekst) {}

    bool Getal(std::int32_t& waarde) {
        std::size_t p = pos_;
        while (p < tekst_.size() && IsWit(tekst_[p])) ++p;
        bool negatief = false;
        if (p < tekst_.size() && (tekst_[p] == '+' || tekst_[p] == '-')) {
            negatief = tekst_[p] == '-';
            ++p;
        }
        const std::size_t begin = p;
        std::int64_t som = 0;
        while (p < tekst_.size() && tekst_[p] >= '0' && tekst_[p] <= '9') {
            som = som * 10 + (tekst_[p] - '0');
            if (som > std::int64_t{std::numeric_limits<std::int32_t>::max()} + 1) return false;
            ++p;
        }
        if (p == begin) return false;
        if (negatief) som = -som;
        if (som > std::numeric_limits<std::int32_t>::max()) return false;
        waarde = static_cast<std::int32_t>(som);
        pos_ = p;
        return true;
    }

    bool Getal8(std::int8_t& waarde) {
        std::int32_t breed = 0;
        if (!Getal(breed)) return false;
        // An 8-bit field keeps the low byte, as the original reader's store did: 200 reads as -56.
        waarde = static_cast<std::int8_t>(static_cast<std::uint8_t>(breed & 0xFF));
        return true;
    }

    bool Komma() {
        if (pos_ >= tekst_.size() || tekst_[pos_] != ',') return false;
        ++pos_;
        return true;
    }

    // A name runs to the next comma, which ends it and is consumed.
    bool Naam(TNaam& naam) {
        const std::size_t komma = tekst_.find(',', pos_);
        if (komma == std::string_view::npos) return false;
        const std::size_t lengte = komma - pos_;
        if (lengte > static_cast<std::size_t>(MaxNaamLengte)) return false;
        for (std::size_t i = pos_; i < komma; ++i) {
            const unsigned char c = static_cast<unsigned char>(tekst_[i]);
            if (c < 0x20 || c == 0x7F) return false;
        }
        std::memset(naam, 0, sizeof(TNaam));
        std::memcpy(naam, tekst_.data() + pos_, lengte);
        pos_ = komma + 1;
        return true;
    }

    bool AlleenWitOver() const {
        for (std::size_t p = pos_; p < tekst_.size(); ++p)
            if (!IsWit(tekst_[p])) return false;
        return true;
    }

  private:
    static bool IsWit(char c) {
        return c == ' ' || c == '\t' || c == '\n' || c == '\v' || c == '\f' || c == '\r';
    }

    std::string_view tekst_;
    std::size_t pos_ = 0;
};

bool LeesVariabele(TLezer& lezer, TVariabele& v) {
    if (!lezer.Naam(v.Naam)) return false;
    if (!(lezer.Getal8(v.IsOutput) && lezer.Komma() && lezer.Getal(v.Min) && lezer.Komma() &&
          lezer.Getal(v.Max) && lezer.Komma() && lezer.Getal(v.AantalLabels) && lezer.Komma() &&
          lezer.Getal8(v.Reserve)))
        return false;
    if (v.AantalLabels < 0 || v.AantalLabels > MaxLabels) return false;
    for (int l = 0; l < v.AantalLabels; ++l) {
        TFuzzyLabel& label = v.Labels[l];
        if (!(lezer.Komma() && lezer.Naam(label.Naam) && lezer.Getal(label.A) && lezer.Komma() &&
              lezer.Getal(label.B) && lezer.Komma() && lezer.Getal(label.C) && lezer.Komma() &&
              lezer.Getal(label.D)))
            return false;
    }
    return true;
}

bool LeesRegel(TLezer& lezer, TRegel& r) {
    if (!lezer.Getal(r.AantalTermen)) return false;
    if (r.AantalTermen < 0 || r.AantalTermen > MaxTermen) return false;
    for (int t = 0; t < r.AantalTermen; ++t) {
        TRegelTerm& term = r.Termen[t];
        if (!(lezer.Komma() && lezer.Getal(term.Variabele) && lezer.Komma() &&
              lezer.Getal(term.Label) && lezer.Komma() && lezer.Getal8(term.Koppel)))
            return false;
    }
    return true;
}

bool Lees(TFuzzyModel& m, TLezer& lezer) {
    if (lezer.AlleenWitOver()) {
        m.Reserve1 = m.AantalInputs = m.AantalOutputs = m.AantalRegels = 0;
        m.ImplicatieMethode = m.Reserve2 = m.DefuzzificatieMethode = 0;
        m.AantalVariabelen = 0;
        return true;
    }
    if (!(lezer.Getal(m.Reserve1) && lezer.Komma() && lezer.Getal(m.AantalInputs) &&
          lezer.Komma() && lezer.Getal(m.AantalOutputs) && lezer.Komma() &&
          lezer.Getal(m.AantalRegels) && lezer.Komma() && lezer.Getal(m.ImplicatieMethode) &&
          lezer.Komma() && lezer.Getal(m.Reserve2) && lezer.Komma() &&
          lezer.Getal(m.DefuzzificatieMethode)))
        return false;
    if (m.AantalInputs < 0 || m.AantalInputs > MaxInputs || m.AantalOutputs < 0 ||
        m.AantalOutputs > MaxOutputs || m.AantalRegels < 0 || m.AantalRegels > MaxRegels)
        return false;
    m.AantalVariabelen = m.AantalInputs + m.AantalOutputs;
    for (int v = 0; v < m.AantalVariabelen; ++v)
        if (!(lezer.Komma() && LeesVariabele(lezer, m.VariabeleLijst[v]))) return false;
    for (int r = 0; r < m.AantalRegels; ++r)
        if (!(lezer.Komma() && LeesRegel(lezer, m.RegelLijst[r]))) return false;
    return lezer.AlleenWitOver();
}

}  // namespace

std::string SchrijfBestand(const TFuzzyModel& m) {
    std::string uit;
    uit.reserve(1024);
    const std::int32_t kop[] = {
        m.Reserve1,          m.AantalInputs, m.AantalOutputs,        m.AantalRegels,
        m.ImplicatieMethode, m.Reserve2,     m.DefuzzificatieMethode};
    for (std::size_t i = 0; i < std::size(kop); ++i) {
        if (i > 0) uit += ',';
        VoegGetalToe(uit, kop[i]);
    }
    for (int v = 0; v < m.AantalVariabelen; ++v) {
        const TVariabele& var = m.VariabeleLijst[v];
        uit += ',';
        VoegNaamToe(uit, var.Naam);
        for (std::int32_t getal : {std::int32_t{var.IsOutput}, var.Min, var.Max, var.AantalLabels,
                                   std::int32_t{var.Reserve}}) {
            uit += ',';
            VoegGetalToe(uit, getal);
        }
        for (int l = 0; l < var.AantalLabels; ++l) {
            const TFuzzyLabel& label = var.Labels[l];
            uit += ',';
            VoegNaamToe(uit, label.Naam);
            for (std::int32_t getal : {label.A, label.B, label.C, label.D}) {
                uit += ',';
                VoegGetalToe(uit, getal);
            }
        }
    }
    for (int r = 0; r < m.AantalRegels; ++r) {
        const TRegel& regel = m.RegelLijst[r];
        uit += ',';
        VoegGetalToe(uit, regel.AantalTermen);
        for (int t = 0; t < regel.AantalTermen; ++t) {
            const TRegelTerm& term = regel.Termen[t];
            for (std::int32_t getal : {term.Variabele, term.Label, std::int32_t{term.Koppel}}) {
                uit += ',';
                VoegGetalToe(uit, getal);
            }
        }
    }
    return uit;
}

bool LeesBestand(TFuzzyModel& model, std::string_view tekst) {
    TFuzzyModel kopie = model;
    TLezer lezer(tekst);
    if (!Lees(kopie, lezer)) return false;
    model = kopie;
    return true;
}
