#include "inference/Evaluatie.h"

#include <cstdint>

namespace {

bool GeldigLabel(const TVariabele& v, int label) {
    return label >= 0 && label < v.AantalLabels && label < MaxLabels;
}

// Degree of the condition, 0 when it cannot be judged: no bound row holds its variable (none
// chosen, or the variable became the output) or the variable has no such label.
std::int32_t ConditieGraad(const TFuzzyModel& model, const TInferentieToestand& toestand,
                           const TRegelTerm& term) {
    int gevonden = -1;
    for (int k = 0; k < toestand.AantalRijen; ++k)
        if (toestand.InputRijen[k].Variabele == term.Variabele) gevonden = k;
    if (gevonden < 0) return 0;
    if (!GeldigLabel(model.VariabeleLijst[term.Variabele], term.Label)) return 0;
    return toestand.InputRijen[gevonden].Graad[term.Label];
}

}  // namespace

std::int32_t Lidmaatschapsgraad(const TFuzzyModel& model, int variabele, int label,
                                std::int32_t waarde) {
    if (variabele < 0 || variabele >= MaxVariabelen || label < 0 || label >= MaxLabels) return 0;
    const TFuzzyLabel& l = model.VariabeleLijst[variabele].Labels[label];
    // 64-bit, so that universes wider than twenty million cannot overflow the products.
    const std::int64_t x = waarde, a = l.A, b = l.B, c = l.C, d = l.D;
    std::int64_t graad = 0;
    // The cases in this order, a later one overriding an earlier: that decides points out of order.
    if (x <= a) graad = 0;
    if (a < x && x <= b) graad = (x - a) * 100 / (b - a);
    if (b < x && x <= c) graad = 100;
    if (c < x && x <= d) graad = (d - x) * 100 / (d - c);
    if (x > d) graad = 0;
    return static_cast<std::int32_t>(graad);
}

int KoppelInputs(const TFuzzyModel& model, TInferentieToestand& toestand) {
    int rij = 0;
    for (int v = 0; v < model.AantalVariabelen && v < MaxVariabelen && rij < MaxInputs; ++v) {
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
    for (int k = 0; k < toestand.AantalRijen; ++k) {
        TInputRij& rij = toestand.InputRijen[k];
        const TVariabele& v = model.VariabeleLijst[rij.Variabele];
        for (int j = 0; j < v.AantalLabels && j < MaxLabels; ++j)
            rij.Graad[j] = Lidmaatschapsgraad(model, rij.Variabele, j, rij.Waarde);
    }
}

void EvalueerRegel(const TFuzzyModel& model, TInferentieToestand& toestand, int r) {
    if (r < 0 || r >= MaxRegels) return;
    const TRegel& regel = model.RegelLijst[r];
    TRegelResultaat& resultaat = toestand.RegelResultaten[r];
    resultaat = TRegelResultaat{};
    const int n = regel.AantalTermen < MaxTermen ? regel.AantalTermen : MaxTermen;
    if (n <= 0) return;  // no conclusion: the rule cannot fire

    std::int32_t m = 100;
    for (int i = 0; i + 1 < n; ++i) {
        const std::int32_t g = ConditieGraad(model, toestand, regel.Termen[i]);
        if (g < m) m = g;
    }

    const TRegelTerm& conclusie = regel.Termen[n - 1];
    if (conclusie.Variabele < 0 || conclusie.Variabele >= model.AantalVariabelen ||
        conclusie.Variabele >= MaxVariabelen)
        return;
    const TVariabele& v = model.VariabeleLijst[conclusie.Variabele];
    if (!GeldigLabel(v, conclusie.Label)) return;
    const TFuzzyLabel& l = v.Labels[conclusie.Label];

    const double mu = m * 0.01;
    // The differences are formed as integers before they are multiplied.
    const std::int64_t ba = std::int64_t{l.B} - l.A;
    const std::int64_t cb = std::int64_t{l.C} - l.B;
    const std::int64_t dc = std::int64_t{l.D} - l.C;
    resultaat.Punten[0] = {static_cast<double>(l.A), 0.0};
    resultaat.Punten[1] = {l.A + mu * static_cast<double>(ba), mu};
    resultaat.Punten[2] = {l.B + mu * static_cast<double>(cb), mu};
    resultaat.Punten[3] = {l.C + ((100 - m) * 0.01) * static_cast<double>(dc), mu};
    resultaat.Punten[4] = {static_cast<double>(l.D), 0.0};
    resultaat.Gevuurd = m > 0;
    if (resultaat.Gevuurd) toestand.ErIsGevuurd = true;
}

void EvalueerRegels(const TFuzzyModel& model, TInferentieToestand& toestand) {
    for (int r = 0; r < model.AantalRegels && r < MaxRegels; ++r) EvalueerRegel(model, toestand, r);
}

int OutputVariabele(const TFuzzyModel& model) {
    int o = -1;
    for (int v = 0; v < model.AantalVariabelen && v < MaxVariabelen; ++v)
        if (model.VariabeleLijst[v].IsOutput == 1) o = v;
    return o;
}

std::int32_t BerekenUitkomst(const TFuzzyModel& model, const TInferentieToestand& toestand) {
    double S1 = 0, S2 = 0, Mx = 0, Sm = 0;
    std::int32_t Cnt = 0;
    for (int r = 0; r < model.AantalRegels && r < MaxRegels; ++r) {
        const TRegelResultaat& res = toestand.RegelResultaten[r];
        if (!res.Gevuurd) continue;
        const TPunt* p = res.Punten;
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
    if (Cnt == 0) return 0;
    // Any method code but 1 gives the mean of maxima.
    const double q = model.DefuzzificatieMethode == 1 ? S1 / S2 : Sm / Cnt;
    // A mean of 32-bit positions; the bounds only catch a last-bit excursion at the very ends.
    if (q != q) return 0;
    if (!(q > -2147483649.0)) return INT32_MIN;
    if (!(q < 2147483648.0)) return INT32_MAX;
    return static_cast<std::int32_t>(q);
}
