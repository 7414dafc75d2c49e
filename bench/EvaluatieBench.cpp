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

// The three steps on their own, to see where the time goes.
void Stap(benchmark::State& state) {
    TFuzzyModel model = BenchModel();
    model.DefuzzificatieMethode = 1;
    const auto rijen = BenchRijen(model);
    TInferentieToestand t{};
    const int aantal = KoppelInputs(model, t);
    // Evaluations of every row, so the later steps see real inputs.
    std::vector<TInferentieToestand> toestanden(rijen.size(), t);
    for (std::size_t i = 0; i < rijen.size(); ++i) {
        for (int k = 0; k < aantal; ++k) ZetInputWaarde(toestanden[i], k, rijen[i][k]);
        FuzzificeerInputs(model, toestanden[i]);
        EvalueerRegels(model, toestanden[i]);
    }
    std::size_t i = 0;
    const int stap = static_cast<int>(state.range(0));
    for (auto _ : state) {
        TInferentieToestand& ti = toestanden[i];
        if (++i == rijen.size()) i = 0;
        if (stap == 0) FuzzificeerInputs(model, ti);
        if (stap == 1) EvalueerRegels(model, ti);
        if (stap == 2) {
            std::int32_t u = BerekenUitkomst(model, ti);
            benchmark::DoNotOptimize(u);
        }
        benchmark::ClobberMemory();
    }
}

}  // namespace

BENCHMARK(Stap)->Arg(0)->Arg(1)->Arg(2)->ArgName("stap");
BENCHMARK(VolledigeEvaluatie)->Arg(1)->ArgName("zwaartepunt");
BENCHMARK(VolledigeEvaluatie)->Arg(0)->ArgName("maxima");

BENCHMARK_MAIN();
