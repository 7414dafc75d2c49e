#include "inference/Evaluatie.h"

#include <cstddef>
#include <cstdint>
#include <cstring>

#if defined(__SSE2__) && !defined(WERKBANK_ZONDER_SIMD)
#include <emmintrin.h>
#endif

// The evaluation runs thousands of times a second in the batch evaluator, on values that jump
// from row to row. Branches on those values mispredict, so the degree, the minimum and the sums
// are formed with selects; the only branches left depend on the model alone (its counts and the
// validity of its terms), which stays the same from one evaluation to the next.

namespace {

using i64 = std::int64_t;

// Which of the five cases decides, from the comparisons x > A, x > B, x > C, x > D as bits 0..3:
// the last case that holds overrides the others, so the highest bit set decides. The value is the
// case's place among the candidates: 0 the feet, 1 the left flank, 2 the right flank, 3 the
// plateau, 4 beyond D (the right foot again).
constexpr std::uint8_t Geval[16] = {0, 1, 3, 3, 2, 2, 2, 2, 4, 4, 4, 4, 4, 4, 4, 4};

// A flank's degree is (x - A) * 100 / (B - A) or (D - x) * 100 / (D - C), truncated. The operands
// are whole numbers below 2^40, exact in a double, and the quotient lies in 0..100, so the double
// quotient truncates to the integer quotient (its rounding error stays far below 1/noemer, the
// least distance of a fraction from the next whole number). Both flanks are divided at once and
// the case picks its candidate by position rather than by a branch.
#if defined(__SSE2__) && !defined(WERKBANK_ZONDER_SIMD)

struct TKandidaten {
    std::int32_t graad[5] = {0, 0, 0, 100, 0};
};

inline std::int32_t Graad(const TFuzzyLabel& l, std::int32_t waarde, TKandidaten& k) {
    static_assert(offsetof(TFuzzyLabel, D) == offsetof(TFuzzyLabel, A) + 12);
    __m128i punten;  // A, B, C, D lie side by side in the label
    std::memcpy(&punten, &l.A, sizeof punten);
    const unsigned bits = static_cast<unsigned>(
        _mm_movemask_ps(_mm_castsi128_ps(_mm_cmpgt_epi32(_mm_set1_epi32(waarde), punten))));
    const __m128d x = _mm_set1_pd(waarde);
    const __m128d ab = _mm_cvtepi32_pd(punten);
    const __m128d cd = _mm_cvtepi32_pd(_mm_shuffle_epi32(punten, 0xEE));
    // (x - A, D - x) * 100 over (B - A, D - C); a denominator below 1 belongs to a flank that
    // is not the case and is kept from dividing by zero.
    const __m128d teller = _mm_mul_pd(
        _mm_sub_pd(_mm_shuffle_pd(x, cd, 2), _mm_shuffle_pd(ab, x, 0)), _mm_set1_pd(100.0));
    const __m128d noemer =
        _mm_max_pd(_mm_sub_pd(_mm_unpackhi_pd(ab, cd), _mm_unpacklo_pd(ab, cd)), _mm_set1_pd(1.0));
    _mm_storel_epi64(reinterpret_cast<__m128i*>(&k.graad[1]),
                     _mm_cvttpd_epi32(_mm_div_pd(teller, noemer)));
    return k.graad[Geval[bits]];
}

#else

struct TKandidaten {
    i64 teller[5] = {0, 0, 0, 1, 0};  // before the factor 100
    i64 noemer[5] = {1, 1, 1, 1, 1};
};

inline std::int32_t Graad(const TFuzzyLabel& l, std::int32_t waarde, TKandidaten& k) {
    const i64 x = waarde;
    const unsigned bits = static_cast<unsigned>(x > l.A) | static_cast<unsigned>(x > l.B) << 1 |
                          static_cast<unsigned>(x > l.C) << 2 | static_cast<unsigned>(x > l.D) << 3;
    k.teller[1] = x - l.A;
    k.noemer[1] = i64{l.B} - l.A;
    k.teller[2] = l.D - x;
    k.noemer[2] = i64{l.D} - l.C;
    const unsigned geval = Geval[bits];
    return static_cast<std::int32_t>(static_cast<double>(k.teller[geval]) * 100.0 /
                                     static_cast<double>(k.noemer[geval]));
}

#endif

inline std::int32_t Graad(const TFuzzyLabel& l, std::int32_t waarde) {
    TKandidaten k;
    return Graad(l, waarde, k);
}

// 0.0 or 1.0 by a flag, to weigh a term without a branch.
constexpr double Een[2] = {0.0, 1.0};

inline int Begrensd(int waarde, int max) { return waarde < 0 ? 0 : waarde > max ? max : waarde; }

inline bool GeldigeVariabele(int v) { return static_cast<unsigned>(v) < MaxVariabelen; }

inline void ZetPunt(TPunt& punt, TPaar paar) {
    punt.X = paar[0];
    punt.Y = paar[1];
}

// For every whole percentage m the two factors of the cut points, each formed by its one
// multiplication: (m * 0.01, m * 0.01) for the rising flank and the top, ((100 - m) * 0.01,
// m * 0.01) for the falling flank.
struct TFactoren {
    alignas(16) double stijgend[101][2];
    alignas(16) double dalend[101][2];
    constexpr TFactoren() : stijgend{}, dalend{} {
        for (int m = 0; m <= 100; ++m) {
            stijgend[m][0] = stijgend[m][1] = dalend[m][1] = m * 0.01;
            dalend[m][0] = (100 - m) * 0.01;
        }
    }
};
constexpr TFactoren Factor;

inline TPaar Paar(const double (&waarden)[2]) {
    TPaar p;
    std::memcpy(&p, waarden, sizeof p);
    return p;
}

constexpr std::uint64_t Geldig = 0x9E3779B97F4A7C15u;
constexpr int Nul = 4 * MaxInputs;      // the degree table's entry 0: a condition that is unknown
constexpr int Vol = 4 * MaxInputs + 1;  // its entry 100: the place of a condition the rule lacks

// The derivation reads the rules, the bindings, every variable's label count and the labels of
// the variables that conclusions name; exactly these are kept and compared.
bool VoorbereidingKlopt(const TFuzzyModel& model, const TInferentieToestand& toestand) {
    const TRegelVoorbereiding& v = toestand.Voorbereiding;
    if (v.Stempel != Geldig || v.AantalVariabelen != model.AantalVariabelen ||
        v.AantalRegels != model.AantalRegels || v.AantalRijen != toestand.AantalRijen)
        return false;
    const int rijen = Begrensd(toestand.AantalRijen, MaxInputs);
    for (int k = 0; k < rijen; ++k)
        if (v.RijVariabele[k] != toestand.InputRijen[k].Variabele) return false;
    const int variabelen = Begrensd(model.AantalVariabelen, MaxVariabelen);
    for (int var = 0; var < variabelen; ++var) {
        if (v.AantalLabels[var] != model.VariabeleLijst[var].AantalLabels) return false;
        if ((v.Conclusies >> var & 1u) != 0 &&
            std::memcmp(v.Labels[var], model.VariabeleLijst[var].Labels, sizeof v.Labels[var]) != 0)
            return false;
    }
    return std::memcmp(v.RegelLijst, model.RegelLijst,
                       sizeof(TRegel) *
                           static_cast<std::size_t>(Begrensd(model.AantalRegels, MaxRegels))) == 0;
}

void BereidVoor(const TFuzzyModel& model, TInferentieToestand& toestand) {
    TRegelVoorbereiding& v = toestand.Voorbereiding;
    v.AantalVariabelen = model.AantalVariabelen;
    v.AantalRegels = model.AantalRegels;
    v.AantalRijen = toestand.AantalRijen;
    std::memcpy(v.RegelLijst, model.RegelLijst, sizeof v.RegelLijst);
    v.Conclusies = 0;
    for (int var = 0; var < MaxVariabelen; ++var) {
        v.AantalLabels[var] = model.VariabeleLijst[var].AantalLabels;
        std::memcpy(v.Labels[var], model.VariabeleLijst[var].Labels, sizeof v.Labels[var]);
    }

    // Of two rows on one variable the last counts, as a search from the first row finds it.
    int rijVan[MaxVariabelen] = {-1, -1, -1, -1, -1, -1};
    const int rijen = Begrensd(toestand.AantalRijen, MaxInputs);
    for (int k = 0; k < rijen; ++k) {
        const int var = toestand.InputRijen[k].Variabele;
        v.RijVariabele[k] = var;
        if (GeldigeVariabele(var)) rijVan[var] = k;
    }

    const int regels = Begrensd(model.AantalRegels, MaxRegels);
    for (int r = 0; r < regels; ++r) {
        const TRegel& regel = model.RegelLijst[r];
        const int n = Begrensd(regel.AantalTermen, MaxTermen);
        TVoorbereideRegel& vr = v.Regels[r];
        // Every rule is read as five conditions, those it lacks at 100, which leaves the minimum.
        for (int i = 0; i < MaxTermen - 1; ++i) vr.Conditie[i] = Vol;
        for (int i = 0; i + 1 < n; ++i) {
            const TRegelTerm& term = regel.Termen[i];
            int plaats = Nul;
            if (GeldigeVariabele(term.Variabele) && rijVan[term.Variabele] >= 0 &&
                term.Label >= 0 &&
                term.Label < Begrensd(model.VariabeleLijst[term.Variabele].AantalLabels, MaxLabels))
                plaats = 4 * rijVan[term.Variabele] + term.Label;
            vr.Conditie[i] = static_cast<std::uint8_t>(plaats);
        }
        // No conclusion, or one that names no label of an existing variable: it cannot fire.
        const TRegelTerm& c = regel.Termen[n > 0 ? n - 1 : 0];
        vr.HeeftConclusie = n > 0 && c.Variabele >= 0 && c.Variabele < model.AantalVariabelen &&
                            c.Variabele < MaxVariabelen && c.Label >= 0 && c.Label < MaxLabels &&
                            c.Label < model.VariabeleLijst[c.Variabele].AantalLabels;
        if (!vr.HeeftConclusie) continue;
        v.Conclusies |= 1u << c.Variabele;
        const TFuzzyLabel& l = model.VariabeleLijst[c.Variabele].Labels[c.Label];
        const double punt[4] = {static_cast<double>(l.A), static_cast<double>(l.B),
                                static_cast<double>(l.C), static_cast<double>(l.D)};
        const double verschil[3] = {static_cast<double>(i64{l.B} - l.A),
                                    static_cast<double>(i64{l.C} - l.B),
                                    static_cast<double>(i64{l.D} - l.C)};
        for (int i = 0; i < 4; ++i) vr.Punt[i] = TPaar{punt[i], 0.0};
        for (int i = 0; i < 3; ++i) vr.Verschil[i] = TPaar{verschil[i], 1.0};
    }
    v.Stempel = Geldig;
}

// Writes the rule's result; true when it fired.
[[gnu::always_inline]] inline bool Evalueer(const TRegelVoorbereiding& v,
                                            const std::int32_t* graden,
                                            TInferentieToestand& toestand, int r) {
    TRegelResultaat& resultaat = toestand.RegelResultaten[r];
    const TVoorbereideRegel& vr = v.Regels[r];
    if (!vr.HeeftConclusie) {
        resultaat = TRegelResultaat{};
        return false;
    }
    std::int32_t m = 100;
    for (int i = 0; i < MaxTermen - 1; ++i) {
        const std::int32_t g = graden[vr.Conditie[i]];
        m = g < m ? g : m;
    }
    // Degrees lie in 0..100 unless the owner wrote others into the rows itself.
    TPaar f, f3;
    if (m >= 0) {
        f = Paar(Factor.stijgend[m]);
        f3 = Paar(Factor.dalend[m]);
    } else {
        f = TPaar{m * 0.01, m * 0.01};
        f3 = TPaar{(100 - m) * 0.01, m * 0.01};
    }
    // Each point as one (X, Y) pair: (V, 0) + f * (W, 1) is V + f * W beside 0 + f * 1 = f, the
    // same bits as the two formed apart.
    const TPaar* p = vr.Punt;
    const TPaar* w = vr.Verschil;
    ZetPunt(resultaat.Punten[0], p[0]);
    ZetPunt(resultaat.Punten[1], p[0] + f * w[0]);
    ZetPunt(resultaat.Punten[2], p[1] + f * w[1]);
    ZetPunt(resultaat.Punten[3], p[2] + f3 * w[2]);
    ZetPunt(resultaat.Punten[4], p[3]);
    const bool gevuurd = m > 0;
    resultaat.Gevuurd = gevuurd;
    return gevuurd;
}

// The degrees of the bound rows at positions 4 * row + label; the conditions that the rules
// may read were checked when they were prepared. Entry Nul is 0, entry Vol 100.
void VulGraden(const TInferentieToestand& toestand, std::int32_t (&graden)[32]) {
    const int rijen = Begrensd(toestand.AantalRijen, MaxInputs);
    for (int k = 0; k < rijen; ++k)
        for (int j = 0; j < MaxLabels; ++j) graden[4 * k + j] = toestand.InputRijen[k].Graad[j];
    graden[Nul] = 0;
    graden[Vol] = 100;
}

void BereikRegels(const TFuzzyModel& model, TInferentieToestand& toestand) {
    if (!VoorbereidingKlopt(model, toestand)) BereidVoor(model, toestand);
}

}  // namespace

