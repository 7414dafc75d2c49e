// ns per full evaluation of the model at every limit: set the five inputs, FuzzificeerInputs,
// EvalueerRegels, BerekenUitkomst, over the rows of invoer.csv in turn.
#include <benchmark/benchmark.h>
#include <unistd.h>

#include <cstdio>
#include <string>

#include "app/Schrijven.h"
#include "bench/BenchGegevens.h"

namespace {

void VolledigeEvaluatie(benchmark::State& state) {
    TFuzzyModel model = BenchModel();
    model.DefuzzificatieMethode = static_cast<std::int32_t>(state.range(0));
    const auto rijen = BenchRijen(model);
    TInferentieToestand t{};
    const int aantal = KoppelInputs(model, t);
    std::size_t i = 0;
    for (auto _ : state) {
        const auto& rij = rijen[i];
        if (++i == rijen.size()) i = 0;
        for (int k = 0; k < aantal; ++k) ZetInputWaarde(t, k, rij[k]);
        t.ErIsGevuurd = false;
        FuzzificeerInputs(model, t);
        EvalueerRegels(model, t);
        std::int32_t uitkomst = t.ErIsGevuurd ? BerekenUitkomst(model, t) : 0;
        benchmark::DoNotOptimize(uitkomst);
        benchmark::ClobberMemory();
    }
    state.SetItemsProcessed(state.iterations());
}

// The first steps only (1: inputs and degrees, 2: also the rules), to see where the time goes.
void EersteStappen(benchmark::State& state) {
    TFuzzyModel model = BenchModel();
    model.DefuzzificatieMethode = 1;
    const auto rijen = BenchRijen(model);
    TInferentieToestand t{};
    const int aantal = KoppelInputs(model, t);
    const int stappen = static_cast<int>(state.range(0));
    std::size_t i = 0;
    for (auto _ : state) {
        const auto& rij = rijen[i];
        if (++i == rijen.size()) i = 0;
        for (int k = 0; k < aantal; ++k) ZetInputWaarde(t, k, rij[k]);
        t.ErIsGevuurd = false;
        FuzzificeerInputs(model, t);
        if (stappen > 1) EvalueerRegels(model, t);
        benchmark::ClobberMemory();
    }
}

// The project file: the text into the model and the model into text, in memory and with the file
// itself (open, read or write, close), as the workbench's Open and Save do.
void BestandLezen(benchmark::State& state) {
    const std::string pad = WERKBANK_BENCH_MAP "/maximaal.FLB";
    const std::string tekst = LeesHeleBestand(pad);
    const bool metSchijf = state.range(0) != 0;
    TFuzzyModel model{};
    for (auto _ : state) {
        bool gelezen = LeesBestand(model, metSchijf ? LeesHeleBestand(pad) : tekst);
        benchmark::DoNotOptimize(gelezen);
        benchmark::ClobberMemory();
    }
}

void BestandSchrijven(benchmark::State& state) {
    const TFuzzyModel model = BenchModel();
    // 1: a disk file system (ext4 forces a rewritten file out on close), 2: memory (tmpfs).
    const bool metSchijf = state.range(0) != 0;
    const std::string pad = std::string(state.range(0) == 2 ? "/dev/shm" : "/tmp") +
                            "/werkbank-bench-" + std::to_string(::getpid()) + ".FLB";
    for (auto _ : state) {
        std::string tekst = SchrijfBestand(model);
        if (metSchijf) {
            std::FILE* f = std::fopen(pad.c_str(), "wb");
            std::fwrite(tekst.data(), 1, tekst.size(), f);
            std::fclose(f);
        }
        benchmark::DoNotOptimize(tekst);
    }
    std::remove(pad.c_str());
}

// The workbench's own Save: a temporary file beside the target, every write checked, flushed to
// the disk, then renamed over the target. The flush is the price of never losing the old file.
void Opslaan(benchmark::State& state) {
    const TFuzzyModel model = BenchModel();
    const std::string pad = std::string(state.range(0) == 2 ? "/dev/shm" : "/tmp") +
                            "/werkbank-bench-opslaan-" + std::to_string(::getpid()) + ".FLB";
    const TSchrijfFunctie schrijf = [](int fd, const void* data, std::size_t lengte) {
        return ::write(fd, data, lengte);
    };
    for (auto _ : state) {
        const SchrijfFout fout = SchrijfVeilig(pad, SchrijfBestand(model), schrijf, nullptr, nullptr);
        if (fout != SchrijfFout::Geen) state.SkipWithError("save failed");
    }
    std::remove(pad.c_str());
}

}  // namespace

BENCHMARK(Opslaan)->Arg(1)->Arg(2)->ArgName("schijf");
BENCHMARK(BestandLezen)->Arg(0)->Arg(1)->ArgName("schijf");
BENCHMARK(BestandSchrijven)->Arg(0)->Arg(1)->Arg(2)->ArgName("schijf");
BENCHMARK(EersteStappen)->Arg(1)->Arg(2)->ArgName("stappen");
BENCHMARK(VolledigeEvaluatie)->Arg(1)->ArgName("zwaartepunt");
BENCHMARK(VolledigeEvaluatie)->Arg(0)->ArgName("maxima");

BENCHMARK_MAIN();
