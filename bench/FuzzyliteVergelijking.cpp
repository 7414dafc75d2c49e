// The workbench's engine beside fuzzylite on the same rule base and the same rows, in one run:
// rounds that alternate the engines, ns per evaluation for each (median and min-max over the
// rounds) and the ratio, and how far the outcomes lie apart. fuzzylite integrates the aggregated
// set on a grid (Centroid) or searches it (MeanOfMaximum); the workbench averages vertex
// positions. They are different methods, so their outcomes differ by design.
//
//   fuzzylite_vergelijking [--rondes N] [--rijen N] [--fll BESTAND] [--fld BESTAND]
//
// --fll writes the rule base as an FLL file and --fld the first row as an FLD file, so that the
// fuzzylite program can evaluate the same thing once as a whole process.
#include <fl/Headers.h>

#include <algorithm>
#include <chrono>
#include <cmath>
#include <cstdio>
#include <cstring>
#include <ctime>
#include <fstream>
#include <memory>
#include <string>
#include <vector>

#include "bench/BenchGegevens.h"

namespace {

// The thread's CPU time: on a shared machine, time spent waiting for a core is no engine's cost.
struct Klok {
    using duration = std::chrono::nanoseconds;
    using time_point = std::chrono::time_point<Klok, duration>;
    static time_point now() {
        timespec t;
        clock_gettime(CLOCK_THREAD_CPUTIME_ID, &t);
        return time_point(duration(std::int64_t{t.tv_sec} * 1'000'000'000 + t.tv_nsec));
    }
};

std::string VarNaam(int v) { return "v" + std::to_string(v); }
std::string TermNaam(int l) { return "t" + std::to_string(l); }

// The same variables, trapezoids and rules, with the operators that match the workbench's:
// minimum for the conditions and the implication, maximum for the aggregation.
std::unique_ptr<fl::Engine> MaakEngine(const TFuzzyModel& model, const TInferentieToestand& t,
                                       bool centroid) {
    auto engine = std::make_unique<fl::Engine>("maximaal");
    for (int k = 0; k < t.AantalRijen; ++k) {
        const int v = t.InputRijen[k].Variabele;
        const TVariabele& var = model.VariabeleLijst[v];
        auto* in = new fl::InputVariable(VarNaam(v), var.Min, var.Max);
        for (int l = 0; l < var.AantalLabels; ++l) {
            const TFuzzyLabel& lab = var.Labels[l];
            in->addTerm(new fl::Trapezoid(TermNaam(l), lab.A, lab.B, lab.C, lab.D));
        }
        engine->addInputVariable(in);
    }
    const int o = OutputVariabele(model);
    const TVariabele& uit = model.VariabeleLijst[o];
    auto* out = new fl::OutputVariable(VarNaam(o), uit.Min, uit.Max);
    for (int l = 0; l < uit.AantalLabels; ++l) {
        const TFuzzyLabel& lab = uit.Labels[l];
        out->addTerm(new fl::Trapezoid(TermNaam(l), lab.A, lab.B, lab.C, lab.D));
    }
    out->setAggregation(new fl::Maximum);
    if (centroid)
        out->setDefuzzifier(new fl::Centroid);  // the default resolution
    else
        out->setDefuzzifier(new fl::MeanOfMaximum);
    out->setDefaultValue(fl::nan);
    engine->addOutputVariable(out);

    auto* regels = new fl::RuleBlock("regels");
    regels->setConjunction(new fl::Minimum);
    regels->setImplication(new fl::Minimum);
    regels->setActivation(new fl::General);
    for (int r = 0; r < model.AantalRegels; ++r) {
        const TRegel& regel = model.RegelLijst[r];
        std::string tekst = "if ";
        for (int i = 0; i + 1 < regel.AantalTermen; ++i) {
            const TRegelTerm& term = regel.Termen[i];
            tekst += (i ? " and " : "") + VarNaam(term.Variabele) + " is " + TermNaam(term.Label);
        }
        const TRegelTerm& c = regel.Termen[regel.AantalTermen - 1];
        tekst += " then " + VarNaam(c.Variabele) + " is " + TermNaam(c.Label);
        regels->addRule(fl::Rule::parse(tekst, engine.get()));
    }
    engine->addRuleBlock(regels);
    std::string status;
    if (!engine->isReady(&status))
        throw std::runtime_error("fuzzylite-engine niet klaar: " + status);
    return engine;
}

struct TMeting {
    std::vector<double> ns;  // per round
    void Voeg(double waarde) { ns.push_back(waarde); }
    double Mediaan() const {
        std::vector<double> s = ns;
        std::sort(s.begin(), s.end());
        const std::size_t n = s.size();
        return n % 2 ? s[n / 2] : (s[n / 2 - 1] + s[n / 2]) / 2;
    }
    double Min() const { return *std::min_element(ns.begin(), ns.end()); }
    double Max() const { return *std::max_element(ns.begin(), ns.end()); }
};

}  // namespace

int main(int argc, char** argv) {
    int rondes = 15;
    std::size_t maxRijen = 0;
    std::string fll, fld;
    for (int i = 1; i + 1 < argc; i += 2) {
        if (!std::strcmp(argv[i], "--rondes"))
            rondes = std::max(1, std::atoi(argv[i + 1]));
        else if (!std::strcmp(argv[i], "--rijen"))
            maxRijen = std::strtoul(argv[i + 1], nullptr, 10);
        else if (!std::strcmp(argv[i], "--fll"))
            fll = argv[i + 1];
        else if (!std::strcmp(argv[i], "--fld"))
            fld = argv[i + 1];
    }
    TFuzzyModel model = BenchModel();
    auto rijen = BenchRijen(model);
    if (maxRijen > 0 && maxRijen < rijen.size()) rijen.resize(maxRijen);
    TInferentieToestand t{};
    const int aantal = KoppelInputs(model, t);

    auto zwaartepunt = MaakEngine(model, t, true);
    auto maxima = MaakEngine(model, t, false);
    if (!fll.empty()) std::ofstream(fll) << fl::FllExporter().toString(zwaartepunt.get()) << "\n";
    if (!fld.empty()) {
        std::ofstream uit(fld);
        for (int k = 0; k < aantal; ++k)
            uit << (k ? " " : "") << VarNaam(t.InputRijen[k].Variabele);
        uit << "\n";
        for (int k = 0; k < aantal; ++k) uit << (k ? " " : "") << rijen[0][k];
        uit << "\n";
    }

    // Outcomes of both engines on every row, and how far apart they lie.
    std::vector<double> eigen[2], ander[2];
    for (int methode = 0; methode < 2; ++methode) {
        model.DefuzzificatieMethode = methode;
        fl::Engine* e = methode == 1 ? zwaartepunt.get() : maxima.get();
        for (const auto& rij : rijen) {
            for (int k = 0; k < aantal; ++k) {
                ZetInputWaarde(t, k, rij[k]);
                e->getInputVariable(k)->setValue(rij[k]);
            }
            t.ErIsGevuurd = false;
            FuzzificeerInputs(model, t);
            EvalueerRegels(model, t);
            eigen[methode].push_back(t.ErIsGevuurd ? BerekenUitkomst(model, t) : fl::nan);
            e->process();
            ander[methode].push_back(e->getOutputVariable(0)->getValue());
        }
    }

    // Rounds: the workbench, then fuzzylite, on the same rows, per method.
    TMeting meting[2][2];  // [method][0 workbench, 1 fuzzylite]
    volatile double put = 0;
    for (int ronde = 0; ronde < rondes; ++ronde) {
        for (int methode : {1, 0}) {
            model.DefuzzificatieMethode = methode;
            // Enough repetitions of the rows that a round of the fast engine lasts some ms.
            const int herhaal = std::max<int>(1, static_cast<int>(200000 / rijen.size()));
            auto begin = Klok::now();
            std::int64_t som = 0;
            for (int h = 0; h < herhaal; ++h)
                for (const auto& rij : rijen) {
                    for (int k = 0; k < aantal; ++k) ZetInputWaarde(t, k, rij[k]);
                    t.ErIsGevuurd = false;
                    FuzzificeerInputs(model, t);
                    EvalueerRegels(model, t);
                    if (t.ErIsGevuurd) som += BerekenUitkomst(model, t);
                }
            auto eind = Klok::now();
            put = put + static_cast<double>(som);
            meting[methode][0].Voeg(std::chrono::duration<double, std::nano>(eind - begin).count() /
                                    (static_cast<double>(herhaal) * rijen.size()));

            fl::Engine* e = methode == 1 ? zwaartepunt.get() : maxima.get();
            begin = Klok::now();
            double fsom = 0;
            for (const auto& rij : rijen) {
                for (int k = 0; k < aantal; ++k) e->getInputVariable(k)->setValue(rij[k]);
                e->process();
                fsom += e->getOutputVariable(0)->getValue();
            }
            eind = Klok::now();
            put = put + fsom;
            meting[methode][1].Voeg(std::chrono::duration<double, std::nano>(eind - begin).count() /
                                    rijen.size());
        }
    }

    std::printf("rijen %zu\nrondes %d\nresolutie %d\n", rijen.size(), rondes,
                fl::IntegralDefuzzifier::defaultResolution());
    const char* naam[2] = {"maxima", "zwaartepunt"};
    const char* flnaam[2] = {"MeanOfMaximum", "Centroid"};
    for (int methode : {1, 0}) {
        const TMeting& w = meting[methode][0];
        const TMeting& f = meting[methode][1];
        std::vector<double> verhouding;
        for (std::size_t i = 0; i < w.ns.size(); ++i) verhouding.push_back(f.ns[i] / w.ns[i]);
        TMeting v{verhouding};
        std::printf("werkbank_%s_ns %.1f %.1f %.1f\n", naam[methode], w.Mediaan(), w.Min(),
                    w.Max());
        std::printf("fuzzylite_%s_ns %.1f %.1f %.1f\n", flnaam[methode], f.Mediaan(), f.Min(),
                    f.Max());
        std::printf("verhouding_%s %.1f %.1f %.1f\n", naam[methode], v.Mediaan(), v.Min(), v.Max());

        // Outcomes: the workbench truncates to a whole number; fuzzylite keeps the fraction.
        int beide = 0, alleenEigen = 0, alleenAnder = 0, geen = 0;
        double somVerschil = 0, maxVerschil = 0;
        std::vector<double> verschillen;
        for (std::size_t i = 0; i < rijen.size(); ++i) {
            const bool e = !std::isnan(eigen[methode][i]), a = !std::isnan(ander[methode][i]);
            if (e && a) {
                ++beide;
                const double d = std::fabs(eigen[methode][i] - ander[methode][i]);
                verschillen.push_back(d);
                somVerschil += d;
                maxVerschil = std::max(maxVerschil, d);
            } else if (e) {
                ++alleenEigen;
            } else if (a) {
                ++alleenAnder;
            } else {
                ++geen;
            }
        }
        std::sort(verschillen.begin(), verschillen.end());
        const double mediaan = verschillen.empty() ? 0 : verschillen[verschillen.size() / 2];
        std::printf(
            "verschil_%s beide %d alleen_werkbank %d alleen_fuzzylite %d geen %d "
            "gemiddeld %.2f mediaan %.2f max %.2f\n",
            naam[methode], beide, alleenEigen, alleenAnder, geen, beide ? somVerschil / beide : 0.0,
            mediaan, maxVerschil);
    }
    return put == -1 ? 1 : 0;
}
