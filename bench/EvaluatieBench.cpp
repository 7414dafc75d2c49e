// ns per full evaluation of the model at every limit: set the five inputs, FuzzificeerInputs,
// EvalueerRegels, BerekenUitkomst, over the rows of invoer.csv in turn.
#include <benchmark/benchmark.h>

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

}  // namespace

BENCHMARK(EersteStappen)->Arg(1)->Arg(2)->ArgName("stappen");
BENCHMARK(VolledigeEvaluatie)->Arg(1)->ArgName("zwaartepunt");
BENCHMARK(VolledigeEvaluatie)->Arg(0)->ArgName("maxima");

BENCHMARK_MAIN();