std::int32_t Lidmaatschapsgraad(const TFuzzyModel& model, int variabele, int label,
                                std::int32_t waarde) {
    if (!GeldigeVariabele(variabele) || label < 0 || label >= MaxLabels) return 0;
    return Graad(model.VariabeleLijst[variabele].Labels[label], waarde);
}

int KoppelInputs(const TFuzzyModel& model, TInferentieToestand& toestand) {
    int rij = 0;
    const int aantal = Begrensd(model.AantalVariabelen, MaxVariabelen);
    for (int v = 0; v < aantal && rij < MaxInputs; ++v) {
        if (model.VariabeleLijst[v].IsOutput != 0) continue;
        toestand.InputRijen[rij].Variabele = v;
        toestand.InputRijen[rij].Waarde = model.VariabeleLijst[v].Min;
        ++rij;
    }
    toestand.AantalRijen = rij;
    return rij;
}

void ZetInputWaarde(TInferentieToestand& toestand, int rij, std::int32_t waarde) {
    if (rij >= 0 && rij < MaxInputs) toestand.InputRijen[rij].Waarde = waarde;
}

void FuzzificeerInputs(const TFuzzyModel& model, TInferentieToestand& toestand) {
    TKandidaten kandidaten;
    const int rijen = Begrensd(toestand.AantalRijen, MaxInputs);
    for (int k = 0; k < rijen; ++k) {
        TInputRij& rij = toestand.InputRijen[k];
        if (!GeldigeVariabele(rij.Variabele)) continue;
        const TVariabele& v = model.VariabeleLijst[rij.Variabele];
        const int labels = Begrensd(v.AantalLabels, MaxLabels);
        for (int j = 0; j < labels; ++j) rij.Graad[j] = Graad(v.Labels[j], rij.Waarde, kandidaten);
    }
}

