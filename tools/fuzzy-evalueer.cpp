// fuzzy-evalueer: evaluates a project file from the shell with the workbench's own core, for one
// set of inputs given as arguments or for a CSV stream of them (one row at a time, so any number
// of rows streams through).
#include <cerrno>
#include <charconv>
#include <cstdio>
#include <cstring>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "app/Bestandsbeheer.h"
#include "inference/Evaluatie.h"
#include "model/Bestand.h"
#include "rules/RegelTekst.h"
#include "tools/Cp1252.h"

namespace {

constexpr int FoutBestand = 1;  // the file cannot be read or is refused
constexpr int FoutInvoer = 2;   // wrong arguments or input values

// A CSV line is one row of at most five numbers; anything this long is not one.
constexpr std::size_t MaxRegellengte = 1 << 16;

struct TFout {
    int code;
    std::string melding;
};

[[noreturn]] void Stop(int code, std::string melding) { throw TFout{code, std::move(melding)}; }

constexpr const char* Gebruik =
    "Gebruik: fuzzy-evalueer BESTAND [NAAM=WAARDE ...] [--methode zwaartepunt|maxima]\n"
    "         fuzzy-evalueer BESTAND --csv [--methode zwaartepunt|maxima]\n"
    "\n"
    "Evalueert het projectbestand BESTAND voor gekozen waarden van de inputvariabelen.\n"
    "Een inputvariabele zonder waarde krijgt het minimum van haar bereik. Zonder\n"
    "--methode geldt de defuzzificatiemethode uit het bestand.\n"
    "\n"
    "  NAAM=WAARDE      een geheel getal binnen het bereik van inputvariabele NAAM\n"
    "  --methode M      zwaartepunt, of maxima (gemiddelde van maxima)\n"
    "  --csv            leest CSV van de standaardinvoer: een kopregel met namen van\n"
    "                   inputvariabelen, dan per regel hun gehele waarden; schrijft\n"
    "                   dezelfde kolommen plus de uitkomst (leeg als geen regel vuurde)\n"
    "  --help           toont deze tekst\n"
    "\n"
    "Uitvoer: per gevuurde regel \"Regel N : ALS ...\", dan \"Uitkomst van variabele\n"
    "NAAM : WAARDE\"; of \"Er heeft geen regel gevuurd\".\n"
    "Afsluitcode: 0 gelukt; 1 bestand niet te lezen of geweigerd; 2 verkeerde\n"
    "argumenten of invoerwaarden.\n";

std::string Aanhalen(std::string_view tekst) { return "'" + std::string(tekst) + "'"; }

// ---- the project ---------------------------------------------------------------------------

std::string Reden(int fout) {
    switch (fout) {
        case ENOENT:
            return "het bestaat niet";
        case EACCES:
            return "geen leesrecht";
        case EISDIR:
            return "het is een map";
        default:
            return "het kan niet worden gelezen";
    }
}

TFuzzyModel LeesProject(const std::string& pad) {
    std::FILE* f = std::fopen(pad.c_str(), "rb");
    if (!f)
        Stop(FoutBestand, "bestand " + Aanhalen(pad) + " kan niet worden geopend: " + Reden(errno));
    std::string tekst;
    char blok[8192];
    std::size_t n;
    while ((n = std::fread(blok, 1, sizeof blok, f)) > 0 && tekst.size() <= MaxBestandsgrootte)
        tekst.append(blok, n);
    const int leesfout = std::ferror(f) ? errno : 0;
    std::fclose(f);
    if (leesfout != 0)
        Stop(FoutBestand,
             "bestand " + Aanhalen(pad) + " kan niet worden gelezen: " + Reden(leesfout));
    if (tekst.size() > MaxBestandsgrootte)
        Stop(FoutBestand, "bestand " + Aanhalen(pad) +
                              " is geweigerd: het is groter dan 1 MiB en dus geen projectbestand");
    TFuzzyModel model{};
    if (!LeesBestand(model, tekst))
        Stop(FoutBestand, "bestand " + Aanhalen(pad) +
                              " is geweigerd: het volgt het formaat van een projectbestand niet");
    if (OutputVariabele(model) < 0)
        Stop(FoutBestand,
             "bestand " + Aanhalen(pad) + " is geweigerd: het model heeft geen outputvariabele");
    return model;
}

std::string Naam(const TNaam& naam) { return Cp1252NaarUtf8({naam, strnlen(naam, MaxNaamLengte)}); }

// The evaluation as the inference window runs it, on the rows bound when the tool started.
class TEvaluator {
  public:
    explicit TEvaluator(TFuzzyModel model) : model_(model), toestand_{} {
        rijen_ = KoppelInputs(model_, toestand_);
        output_ = OutputVariabele(model_);
    }

