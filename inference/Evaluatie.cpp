#include "inference/Evaluatie.h"

#include <cstdint>

// The evaluation runs thousands of times a second in the batch evaluator, on values that jump
// from row to row. Branches on those values mispredict, so the degree, the minimum and the sums
// are formed with selects; the only branches left depend on the model alone (its counts and the
// validity of its terms), which stays the same from one evaluation to the next.

namespace {

using i64 = std::int64_t;

// The five cases, each overriding the earlier ones, reduced to one quotient: a flank gives its
// own fraction, the plateau 100/1, the feet 0/1. Both operands are whole numbers below 2^40 and
// the quotient lies in 0..100, so the double quotient truncates to the same integer as the
// integer division (its rounding error stays far below the distance 1/noemer to the next whole).
inline std::int32_t Graad(const TFuzzyLabel& l, std::int32_t waarde) {
    const i64 x = waarde, a = l.A, b = l.B, c = l.C, d = l.D;
    const bool links = (a < x) & (x <= b);
    const bool top = (b < x) & (x <= c);
    const bool rechts = (c < x) & (x <= d);
    const bool voorbij = x > d;
    i64 teller = 0, noemer = 1;
    teller = links ? (x - a) * 100 : teller;
    noemer = links ? b - a : noemer;
    teller = top ? 100 : teller;
    noemer = top ? 1 : noemer;
    teller = rechts ? (d - x) * 100 : teller;
    noemer = rechts ? d - c : noemer;
    teller = voorbij ? 0 : teller;
    noemer = voorbij ? 1 : noemer;
    return static_cast<std::int32_t>(static_cast<double>(teller) / static_cast<double>(noemer));
}

inline int Begrensd(int waarde, int max) { return waarde < 0 ? 0 : waarde > max ? max : waarde; }

inline bool GeldigeVariabele(int v) { return static_cast<unsigned>(v) < MaxVariabelen; }

// The degree of every (variable, label) pair that a condition can name, 0 for the pairs that no
// bound row holds. The extra row and column are the slot for indices outside the model, so a
// condition finds its degree with one load and no branch.
struct TGraadTabel {
    std::int32_t g[MaxVariabelen + 1][MaxLabels + 1];
};

void VulGraadTabel(const TFuzzyModel& model, const TInferentieToestand& toestand,
                   TGraadTabel& tabel) {
    tabel = TGraadTabel{};
    const int rijen = Begrensd(toestand.AantalRijen, MaxInputs);
    // In row order, so that of two rows on one variable the last counts.
    for (int k = 0; k < rijen; ++k) {
        const TInputRij& rij = toestand.InputRijen[k];
        if (!GeldigeVariabele(rij.Variabele)) continue;
        const int labels = Begrensd(model.VariabeleLijst[rij.Variabele].AantalLabels, MaxLabels);
        for (int j = 0; j < MaxLabels; ++j)
            tabel.g[rij.Variabele][j] = j < labels ? rij.Graad[j] : 0;
    }
}

inline std::int32_t ConditieGraad(const TGraadTabel& tabel, const TRegelTerm& term) {
    const unsigned v = static_cast<unsigned>(term.Variabele);
    const unsigned l = static_cast<unsigned>(term.Label);
    return tabel.g[v < MaxVariabelen ? v : MaxVariabelen][l < MaxLabels ? l : MaxLabels];
}

void Evalueer(const TFuzzyModel& model, const TGraadTabel& tabel, TInferentieToestand& toestand,
              int r) {
    const TRegel& regel = model.RegelLijst[r];
    TRegelResultaat& resultaat = toestand.RegelResultaten[r];
    const int n = Begrensd(regel.AantalTermen, MaxTermen);
    const TRegelTerm& conclusie = regel.Termen[n > 0 ? n - 1 : 0];
    const int ov = conclusie.Variabele;
    // No conclusion, or one that names no label of an existing variable: the rule cannot fire.
    if (n == 0 || ov < 0 || ov >= model.AantalVariabelen || ov >= MaxVariabelen ||
        conclusie.Label < 0 || conclusie.Label >= MaxLabels ||
        conclusie.Label >= model.VariabeleLijst[ov].AantalLabels) {
        resultaat = TRegelResultaat{};
        return;
    }

    std::int32_t m = 100;
    for (int i = 0; i + 1 < n; ++i) {
        const std::int32_t g = ConditieGraad(tabel, regel.Termen[i]);
        m = g < m ? g : m;
    }

    const TFuzzyLabel& l = model.VariabeleLijst[ov].Labels[conclusie.Label];
    const double mu = m * 0.01;
    // The differences are whole numbers before they are scaled.
    const double ba = static_cast<double>(i64{l.B} - l.A);
    const double cb = static_cast<double>(i64{l.C} - l.B);
    const double dc = static_cast<double>(i64{l.D} - l.C);
    resultaat.Punten[0] = {static_cast<double>(l.A), 0.0};
    resultaat.Punten[1] = {l.A + mu * ba, mu};
    resultaat.Punten[2] = {l.B + mu * cb, mu};
    resultaat.Punten[3] = {l.C + ((100 - m) * 0.01) * dc, mu};
    resultaat.Punten[4] = {static_cast<double>(l.D), 0.0};
    const bool gevuurd = m > 0;
    resultaat.Gevuurd = gevuurd;
    toestand.ErIsGevuurd = toestand.ErIsGevuurd | gevuurd;
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
    const int rijen = Begrensd(toestand.AantalRijen, MaxInputs);
    for (int k = 0; k < rijen; ++k) {
        TInputRij& rij = toestand.InputRijen[k];
        if (!GeldigeVariabele(rij.Variabele)) continue;
        const TVariabele& v = model.VariabeleLijst[rij.Variabele];
        const int labels = Begrensd(v.AantalLabels, MaxLabels);
        for (int j = 0; j < labels; ++j) rij.Graad[j] = Graad(v.Labels[j], rij.Waarde);
    }
}

void EvalueerRegel(const TFuzzyModel& model, TInferentieToestand& toestand, int r) {
    if (r < 0 || r >= MaxRegels) return;
    TGraadTabel tabel;
    VulGraadTabel(model, toestand, tabel);
    Evalueer(model, tabel, toestand, r);
}

void EvalueerRegels(const TFuzzyModel& model, TInferentieToestand& toestand) {
    TGraadTabel tabel;
    VulGraadTabel(model, toestand, tabel);
    const int regels = Begrensd(model.AantalRegels, MaxRegels);
    for (int r = 0; r < regels; ++r) Evalueer(model, tabel, toestand, r);
}

int OutputVariabele(const TFuzzyModel& model) {
    int o = -1;
    const int aantal = Begrensd(model.AantalVariabelen, MaxVariabelen);
    for (int v = 0; v < aantal; ++v)
        if (model.VariabeleLijst[v].IsOutput == 1) o = v;
    return o;
}

std::int32_t BerekenUitkomst(const TFuzzyModel& model, const TInferentieToestand& toestand) {
    double S1 = 0, S2 = 0, Mx = 0, Sm = 0;
    std::int32_t Cnt = 0;
    const int regels = Begrensd(model.AantalRegels, MaxRegels);
    for (int r = 0; r < regels; ++r) {
        const TRegelResultaat& res = toestand.RegelResultaten[r];
        const TPunt* p = res.Punten;
        const bool gevuurd = res.Gevuurd;
        // A rule that did not fire adds +0 to each sum, which leaves every sum as it was (no sum
        // is ever -0), and can neither raise nor meet the maximum.
        const double mu = gevuurd ? p[2].Y : 0.0;
        const double c = gevuurd ? (p[0].X + p[1].X + p[2].X + p[3].X + p[4].X) * 0.2 : 0.0;
        S1 = mu * c + S1;
        S2 = S2 + mu;
        const bool hoger = mu > Mx;
        Mx = hoger ? mu : Mx;
        Sm = hoger ? 0.0 : Sm;
        Cnt = hoger ? 0 : Cnt;
        const bool gelijk = gevuurd & (mu == Mx);
        Sm = gelijk ? Sm + p[2].X : Sm;
        Cnt += gelijk;
    }
    if (Cnt == 0) return 0;
    // Any method code but 1 gives the mean of maxima.
    const double q = model.DefuzzificatieMethode == 1 ? S1 / S2 : Sm / Cnt;
    // A mean of 32-bit positions; the bounds only catch a last-bit excursion at the very ends.
    if (q != q) return 0;
    if (!(q > -2147483649.0)) return INT32_MIN;
    if (!(q < 2147483648.0)) return INT32_MAX;
    return static_cast<std::int32_t>(q);
}
