// The engine is written for speed (branch-free degrees, the rows looked up once per evaluation).
// This test holds it against the arithmetic written out step by step, on many random models that
// include points out of order, vertical flanks, negative and very wide universes and terms that
// name nothing, and demands the same bits. It also checks that an evaluation never allocates.
#include <gtest/gtest.h>

#include <algorithm>
#include <atomic>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <new>
#include <random>

#include "inference/Evaluatie.h"
#include "support/MaakModel.h"

namespace {
std::atomic<long> toewijzingen{0};
}

void* operator new(std::size_t n) {
    ++toewijzingen;
    if (void* p = std::malloc(n ? n : 1)) return p;
    throw std::bad_alloc();
}
void operator delete(void* p) noexcept { std::free(p); }
void operator delete(void* p, std::size_t) noexcept { std::free(p); }

namespace {

// ----- the reference: each step as it is described -------------------------------------------

std::int32_t RefGraad(const TFuzzyLabel& l, std::int32_t waarde) {
    const std::int64_t x = waarde, a = l.A, b = l.B, c = l.C, d = l.D;
    std::int64_t g = 0;
    if (x <= a) g = 0;
    if (a < x && x <= b) g = (x - a) * 100 / (b - a);
    if (b < x && x <= c) g = 100;
    if (c < x && x <= d) g = (d - x) * 100 / (d - c);
    if (x > d) g = 0;
    return static_cast<std::int32_t>(g);
}

struct TRef {
    std::int32_t graad[MaxInputs][MaxLabels];
    TRegelResultaat res[MaxRegels];
    bool erIsGevuurd;
    std::int32_t uitkomst[2];  // mean of maxima, centre of gravity
};

TRef Referentie(const TFuzzyModel& m, const TInputRij* rijen, int aantalRijen) {
    TRef ref{};
    for (int k = 0; k < aantalRijen; ++k) {
        const TVariabele& v = m.VariabeleLijst[rijen[k].Variabele];
        for (int j = 0; j < v.AantalLabels; ++j)
            ref.graad[k][j] = RefGraad(v.Labels[j], rijen[k].Waarde);
    }
    for (int r = 0; r < m.AantalRegels; ++r) {
        const TRegel& regel = m.RegelLijst[r];
        const int n = regel.AantalTermen;
        if (n <= 0) continue;
        std::int32_t mu100 = 100;
        for (int i = 0; i < n - 1; ++i) {
            const TRegelTerm& t = regel.Termen[i];
            int rij = -1;
            for (int k = 0; k < aantalRijen; ++k)
                if (rijen[k].Variabele == t.Variabele) rij = k;
            std::int32_t g = 0;
            if (rij >= 0 && t.Label >= 0 && t.Label < m.VariabeleLijst[t.Variabele].AantalLabels)
                g = ref.graad[rij][t.Label];
            if (g < mu100) mu100 = g;
        }
        const TRegelTerm& c = regel.Termen[n - 1];
        if (c.Variabele < 0 || c.Variabele >= m.AantalVariabelen) continue;
        const TVariabele& ov = m.VariabeleLijst[c.Variabele];
        if (c.Label < 0 || c.Label >= ov.AantalLabels) continue;
        const TFuzzyLabel& l = ov.Labels[c.Label];
        const double mu = mu100 * 0.01;
        TRegelResultaat& uit = ref.res[r];
        uit.Punten[0] = {double(l.A), 0};
        uit.Punten[1] = {l.A + mu * double(std::int64_t{l.B} - l.A), mu};
        uit.Punten[2] = {l.B + mu * double(std::int64_t{l.C} - l.B), mu};
        uit.Punten[3] = {l.C + ((100 - mu100) * 0.01) * double(std::int64_t{l.D} - l.C), mu};
        uit.Punten[4] = {double(l.D), 0};
        uit.Gevuurd = mu100 > 0;
        if (uit.Gevuurd) ref.erIsGevuurd = true;
    }
    double S1 = 0, S2 = 0, Mx = 0, Sm = 0;
    std::int32_t Cnt = 0;
    for (int r = 0; r < m.AantalRegels; ++r) {
        if (!ref.res[r].Gevuurd) continue;
        const TPunt* p = ref.res[r].Punten;
        const double mu = p[2].Y;
        const double c = (p[0].X + p[1].X + p[2].X + p[3].X + p[4].X) * 0.2;
        S1 = mu * c + S1;
        S2 = S2 + mu;
        if (mu > Mx) {
            Mx = mu;
            Sm = 0;
            Cnt = 0;
        }
        if (mu == Mx) {
            Sm = Sm + p[2].X;
            Cnt = Cnt + 1;
        }
    }
    if (Cnt > 0) {
        ref.uitkomst[0] = static_cast<std::int32_t>(Sm / Cnt);
        ref.uitkomst[1] = static_cast<std::int32_t>(S1 / S2);
    }
    return ref;
}

// ----- random models --------------------------------------------------------------------------

class TGenerator {
  public:
    explicit TGenerator(unsigned zaad) : rng_(zaad) {}