    void ZetMethode(int methode) { model_.DefuzzificatieMethode = methode; }

    // The row that holds the input named (in UTF-8); a message names the inputs there are.
    int Rij(std::string_view naam, const std::string& plaats) const {
        if (const std::optional<std::string> bytes = Utf8NaarCp1252(naam)) {
            for (int k = 0; k < rijen_; ++k)
                if (*bytes == Variabele(k).Naam) return k;
            if (*bytes == model_.VariabeleLijst[output_].Naam)
                Stop(FoutInvoer, plaats + Aanhalen(naam) +
                                     " is de outputvariabele; alleen inputvariabelen krijgen een "
                                     "waarde");
        }
        std::string bekend;
        for (int k = 0; k < rijen_; ++k) bekend += (k ? ", " : "") + Naam(Variabele(k).Naam);
        Stop(FoutInvoer, plaats + "onbekende inputvariabele " + Aanhalen(naam) +
                             (rijen_ ? "; de inputvariabelen zijn: " + bekend
                                     : "; het model heeft geen inputvariabelen"));
    }

    // A whole integer within the row's range, or a message that says which and why not.
    std::int32_t Waarde(int rij, std::string_view tekst, const std::string& plaats) const {
        std::int32_t waarde = 0;
        const auto [einde, fout] =
            std::from_chars(tekst.data(), tekst.data() + tekst.size(), waarde);
        const std::string naam = Aanhalen(Naam(Variabele(rij).Naam));
        if (fout == std::errc::result_out_of_range)
            Stop(FoutInvoer, plaats + "waarde " + Aanhalen(tekst) + " voor variabele " + naam +
                                 " ligt buiten het bereik " + Bereik(rij));
        if (fout != std::errc{} || einde != tekst.data() + tekst.size() || tekst.empty())
            Stop(FoutInvoer, plaats + "waarde " + Aanhalen(tekst) + " voor variabele " + naam +
                                 " is geen geheel getal");
        const TVariabele& v = Variabele(rij);
        if (waarde < v.Min || waarde > v.Max)
            Stop(FoutInvoer, plaats + "waarde " + std::to_string(waarde) + " voor variabele " +
                                 naam + " ligt buiten het bereik " + Bereik(rij));
        return waarde;
    }

    void Zet(int rij, std::int32_t waarde) { ZetInputWaarde(toestand_, rij, waarde); }

    // True when some rule fired; the outcome is then in `uitkomst`.
    bool Evalueer(std::int32_t& uitkomst) {
        toestand_.ErIsGevuurd = false;
        FuzzificeerInputs(model_, toestand_);
        EvalueerRegels(model_, toestand_);
        if (!toestand_.ErIsGevuurd) return false;
        uitkomst = BerekenUitkomst(model_, toestand_);
        return true;
    }

    const TFuzzyModel& Model() const { return model_; }
    const TInferentieToestand& Toestand() const { return toestand_; }
    int Output() const { return output_; }

