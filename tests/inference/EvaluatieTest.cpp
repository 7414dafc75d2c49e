// The evaluation core: degrees, binding, rule firing with its five points, and the outcome by
// both methods, on the cases the arithmetic is defined by.
#include <gtest/gtest.h>

#include <cstring>
#include <vector>

#include "inference/Evaluatie.h"
#include "support/MaakModel.h"

namespace {

struct TTrapezium {
    int A, B, C, D;
};

// Field by field: the points must agree to the bit, and padding is no part of a result.
bool Gelijk(const TRegelResultaat& a, const TRegelResultaat& b) {
    if (a.Gevuurd != b.Gevuurd) return false;
    for (int p = 0; p < 5; ++p)
        if (std::memcmp(&a.Punten[p].X, &b.Punten[p].X, sizeof(double)) != 0 ||
            std::memcmp(&a.Punten[p].Y, &b.Punten[p].Y, sizeof(double)) != 0)
            return false;
    return true;
}

// A model with one input "In" on the given universe holding the trapezoid as label 0.
TFuzzyModel EenLabel(TTrapezium t, int min = -2'000'000'000, int max = 2'000'000'000) {
    return MaakModel().Input("In", min, max).Label("L", t.A, t.B, t.C, t.D).Output("Uit", 0, 1);
}

// ---------------------------------------------------------------------------------------------
// Membership degree

struct TGraadGeval {
    TTrapezium t;
    int x;
    int graad;
};

class Graad : public ::testing::TestWithParam<TGraadGeval> {};

TEST_P(Graad, VolgtDeVijfGevallen) {
    const TGraadGeval& g = GetParam();
    const TFuzzyModel model = EenLabel(g.t);
    EXPECT_EQ(Lidmaatschapsgraad(model, 0, 0, g.x), g.graad);
}

INSTANTIATE_TEST_SUITE_P(
    Tabel, Graad,
    ::testing::Values(
        // The symmetric trapezoid: open left foot, closed plateau, open right foot.
        TGraadGeval{{0, 10, 20, 30}, 0, 0}, TGraadGeval{{0, 10, 20, 30}, 5, 50},
        TGraadGeval{{0, 10, 20, 30}, 10, 100}, TGraadGeval{{0, 10, 20, 30}, 20, 100},
        TGraadGeval{{0, 10, 20, 30}, 25, 50}, TGraadGeval{{0, 10, 20, 30}, 30, 0},
        TGraadGeval{{0, 10, 20, 30}, 31, 0}, TGraadGeval{{0, 10, 20, 30}, -4, 0},
        // Truncating division, the multiplication first.
        TGraadGeval{{0, 3, 10, 13}, 1, 33}, TGraadGeval{{0, 3, 10, 13}, 2, 66},
        TGraadGeval{{0, 3, 10, 13}, 11, 66}, TGraadGeval{{0, 3, 10, 13}, 12, 33},
        // Vertical flanks: the left foot stays open, the right one is closed.
        TGraadGeval{{5, 5, 9, 12}, 5, 0}, TGraadGeval{{5, 5, 9, 12}, 6, 100},
        TGraadGeval{{0, 4, 9, 9}, 9, 100}, TGraadGeval{{0, 4, 9, 9}, 10, 0},
        // Negative universe.
        TGraadGeval{{-10, 0, 0, 10}, -5, 50}, TGraadGeval{{-10, 0, 0, 10}, 0, 100},
        TGraadGeval{{-10, 0, 0, 10}, 7, 30}, TGraadGeval{{-10, 0, 0, 10}, -10, 0},
        // A single point is nowhere satisfied.
        TGraadGeval{{7, 7, 7, 7}, 6, 0}, TGraadGeval{{7, 7, 7, 7}, 7, 0},
        TGraadGeval{{7, 7, 7, 7}, 8, 0},
        // Points out of order: a later case overrides an earlier one.
        TGraadGeval{{10, 5, 20, 30}, 7, 100},  // case 1 then case 3
        TGraadGeval{{0, 10, 5, 30}, 8, 88},    // case 2 (80) then case 4
        TGraadGeval{{0, 10, 5, 30}, 4, 40},
        // Universes wider than the 32-bit products allow.
        TGraadGeval{{-2'000'000'000, 0, 0, 2'000'000'000}, -1'000'000'000, 50},
        TGraadGeval{{-2'000'000'000, 0, 0, 2'000'000'000}, 1'999'999'999, 0},
        TGraadGeval{{-2'000'000'000, 0, 0, 2'000'000'000}, 1'980'000'000, 1},
        TGraadGeval{{-2'147'483'647 - 1, 2'147'483'647, 2'147'483'647, 2'147'483'647}, 0, 50}));

TEST(Graad, BuitenDeArraysIsNul) {
    const TFuzzyModel model = EenLabel({0, 10, 20, 30});
    for (auto [v, l] : {std::pair{-1, 0}, {MaxVariabelen, 0}, {0, -1}, {0, MaxLabels}})
        EXPECT_EQ(Lidmaatschapsgraad(model, v, l, 15), 0) << v << "," << l;
}

// ---------------------------------------------------------------------------------------------
// Binding and fuzzification

TEST(KoppelInputs, SlaatOutputsOverEnBegintOpMin) {
    const TFuzzyModel model =
        MaakModel().Input("A", -3, 9).Output("B", 0, 1).Input("C", 7, 8).Label("L", 0, 0, 0, 0);
    TInferentieToestand t;
    std::memset(&t, 0x5A, sizeof t);
    const TInputRij voor = t.InputRijen[2];
    ASSERT_EQ(KoppelInputs(model, t), 2);
    EXPECT_EQ(t.AantalRijen, 2);
    EXPECT_EQ(t.InputRijen[0].Variabele, 0);
    EXPECT_EQ(t.InputRijen[0].Waarde, -3);
    EXPECT_EQ(t.InputRijen[1].Variabele, 2);
    EXPECT_EQ(t.InputRijen[1].Waarde, 7);
    EXPECT_EQ(std::memcmp(&t.InputRijen[2], &voor, sizeof voor), 0) << "rows after the last bound";
}

TEST(KoppelInputs, BindtHoogstensVijfWatDeVlaggenOokZeggen) {
    MaakModel m;
    for (int v = 0; v < MaxVariabelen; ++v) m.Input("I" + std::to_string(v), v, 10);
    TInferentieToestand t{};
    EXPECT_EQ(KoppelInputs(m.Model(), t), MaxInputs);
    EXPECT_EQ(t.InputRijen[4].Variabele, 4);
}

TEST(FuzzificeerInputs, RaaktAlleenDeLabelsVanDeVariabele) {
    const TFuzzyModel model = MaakModel()
                                  .Input("A", 0, 100)
                                  .Label("L0", 0, 10, 20, 30)
                                  .Label("L1", 20, 30, 40, 50)
                                  .Output("U", 0, 1)
                                  .Input("B", 0, 100)
                                  .Label("M", 0, 100, 100, 100);
    TInferentieToestand t{};
    KoppelInputs(model, t);
    t.InputRijen[0].Graad[2] = 12345;
    ZetInputWaarde(t, 0, 25);
    ZetInputWaarde(t, 1, 37);
    ZetInputWaarde(t, 5, 1);   // no such row: ignored
    ZetInputWaarde(t, -1, 1);  // likewise
    FuzzificeerInputs(model, t);
    EXPECT_EQ(t.InputRijen[0].Graad[0], 50);
    EXPECT_EQ(t.InputRijen[0].Graad[1], 50);
    EXPECT_EQ(t.InputRijen[0].Graad[2], 12345);
    EXPECT_EQ(t.InputRijen[1].Graad[0], 37);
}

// ---------------------------------------------------------------------------------------------
// Rule firing and the five points

// Inputs "I0".."I4", each with one label 0,100,100,100 (so the degree equals the value), and an
// output "Uit" whose labels are given. A rule "Ik IS Vol DAN Uit IS Lj" fires at the value of Ik.
class TRegelModel {
  public:
    TRegelModel(std::vector<TTrapezium> uitLabels, int uitMin = -1000, int uitMax = 1000) {
        for (int k = 0; k < MaxInputs; ++k)
            m_.Input("I" + std::to_string(k), 0, 100).Label("Vol", 0, 100, 100, 100);
        m_.Output("Uit", uitMin, uitMax);
        for (std::size_t j = 0; j < uitLabels.size(); ++j) {
            const TTrapezium& t = uitLabels[j];
            m_.Label("L" + std::to_string(j), t.A, t.B, t.C, t.D);
        }
    }
    // A rule on input k with conclusion label j.
    TRegelModel& Regel(int k, int j) {
        m_.Regel({{k, 0, KoppelDAN}, {MaxInputs, j, KoppelGeen}});
        return *this;
    }
    TRegelModel& Methode(int d) {
        m_.Methoden(0, d);
        return *this;
    }
    TFuzzyModel Model() const { return m_; }

  private:
    MaakModel m_;
};

TInferentieToestand Evalueer(const TFuzzyModel& model, std::vector<int> waarden) {
    TInferentieToestand t{};
    KoppelInputs(model, t);
    for (std::size_t k = 0; k < waarden.size(); ++k)
        ZetInputWaarde(t, static_cast<int>(k), waarden[k]);
    FuzzificeerInputs(model, t);
    EvalueerRegels(model, t);
    return t;
}

struct TPuntenGeval {
    const char* naam;
    int sterkte;
    TTrapezium conclusie;
    TPunt punten[5];
};

class Punten : public ::testing::TestWithParam<TPuntenGeval> {};

TEST_P(Punten, AfgeknotTrapezium) {
    const TPuntenGeval& g = GetParam();
    const TFuzzyModel model = TRegelModel({g.conclusie}).Regel(0, 0).Model();
    const TInferentieToestand t = Evalueer(model, {g.sterkte});
    const TRegelResultaat& r = t.RegelResultaten[0];
    EXPECT_TRUE(r.Gevuurd);
    EXPECT_TRUE(t.ErIsGevuurd);
    for (int p = 0; p < 5; ++p) {
        EXPECT_EQ(r.Punten[p].X, g.punten[p].X) << "P" << p;
        EXPECT_EQ(r.Punten[p].Y, g.punten[p].Y) << "P" << p;
    }
}

INSTANTIATE_TEST_SUITE_P(
    Tabel, Punten,
    ::testing::Values(
        TPuntenGeval{
            "voorbeeld", 40, {0, 10, 20, 30}, {{0, 0}, {4, .4}, {14, .4}, {26, .4}, {30, 0}}},
        TPuntenGeval{
            "volle_sterkte", 100, {0, 10, 20, 30}, {{0, 0}, {10, 1}, {20, 1}, {20, 1}, {30, 0}}},
        TPuntenGeval{"verticale_linkerflank",
                     50,
                     {5, 5, 9, 12},
                     {{5, 0}, {5, .5}, {7, .5}, {10.5, .5}, {12, 0}}},
        TPuntenGeval{"verticale_rechterflank",
                     50,
                     {0, 4, 9, 9},
                     {{0, 0}, {2, .5}, {6.5, .5}, {9, .5}, {9, 0}}},
        TPuntenGeval{"negatief",
                     50,
                     {-20, -10, -5, 0},
                     {{-20, 0}, {-15, .5}, {-7.5, .5}, {-2.5, .5}, {0, 0}}},
        // A flank wider than 32 bits can hold: the difference is taken whole.
        TPuntenGeval{"breed",
                     50,
                     {-2'000'000'000, 2'000'000'000, 2'000'000'000, 2'000'000'000},
                     {{-2e9, 0}, {0, .5}, {2e9, .5}, {2e9, .5}, {2e9, 0}}}),
    [](const auto& info) { return std::string(info.param.naam); });

TEST(EvalueerRegel, NietGevuurdBijGraadNulEnWistDeVlagNiet) {
    const TFuzzyModel model =
        TRegelModel({{0, 10, 20, 30}, {20, 30, 40, 50}}).Regel(0, 0).Regel(1, 1).Model();
    TInferentieToestand t = Evalueer(model, {30, 0});
    EXPECT_TRUE(t.RegelResultaten[0].Gevuurd);
    EXPECT_FALSE(t.RegelResultaten[1].Gevuurd);
    EXPECT_TRUE(t.ErIsGevuurd);
    // A later non-firing evaluation does not clear the flag; only its owner does.
    ZetInputWaarde(t, 0, 0);
    FuzzificeerInputs(model, t);
    EvalueerRegels(model, t);
    EXPECT_FALSE(t.RegelResultaten[0].Gevuurd);
    EXPECT_TRUE(t.ErIsGevuurd);
}

TEST(EvalueerRegel, MinimumOverDeConditiesWelkeKoppelOokStaat) {
    // Degrees 70 and 40; the connectors between the conditions are ignored.
    TFuzzyModel model = TRegelModel({{0, 10, 20, 30}}).Model();
    for (std::int8_t koppel : {KoppelEN, KoppelGeen, KoppelLeeg, KoppelDAN}) {
        model.AantalRegels = 0;
        model.RegelLijst[model.AantalRegels++] = {
            3, {{0, 0, koppel}, {1, 0, KoppelDAN}, {MaxInputs, 0, KoppelGeen}}};
        const TInferentieToestand t = Evalueer(model, {70, 40});
        EXPECT_EQ(t.RegelResultaten[0].Punten[2].Y, 40 * 0.01) << int{koppel};
        EXPECT_EQ(t.RegelResultaten[0].Punten[1].X, 4.0);
    }
}

TEST(EvalueerRegel, GelijkeRegelsGevenGelijkeResultatenEnOudeBlijvenStaan) {
    TFuzzyModel model = TRegelModel({{0, 10, 20, 30}}).Regel(0, 0).Regel(0, 0).Regel(1, 0).Model();
    TInferentieToestand t = Evalueer(model, {60, 80});
    EXPECT_TRUE(Gelijk(t.RegelResultaten[0], t.RegelResultaten[1]));
    const TRegelResultaat derde = t.RegelResultaten[2];
    model.AantalRegels = 2;
    ZetInputWaarde(t, 1, 10);
    FuzzificeerInputs(model, t);
    EvalueerRegels(model, t);
    EXPECT_TRUE(Gelijk(t.RegelResultaten[2], derde));
}

TEST(EvalueerRegel, ImplicatieVeranderNiets) {
    TFuzzyModel model = TRegelModel({{0, 10, 20, 30}, {20, 30, 40, 50}, {40, 60, 70, 90}})
                            .Regel(0, 0)
                            .Regel(1, 1)
                            .Regel(2, 2)
                            .Model();
    model.ImplicatieMethode = 0;
    const TInferentieToestand ra = Evalueer(model, {40, 80, 23});
    for (int implicatie : {1, 2, -1, 77}) {
        model.ImplicatieMethode = implicatie;
        const TInferentieToestand t = Evalueer(model, {40, 80, 23});
        for (int r = 0; r < model.AantalRegels; ++r)
            EXPECT_TRUE(Gelijk(t.RegelResultaten[r], ra.RegelResultaten[r])) << implicatie;
        for (int d : {0, 1}) {
            model.DefuzzificatieMethode = d;
            TFuzzyModel zonder = model;
            zonder.ImplicatieMethode = 0;
            EXPECT_EQ(BerekenUitkomst(model, t), BerekenUitkomst(zonder, ra));
        }
    }
}

// The decided cases: a condition or conclusion that cannot be judged makes the rule not fire; a
// rule of one term fires at full strength.
struct TKeuzeGeval {
    const char* naam;
    std::vector<TRegelTerm> termen;
    bool gevuurd;
};

class Keuzes : public ::testing::TestWithParam<TKeuzeGeval> {};

TEST_P(Keuzes, OnbekendeConditieIsNietVervuld) {
    const TKeuzeGeval& g = GetParam();
    // Inputs I0..I4 (degree 100 at value 100), output Uit at index 5 with one label; variable 6
    // does not exist. Variable 2 is switched to output after binding would have taken it: the
    // model below marks it as output before binding.
    TFuzzyModel model = TRegelModel({{0, 10, 20, 30}}).Model();
    model.VariabeleLijst[2].IsOutput = 1;  // a condition on it has no row
    TRegel& regel = model.RegelLijst[0];
    regel.AantalTermen = static_cast<std::int32_t>(g.termen.size());
    for (std::size_t i = 0; i < g.termen.size(); ++i) regel.Termen[i] = g.termen[i];
    model.AantalRegels = 1;
    TInferentieToestand t{};
    std::memset(&t.RegelResultaten, 0x5A, sizeof t.RegelResultaten);
    t.ErIsGevuurd = false;
    KoppelInputs(model, t);
    for (int k = 0; k < t.AantalRijen; ++k) ZetInputWaarde(t, k, 100);
    FuzzificeerInputs(model, t);
    EvalueerRegels(model, t);
    EXPECT_EQ(t.RegelResultaten[0].Gevuurd, g.gevuurd);
    EXPECT_EQ(t.ErIsGevuurd, g.gevuurd);
    if (g.gevuurd) {
        EXPECT_EQ(t.RegelResultaten[0].Punten[2].Y, 1.0);
        EXPECT_EQ(t.RegelResultaten[0].Punten[2].X, 20.0);
        TFuzzyModel mom = model;
        mom.DefuzzificatieMethode = 0;
        EXPECT_EQ(BerekenUitkomst(mom, t), 20);
    }
}

constexpr int U = MaxInputs;  // the output variable's index in these models

INSTANTIATE_TEST_SUITE_P(
    Tabel, Keuzes,
    ::testing::Values(
        TKeuzeGeval{"gewoon", {{0, 0, KoppelDAN}, {U, 0, 0}}, true},
        TKeuzeGeval{"geen_variabele", {{-1, 0, KoppelEN}, {0, 0, KoppelDAN}, {U, 0, 0}}, false},
        TKeuzeGeval{
            "variabele_werd_output", {{0, 0, KoppelEN}, {2, 0, KoppelDAN}, {U, 0, 0}}, false},
        TKeuzeGeval{"conditie_op_de_output", {{U, 0, KoppelDAN}, {U, 0, 0}}, false},
        TKeuzeGeval{"variabele_bestaat_niet", {{6, 0, KoppelDAN}, {U, 0, 0}}, false},
        TKeuzeGeval{"variabele_ver_buiten", {{1000, 0, KoppelDAN}, {U, 0, 0}}, false},
        TKeuzeGeval{"label_verwijderd", {{0, 1, KoppelDAN}, {U, 0, 0}}, false},
        TKeuzeGeval{"label_buiten_de_array", {{0, 3, KoppelDAN}, {U, 0, 0}}, false},
        TKeuzeGeval{"geen_label", {{0, -1, KoppelDAN}, {U, 0, 0}}, false},
        TKeuzeGeval{"conclusie_zonder_variabele", {{0, 0, KoppelDAN}, {-1, 0, 0}}, false},
        TKeuzeGeval{"conclusie_variabele_bestaat_niet", {{0, 0, KoppelDAN}, {6, 0, 0}}, false},
        TKeuzeGeval{"conclusie_label_bestaat_niet", {{0, 0, KoppelDAN}, {U, 1, 0}}, false},
        TKeuzeGeval{"conclusie_zonder_label", {{0, 0, KoppelDAN}, {U, -1, 0}}, false},
        TKeuzeGeval{"geen_termen", {}, false}, TKeuzeGeval{"een_term", {{U, 0, 0}}, true},
        TKeuzeGeval{"zes_termen",
                    {{0, 0, 1}, {1, 0, 1}, {3, 0, 1}, {4, 0, 1}, {0, 0, 2}, {U, 0, 0}},
                    true}),
    [](const auto& info) { return std::string(info.param.naam); });

TEST(EvalueerRegel, NegatiefAantalTermenEnTeVeelTermen) {
    TFuzzyModel model = TRegelModel({{0, 10, 20, 30}}).Regel(0, 0).Model();
    model.RegelLijst[0].AantalTermen = -3;
    TInferentieToestand t = Evalueer(model, {100});
    EXPECT_FALSE(t.ErIsGevuurd);
    // More terms than a rule holds: only the six stored ones are read.
    model.RegelLijst[0] = {99, {{0, 0, 1}, {0, 0, 1}, {0, 0, 1}, {0, 0, 1}, {0, 0, 2}, {U, 0, 0}}};
    t = Evalueer(model, {100});
    EXPECT_TRUE(t.RegelResultaten[0].Gevuurd);
}

// ---------------------------------------------------------------------------------------------
// Aggregation and defuzzification

struct TRegelSterkte {
    int sterkte;  // firing strength in percent
    int label;    // conclusion label
};

struct TUitkomstGeval {
    const char* naam;
    std::vector<TTrapezium> labels;
    std::vector<TRegelSterkte> regels;
    int zwaartepunt;
    int maxima;
};

class Uitkomst : public ::testing::TestWithParam<TUitkomstGeval> {};

TEST_P(Uitkomst, BeideMethoden) {
    const TUitkomstGeval& g = GetParam();
    TRegelModel rm(g.labels);
    std::vector<int> waarden;
    for (std::size_t k = 0; k < g.regels.size(); ++k) {
        rm.Regel(static_cast<int>(k), g.regels[k].label);
        waarden.push_back(g.regels[k].sterkte);
    }
    TFuzzyModel model = rm.Model();
    const TInferentieToestand t = Evalueer(model, waarden);
    ASSERT_TRUE(t.ErIsGevuurd);
    model.DefuzzificatieMethode = 1;
    EXPECT_EQ(BerekenUitkomst(model, t), g.zwaartepunt) << "zwaartepunt";
    for (int methode : {0, 2, -1, 1000}) {  // anything but 1 is the mean of maxima
        model.DefuzzificatieMethode = methode;
        EXPECT_EQ(BerekenUitkomst(model, t), g.maxima) << "methode " << methode;
    }
}

const TTrapezium L0{0, 10, 20, 30}, L1{20, 30, 40, 50}, Ver{900, 950, 990, 1000};

INSTANTIATE_TEST_SUITE_P(
    Tabel, Uitkomst,
    ::testing::Values(
        // The worked rows.
        TUitkomstGeval{"rij1", {L0, L1}, {{40, 0}, {80, 1}}, 28, 38},
        TUitkomstGeval{"rij2", {L0, L1}, {{80, 0}, {80, 1}}, 25, 28},
        TUitkomstGeval{"rij3", {L0}, {{100, 0}}, 16, 20},
        TUitkomstGeval{"rij4_negatief", {{-20, -10, -5, 0}}, {{50, 0}}, -9, -7},
        // A single rule gives its own centre and its own P2.X, whatever its height.
        TUitkomstGeval{"een_regel_laag", {L0}, {{1, 0}}, 14, 10},
        // Rules that did not fire count nowhere, however far their points lie.
        TUitkomstGeval{"niet_gevuurd_ver_weg", {L0, Ver}, {{40, 0}, {0, 1}, {0, 1}}, 14, 14},
        // Ties: every rule at the top height counts once, wherever it stands.
        TUitkomstGeval{"gelijk_voor_en_na", {L0, L1, Ver}, {{80, 0}, {40, 2}, {80, 1}}, 211, 28},
        // A higher rule discards what was summed before it.
        TUitkomstGeval{"hogere_wist", {L0, L1}, {{40, 0}, {40, 0}, {41, 1}}, 21, 34},
        TUitkomstGeval{"hoogste_eerst", {L0, L1}, {{90, 1}, {40, 0}, {40, 0}}, 25, 39},
        // Truncation toward zero on a negative universe.
        TUitkomstGeval{"negatief_afkappen",
                       {{-30, -20, -12, -11}, {-10, -9, -8, -1}},
                       {{30, 0}, {30, 1}},
                       -12,
                       -13}),
    [](const auto& info) { return std::string(info.param.naam); });

TEST(BerekenUitkomst, GeenRegelGevuurdGeeftNul) {
    const TFuzzyModel model = TRegelModel({L0}).Regel(0, 0).Model();
    const TInferentieToestand t = Evalueer(model, {0});
    ASSERT_FALSE(t.ErIsGevuurd);
    EXPECT_EQ(BerekenUitkomst(model, t), 0);
}

TEST(BerekenUitkomst, UitersteUniversumBlijftBinnenHetBereik) {
    constexpr int lo = -2'147'483'647 - 1, hi = 2'147'483'647;
    for (int methode : {0, 1}) {
        const TFuzzyModel model = TRegelModel({{hi, hi, hi, hi}, {lo, lo, lo, lo}}, lo, hi)
                                      .Regel(0, 0)
                                      .Methode(methode)
                                      .Model();
        EXPECT_EQ(BerekenUitkomst(model, Evalueer(model, {77})), hi);
        const TFuzzyModel laag =
            TRegelModel({{lo, lo, lo, lo}}, lo, hi).Regel(0, 0).Methode(methode).Model();
        EXPECT_EQ(BerekenUitkomst(laag, Evalueer(laag, {77})), lo);
    }
}

struct TOutputGeval {
    std::vector<int> isOutput;
    int verwacht;
};

TEST(OutputVariabele, DeLaatsteMetVlagEen) {
    const TOutputGeval gevallen[] = {{{}, -1},       {{0, 0}, -1},      {{0, 1}, 1},
                                     {{1, 0, 0}, 0}, {{1, 0, 1, 0}, 2}, {{0, 2, 0}, -1}};
    for (const TOutputGeval& g : gevallen) {
        MaakModel m;
        for (std::size_t v = 0; v < g.isOutput.size(); ++v)
            m.Variabele("V" + std::to_string(v), 0, 0, 1);
        TFuzzyModel model = m.Model();
        for (std::size_t v = 0; v < g.isOutput.size(); ++v)
            model.VariabeleLijst[v].IsOutput = static_cast<std::int8_t>(g.isOutput[v]);
        EXPECT_EQ(OutputVariabele(model), g.verwacht) << ::testing::PrintToString(g.isOutput);
    }
}

}  // namespace