void EvalueerRegel(const TFuzzyModel& model, TInferentieToestand& toestand, int r) {
    if (r < 0 || r >= MaxRegels) return;
    BereikRegels(model, toestand);
    std::int32_t graden[32];
    VulGraden(toestand, graden);
    if (r < Begrensd(model.AantalRegels, MaxRegels) &&
        Evalueer(toestand.Voorbereiding, graden, toestand, r))
        toestand.ErIsGevuurd = true;
}

void EvalueerRegels(const TFuzzyModel& model, TInferentieToestand& toestand) {
    BereikRegels(model, toestand);
    std::int32_t graden[32];
    VulGraden(toestand, graden);
    const int regels = Begrensd(model.AantalRegels, MaxRegels);
    // The flag is only ever set, so it is set once, after the rules.
    bool gevuurd = false;
    for (int r = 0; r < regels; ++r)
        gevuurd |= Evalueer(toestand.Voorbereiding, graden, toestand, r);
    toestand.ErIsGevuurd = toestand.ErIsGevuurd | gevuurd;
}

int OutputVariabele(const TFuzzyModel& model) {
    int o = -1;
    const int aantal = Begrensd(model.AantalVariabelen, MaxVariabelen);
    for (int v = 0; v < aantal; ++v)
        if (model.VariabeleLijst[v].IsOutput == 1) o = v;
    return o;
}