    int Tussen(int lo, int hi) { return std::uniform_int_distribution<int>(lo, hi)(rng_); }
    bool Kans(int procent) { return Tussen(0, 99) < procent; }

    TFuzzyModel Model() {
        TFuzzyModel m{};
        // Universe: usually small, sometimes negative, sometimes as wide as 32 bits allow.
        const int soort = Tussen(0, 9);
        const int lo = soort < 6 ? Tussen(-20, 10) : soort < 9 ? -1000 : -2'000'000'000;
        const int hi = soort < 6 ? lo + Tussen(0, 40) : soort < 9 ? 1000 : 2'000'000'000;
        m.AantalVariabelen = Tussen(1, MaxVariabelen);
        const int uit = Tussen(0, m.AantalVariabelen - 1);
        for (int v = 0; v < m.AantalVariabelen; ++v) {
            TVariabele& var = m.VariabeleLijst[v];
            var.IsOutput = v == uit && Kans(90) ? 1 : 0;
            (var.IsOutput ? m.AantalOutputs : m.AantalInputs)++;
            var.Min = lo;
            var.Max = hi;
            var.AantalLabels = Kans(10) ? 0 : Tussen(1, MaxLabels);
            for (int l = 0; l < var.AantalLabels; ++l) Label(var.Labels[l], lo, hi);
        }
        m.AantalRegels = Kans(5) ? 0 : Tussen(1, MaxRegels);
        for (int r = 0; r < m.AantalRegels; ++r) {
            TRegel& regel = m.RegelLijst[r];
            regel.AantalTermen = Kans(5)    ? Tussen(0, 1)
                                 : Kans(70) ? Tussen(2, 3)
                                            : Tussen(4, MaxTermen);
            for (int t = 0; t < regel.AantalTermen; ++t) {
                TRegelTerm& term = regel.Termen[t];
                const bool laatste = t == regel.AantalTermen - 1;
                term.Variabele = Kans(5)   ? Tussen(-1, 7)
                                 : laatste ? uit
                                           : Tussen(0, m.AantalVariabelen - 1);
                const int labels = term.Variabele >= 0 && term.Variabele < MaxVariabelen
                                       ? m.VariabeleLijst[term.Variabele].AantalLabels
                                       : 0;
                term.Label = Kans(5) || labels == 0 ? Tussen(-1, 3) : Tussen(0, labels - 1);
                term.Koppel = static_cast<std::int8_t>(Tussen(0, 3));
            }
        }
        m.DefuzzificatieMethode = Tussen(0, 1);
        return m;
    }

    int Waarde(const TVariabele& v) {
        // Often exactly on a label point, where the cases meet.
        if (v.AantalLabels > 0 && Kans(40)) {
            const TFuzzyLabel& l = v.Labels[Tussen(0, v.AantalLabels - 1)];
            const int p[] = {l.A, l.B, l.C, l.D};
            const std::int64_t x = std::int64_t{p[Tussen(0, 3)]} + Tussen(-1, 1);
            if (x >= v.Min && x <= v.Max) return static_cast<int>(x);
        }
        // Often inside a label's feet, so that rules fire.
        if (v.AantalLabels > 0 && Kans(50)) {
            const TFuzzyLabel& l = v.Labels[Tussen(0, v.AantalLabels - 1)];
            const int lo = std::max(std::min(l.A, l.D), v.Min),
                      hi = std::min(std::max(l.A, l.D), v.Max);
            if (lo <= hi) return Tussen(lo, hi);
        }
        return Tussen(v.Min, v.Max);
    }