  private:
    const TVariabele& Variabele(int rij) const {
        return model_.VariabeleLijst[toestand_.InputRijen[rij].Variabele];
    }
    std::string Bereik(int rij) const {
        return std::to_string(Variabele(rij).Min) + " .. " + std::to_string(Variabele(rij).Max);
    }

    TFuzzyModel model_;
    TInferentieToestand toestand_;
    int rijen_ = 0;
    int output_ = -1;
};

// ---- output --------------------------------------------------------------------------------

class TUitvoer {
  public:
    TUitvoer() { buffer_.reserve(1 << 17); }
    ~TUitvoer() { Leeg(); }

    void Schrijf(std::string_view tekst) {
        buffer_.append(tekst);
        if (buffer_.size() >= (1 << 16)) Leeg();
    }
    void Schrijf(char c) { buffer_.push_back(c); }
    void Schrijf(std::int32_t getal) {
        char tekst[16];
        const auto [einde, fout] = std::to_chars(tekst, tekst + sizeof tekst, getal);
        (void)fout;
        buffer_.append(tekst, einde);
    }
    void Leeg() {
        if (!buffer_.empty() &&
            std::fwrite(buffer_.data(), 1, buffer_.size(), stdout) != buffer_.size())
            mislukt_ = true;
        buffer_.clear();
        if (std::fflush(stdout) != 0) mislukt_ = true;
    }
    bool Mislukt() const { return mislukt_; }

  private:
    std::string buffer_;
    bool mislukt_ = false;
};

// ---- the two modes -------------------------------------------------------------------------

void EenEvaluatie(TEvaluator& ev, const std::vector<std::string>& toewijzingen, TUitvoer& uit) {
    std::vector<bool> gegeven(MaxInputs, false);
    for (const std::string& t : toewijzingen) {
        const std::size_t is = t.rfind('=');
        if (is == std::string::npos)
            Stop(FoutInvoer, Aanhalen(t) + " is geen NAAM=WAARDE (zie --help)");
        const int rij = ev.Rij(std::string_view(t).substr(0, is), "");
        if (gegeven[rij])
            Stop(FoutInvoer,
                 "variabele " + Aanhalen(t.substr(0, is)) + " is meer dan eens gegeven");
        gegeven[rij] = true;
        ev.Zet(rij, ev.Waarde(rij, std::string_view(t).substr(is + 1), ""));
    }
    std::int32_t uitkomst = 0;
    if (!ev.Evalueer(uitkomst)) {
        uit.Schrijf("Er heeft geen regel gevuurd\n");
        return;
    }
    for (int r = 0; r < ev.Model().AantalRegels; ++r) {
        if (!ev.Toestand().RegelResultaten[r].Gevuurd) continue;
        uit.Schrijf("Regel ");
        uit.Schrijf(r + 1);
        uit.Schrijf(" : ");
        uit.Schrijf(Cp1252NaarUtf8(RegelTekst(ev.Model(), r)));
        uit.Schrijf('\n');
    }
    uit.Schrijf("Uitkomst van variabele ");
    uit.Schrijf(Naam(ev.Model().VariabeleLijst[ev.Output()].Naam));
    uit.Schrijf(" : ");
    uit.Schrijf(uitkomst);
    uit.Schrijf('\n');
}

// Hands out the lines of standard input one by one, LF or CR LF, without keeping earlier ones.
class TRegels {
  public:
    bool Volgende(std::string_view& regel) {
        for (;;) {
            const char* begin = buffer_.data() + pos_;
            const char* eind = buffer_.data() + buffer_.size();
            if (const void* lf = std::memchr(begin, '\n', static_cast<std::size_t>(eind - begin))) {
                const char* l = static_cast<const char*>(lf);
                regel = std::string_view(begin, static_cast<std::size_t>(l - begin));
                pos_ += regel.size() + 1;
                return Klaar(regel);
            }
            if (klaar_) {
                if (begin == eind) return false;
                regel = std::string_view(begin, static_cast<std::size_t>(eind - begin));
                pos_ = buffer_.size();
                return Klaar(regel);
            }
            buffer_.erase(0, pos_);
            pos_ = 0;
            if (buffer_.size() > MaxRegellengte)
                Stop(FoutInvoer, "CSV-regel " + std::to_string(nummer_ + 1) + " is te lang");
            const std::size_t oud = buffer_.size();
            buffer_.resize(oud + (1 << 16));
            const std::size_t n = std::fread(buffer_.data() + oud, 1, 1 << 16, stdin);
            buffer_.resize(oud + n);
            if (n == 0) {
                if (std::ferror(stdin))
                    Stop(FoutInvoer, "de standaardinvoer kan niet worden gelezen");
                klaar_ = true;
            }
        }
    }
    long Nummer() const { return nummer_; }