std::int32_t BerekenUitkomst(const TFuzzyModel& model, const TInferentieToestand& toestand) {
    const int regels = Begrensd(model.AantalRegels, MaxRegels);
    const TRegelResultaat* res = toestand.RegelResultaten;
    double q;
    if (model.DefuzzificatieMethode == 1) {
        // The mean of maxima's sums would not change this outcome, so only these are formed.
        double S1 = 0, S2 = 0;
        for (int r = 0; r < regels; ++r) {
            const TPunt* p = res[r].Punten;
            // A rule that did not fire adds a zero, which leaves a sum as it was (no sum is ever
            // -0, and the points are finite).
            const double vuur = Een[res[r].Gevuurd];
            const double mu = p[2].Y * vuur;
            const double c = (p[0].X + p[1].X + p[2].X + p[3].X + p[4].X) * 0.2 * vuur;
            S1 = mu * c + S1;
            S2 = S2 + mu;
        }
        q = S1 / S2;
    } else {
        // In one pass, a rule that raises the maximum discards what was summed before it, so what
        // is left is the sum, in rule order from 0, of P2.X over the rules at the final maximum:
        // the same additions in the same order as two passes make, one for the maximum and one
        // for the sum, without a chain of selects from rule to rule.
        double Mx = 0;
        for (int r = 0; r < regels; ++r) {
            const double mu = res[r].Punten[2].Y * Een[res[r].Gevuurd];
            Mx = Mx < mu ? mu : Mx;
        }
        double Sm = 0;
        std::int32_t Cnt = 0;
        for (int r = 0; r < regels; ++r) {
            const bool gelijk = res[r].Gevuurd & (res[r].Punten[2].Y == Mx);
            Sm = Sm + res[r].Punten[2].X * Een[gelijk];
            Cnt += gelijk;
        }
        if (Cnt == 0) return 0;
        q = Sm / Cnt;
    }
    if (q != q) return 0;
    if (!(q > -2147483649.0)) return INT32_MIN;
    if (!(q < 2147483648.0)) return INT32_MAX;
    return static_cast<std::int32_t>(q);
}
