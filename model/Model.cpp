#include "model/Model.h"

#include <cstring>
#include <type_traits>

static_assert(std::is_trivially_copyable_v<TFuzzyModel>);

namespace {

bool Gelijk(const TNaam& a, const TNaam& b) { return std::memcmp(a, b, sizeof(TNaam)) == 0; }

bool Gelijk(const TFuzzyLabel& a, const TFuzzyLabel& b) {
    return Gelijk(a.Naam, b.Naam) && a.A == b.A && a.B == b.B && a.C == b.C && a.D == b.D;
}

bool Gelijk(const TVariabele& a, const TVariabele& b) {
    if (!Gelijk(a.Naam, b.Naam) || a.IsOutput != b.IsOutput || a.Min != b.Min || a.Max != b.Max ||
        a.AantalLabels != b.AantalLabels || a.Reserve != b.Reserve)
        return false;
    for (int l = 0; l < MaxLabels; ++l)
        if (!Gelijk(a.Labels[l], b.Labels[l])) return false;
    return true;
}

bool Gelijk(const TRegel& a, const TRegel& b) {
    if (a.AantalTermen != b.AantalTermen) return false;
    for (int t = 0; t < MaxTermen; ++t) {
        const TRegelTerm& x = a.Termen[t];
        const TRegelTerm& y = b.Termen[t];
        if (x.Variabele != y.Variabele || x.Label != y.Label || x.Koppel != y.Koppel) return false;
    }
    return true;
}

}  // namespace

bool operator==(const TFuzzyModel& a, const TFuzzyModel& b) {
    if (a.Reserve1 != b.Reserve1 || a.AantalInputs != b.AantalInputs ||
        a.AantalOutputs != b.AantalOutputs || a.AantalRegels != b.AantalRegels ||
        a.ImplicatieMethode != b.ImplicatieMethode || a.Reserve2 != b.Reserve2 ||
        a.DefuzzificatieMethode != b.DefuzzificatieMethode ||
        a.AantalVariabelen != b.AantalVariabelen || a.GekozenVariabele != b.GekozenVariabele)
        return false;
    for (int v = 0; v < MaxVariabelen; ++v)
        if (!Gelijk(a.VariabeleLijst[v], b.VariabeleLijst[v])) return false;
    for (int r = 0; r < MaxRegels; ++r)
        if (!Gelijk(a.RegelLijst[r], b.RegelLijst[r])) return false;
    return true;
}