  private:
    bool Klaar(std::string_view& regel) {
        ++nummer_;
        if (!regel.empty() && regel.back() == '\r') regel.remove_suffix(1);
        if (regel.size() > MaxRegellengte)
            Stop(FoutInvoer, "CSV-regel " + std::to_string(nummer_) + " is te lang");
        return true;
    }

    std::string buffer_;
    std::size_t pos_ = 0;
    bool klaar_ = false;
    long nummer_ = 0;
};

std::string_view ZonderWit(std::string_view s) {
    while (!s.empty() && (s.front() == ' ' || s.front() == '\t')) s.remove_prefix(1);
    while (!s.empty() && (s.back() == ' ' || s.back() == '\t')) s.remove_suffix(1);
    return s;
}

void CsvEvaluaties(TEvaluator& ev, TUitvoer& uit) {
    TRegels regels;
    std::string_view regel;
    if (!regels.Volgende(regel)) Stop(FoutInvoer, "geen CSV-kopregel op de standaardinvoer");
    if (regel.substr(0, 3) == "\xEF\xBB\xBF") regel.remove_prefix(3);

    std::vector<int> kolommen;  // the input row of each column
    std::vector<std::string> namen;
    std::vector<bool> gezien(MaxInputs, false);
    if (!regel.empty()) {
        for (std::size_t begin = 0;;) {
            const std::size_t komma = regel.find(',', begin);
            const std::string_view naam = regel.substr(begin, komma - begin);
            const int rij = ev.Rij(naam, "CSV-regel 1: ");
            if (gezien[rij])
                Stop(FoutInvoer, "CSV-regel 1: kolom " + Aanhalen(naam) + " komt twee keer voor");
            gezien[rij] = true;
            kolommen.push_back(rij);
            namen.emplace_back(naam);
            if (komma == std::string_view::npos) break;
            begin = komma + 1;
        }
    }
    uit.Schrijf(regel);
    if (!regel.empty()) uit.Schrijf(',');
    uit.Schrijf(Naam(ev.Model().VariabeleLijst[ev.Output()].Naam));
    uit.Schrijf('\n');

    const std::size_t aantal = kolommen.size();
    std::int32_t waarden[MaxInputs];
    while (regels.Volgende(regel)) {
        if (regel.empty()) continue;
        std::size_t k = 0, begin = 0;
        for (;; ++k) {
            const std::size_t komma = regel.find(',', begin);
            if (k < aantal) {
                std::string_view veld = ZonderWit(regel.substr(begin, komma - begin));
                std::int32_t w = 0;
                const auto [einde, fout] =
                    std::from_chars(veld.data(), veld.data() + veld.size(), w);
                const int rij = kolommen[k];
                // The common case without building a message; anything odd gets the full check.
                if (fout == std::errc{} && einde == veld.data() + veld.size() && !veld.empty() &&
                    w >= ev.Model().VariabeleLijst[ev.Toestand().InputRijen[rij].Variabele].Min &&
                    w <= ev.Model().VariabeleLijst[ev.Toestand().InputRijen[rij].Variabele].Max)
                    waarden[k] = w;
                else
                    waarden[k] =
                        ev.Waarde(rij, veld, "CSV-regel " + std::to_string(regels.Nummer()) + ": ");
            }
            if (komma == std::string_view::npos) break;
            begin = komma + 1;
        }
        if (k + 1 != aantal)
            Stop(FoutInvoer, "CSV-regel " + std::to_string(regels.Nummer()) + ": " +
                                 std::to_string(k + 1) + " waarden, verwacht " +
                                 std::to_string(aantal) + " (een per kolom van de kopregel)");
        for (std::size_t i = 0; i < aantal; ++i) {
            ev.Zet(kolommen[i], waarden[i]);
            uit.Schrijf(waarden[i]);
            uit.Schrijf(',');
        }
        std::int32_t uitkomst = 0;
        if (ev.Evalueer(uitkomst)) uit.Schrijf(uitkomst);
        uit.Schrijf('\n');
    }
}

int Start(int argc, char** argv, TUitvoer& uit) {
    std::optional<std::string> bestand;
    std::optional<int> methode;
    bool csv = false, naOpties = false;
    std::vector<std::string> toewijzingen;
    for (int i = 1; i < argc; ++i) {
        const std::string arg = argv[i];
        if (!naOpties && arg == "--") {
            naOpties = true;
        } else if (!naOpties && (arg == "--help" || arg == "-h")) {
            uit.Schrijf(Gebruik);
            return 0;
        } else if (!naOpties && arg == "--csv") {
            csv = true;
        } else if (!naOpties && (arg == "--methode" || arg.rfind("--methode=", 0) == 0)) {
            std::string m;
            if (arg == "--methode") {
                if (i + 1 >= argc) Stop(FoutInvoer, "--methode verwacht zwaartepunt of maxima");
                m = argv[++i];
            } else {
                m = arg.substr(std::strlen("--methode="));
            }
            if (m == "zwaartepunt")
                methode = 1;
            else if (m == "maxima")
                methode = 0;
            else
                Stop(FoutInvoer,
                     "onbekende methode " + Aanhalen(m) + "; kies zwaartepunt of maxima");
        } else if (!naOpties && arg.size() > 1 && arg[0] == '-') {
            Stop(FoutInvoer, "onbekende optie " + Aanhalen(arg) + " (zie --help)");
        } else if (!bestand) {
            bestand = arg;
        } else {
            if (arg.find('=') == std::string::npos)
                Stop(FoutInvoer, Aanhalen(arg) + " is geen NAAM=WAARDE (zie --help)");
            toewijzingen.push_back(arg);
        }
    }
    if (!bestand) Stop(FoutInvoer, "geen bestand gegeven (zie --help)");
    if (csv && !toewijzingen.empty())
        Stop(FoutInvoer, "met --csv komen de waarden van de standaardinvoer, niet uit NAAM=WAARDE");

    TEvaluator ev(LeesProject(*bestand));
    if (methode) ev.ZetMethode(*methode);
    if (csv)
        CsvEvaluaties(ev, uit);
    else
        EenEvaluatie(ev, toewijzingen, uit);
    return 0;
}

}  // namespace

int main(int argc, char** argv) {
    int code = 0;
    {
        TUitvoer uit;
        try {
            code = Start(argc, argv, uit);
        } catch (const TFout& fout) {
            // What was evaluated before the fault stays on standard output.
            uit.Leeg();
            std::fprintf(stderr, "fuzzy-evalueer: %s\n", fout.melding.c_str());
            code = fout.code;
        } catch (const std::exception& fout) {
            uit.Leeg();
            std::fprintf(stderr, "fuzzy-evalueer: interne fout: %s\n", fout.what());
            code = FoutBestand;
        }
        uit.Leeg();
        if (uit.Mislukt() && code == 0) {
            std::fprintf(stderr,
                         "fuzzy-evalueer: de standaarduitvoer kan niet worden geschreven\n");
            code = FoutBestand;
        }
    }
    return code;
}