    // A small edit between two evaluations with the same state, as an editor might make: the
    // engine must see it although it keeps what it derived from the model before.
    void Wijzig(TFuzzyModel& m) {
        switch (Tussen(0, 4)) {
            case 0: {
                TVariabele& v = m.VariabeleLijst[Tussen(0, m.AantalVariabelen - 1)];
                if (v.AantalLabels > 0) {
                    TFuzzyLabel& l = v.Labels[Tussen(0, v.AantalLabels - 1)];
                    int* punt[] = {&l.A, &l.B, &l.C, &l.D};
                    *punt[Tussen(0, 3)] += Tussen(-3, 3);
                }
                break;
            }
            case 1:
                if (m.AantalRegels > 0) {
                    TRegel& r = m.RegelLijst[Tussen(0, m.AantalRegels - 1)];
                    if (r.AantalTermen > 0) {
                        TRegelTerm& t = r.Termen[Tussen(0, r.AantalTermen - 1)];
                        (Kans(50) ? t.Variabele : t.Label) = Tussen(-1, 3);
                    }
                }
                break;
            case 2: {
                TVariabele& v = m.VariabeleLijst[Tussen(0, m.AantalVariabelen - 1)];
                v.AantalLabels = Tussen(0, MaxLabels);
                break;
            }
            case 3:
                m.AantalRegels = Tussen(0, MaxRegels);
                break;
            default:
                if (m.AantalRegels > 0)
                    m.RegelLijst[Tussen(0, m.AantalRegels - 1)].AantalTermen = Tussen(0, MaxTermen);
        }
    }

  private:
    void Label(TFuzzyLabel& l, int lo, int hi) {
        int p[4];
        for (int& x : p) x = Tussen(lo, hi);
        if (Kans(85)) std::sort(p, p + 4);  // the editor keeps them in order; a file need not
        if (Kans(15)) p[1] = p[0];          // vertical flanks
        if (Kans(15)) p[3] = p[2];
        l.A = p[0];
        l.B = p[1];
        l.C = p[2];
        l.D = p[3];
    }

    std::mt19937 rng_;
};

bool ZelfdeBits(double a, double b) { return std::memcmp(&a, &b, sizeof a) == 0; }

TEST(Vergelijking, ZelfdeBitsAlsDeStappenEnGeenToewijzing) {
    TGenerator gen(20240611);
    long geevalueerd = 0, gevuurd = 0;
    for (int model_i = 0; model_i < 20000; ++model_i) {
        TFuzzyModel m = gen.Model();
        TInferentieToestand t{};
        const int rijen = KoppelInputs(m, t);
        for (int herhaling = 0; herhaling < 8; ++herhaling) {
            if (herhaling % 2 == 1) gen.Wijzig(m);
            TInputRij rijenVoor[MaxInputs];
            int waarden[MaxInputs];
            for (int k = 0; k < rijen; ++k)
                waarden[k] = gen.Waarde(m.VariabeleLijst[t.InputRijen[k].Variabele]);
            t.ErIsGevuurd = false;

            const long voor = toewijzingen.load();
            for (int k = 0; k < rijen; ++k) ZetInputWaarde(t, k, waarden[k]);
            FuzzificeerInputs(m, t);
            EvalueerRegels(m, t);
            std::int32_t uitkomst[2] = {0, 0};
            if (t.ErIsGevuurd) {
                for (int d = 0; d < 2; ++d) {
                    m.DefuzzificatieMethode = d;
                    uitkomst[d] = BerekenUitkomst(m, t);
                }
            }
            ASSERT_EQ(toewijzingen.load(), voor) << "an evaluation allocated";

            std::memcpy(rijenVoor, t.InputRijen, sizeof rijenVoor);
            const TRef ref = Referentie(m, rijenVoor, rijen);
            for (int k = 0; k < rijen; ++k)
                for (int j = 0; j < m.VariabeleLijst[t.InputRijen[k].Variabele].AantalLabels; ++j)
                    ASSERT_EQ(t.InputRijen[k].Graad[j], ref.graad[k][j])
                        << "model " << model_i << " row " << k << " label " << j;
            ASSERT_EQ(t.ErIsGevuurd, ref.erIsGevuurd) << "model " << model_i;
            for (int r = 0; r < m.AantalRegels; ++r) {
                ASSERT_EQ(t.RegelResultaten[r].Gevuurd, ref.res[r].Gevuurd)
                    << "model " << model_i << " rule " << r;
                for (int p = 0; p < 5; ++p) {
                    ASSERT_TRUE(
                        ZelfdeBits(t.RegelResultaten[r].Punten[p].X, ref.res[r].Punten[p].X))
                        << "model " << model_i << " rule " << r << " P" << p;
                    ASSERT_TRUE(
                        ZelfdeBits(t.RegelResultaten[r].Punten[p].Y, ref.res[r].Punten[p].Y));
                }
            }
            if (t.ErIsGevuurd) {
                ++gevuurd;
                ASSERT_EQ(uitkomst[0], ref.uitkomst[0]) << "model " << model_i;
                ASSERT_EQ(uitkomst[1], ref.uitkomst[1]) << "model " << model_i;
            }
            ++geevalueerd;
        }
    }
    // The generator must reach the interesting paths, or the comparison proves little.
    EXPECT_GT(gevuurd, geevalueerd / 5);
}

}  // namespace
