// The variable operations: limits, kinds, deletion with the rules, the bounds and their order of
// checks.
#include <gtest/gtest.h>

#include <climits>
#include <functional>

#include "Hulp.h"
#include "membership/Variabelen.h"
#include "support/GescripteDialogen.h"
#include "support/MaakModel.h"

namespace {

using Meldingen = std::vector<std::string>;

TEST(NieuweVariabeleTest, ZesVariabelenWeigertZonderNaamTeVragen) {
    MaakModel m;
    for (const char* n : {"a", "b", "c", "d", "e"}) m.Input(n, 0, 1);
    TFuzzyModel model = m.Output("f", 0, 1);
    const TFuzzyModel voor = model;
    TGescripteDialogen dialogen;  // any question would throw
    const Resultaat r = NieuweVariabele(model, dialogen);
    EXPECT_EQ(r.uitkomst, Uitkomst::Geweigerd);
    EXPECT_EQ(r.meldingen, Meldingen{"Het maximaal aantal variabelen is al bereikt"});
    EXPECT_TRUE(dialogen.naamVragen.empty());
    EXPECT_TRUE(model == voor);
}

TEST(NieuweVariabeleTest, VijfInputsDanEenOutput) {
    TFuzzyModel model = MaakModel();
    TGescripteDialogen dialogen;
    dialogen.namen = {"v1", "v2", "v3", "v4", "v5", "v6"};
    for (int i = 0; i < 6; ++i) {
        SCOPED_TRACE(i);
        ASSERT_EQ(NieuweVariabele(model, dialogen).uitkomst, Uitkomst::Gewijzigd);
        const TVariabele& v = model.VariabeleLijst[i];
        EXPECT_EQ(v.IsOutput, i < 5 ? 0 : 1);
        EXPECT_EQ(model.GekozenVariabele, i + 1);
    }
    EXPECT_EQ(model.AantalInputs, 5);
    EXPECT_EQ(model.AantalOutputs, 1);
    EXPECT_EQ(model.AantalVariabelen, 6);
}

// The new record gets its name, bounds 0..1 and no labels; its label slots and Reserve keep
// whatever the slot held.
TEST(NieuweVariabeleTest, NieuwRecordRaaktAlleenZijnEigenVeldenAan) {
    TFuzzyModel model = SchildwachtModel();
    model.AantalInputs = 1;
    model.AantalOutputs = 0;
    model.AantalVariabelen = 1;
    model.AantalRegels = 0;
    MaakModel::ZetNaam(model.VariabeleLijst[0].Naam, "Temp");
    TFuzzyModel verwacht = model;
    TGescripteDialogen dialogen;
    dialogen.namen = {"Druk"};

    ASSERT_EQ(NieuweVariabele(model, dialogen).uitkomst, Uitkomst::Gewijzigd);

    TVariabele& v = verwacht.VariabeleLijst[1];
    MaakModel::ZetNaam(v.Naam, "Druk");
    v.IsOutput = 0;
    v.Min = 0;
    v.Max = 1;
    v.AantalLabels = 0;
    verwacht.AantalInputs = 2;
    verwacht.AantalVariabelen = 2;
    verwacht.GekozenVariabele = 2;
    EXPECT_TRUE(model == verwacht);
}

// Rules as the user numbers them: rules 3 and 5 use Druk (index 1).
TEST(VerwijderVariabeleTest, GebruikteVariabeleNoemtDeEersteRegel) {
    TFuzzyModel model = MaakModel()
                            .Input("Temp", 0, 10)
                            .Input("Druk", 0, 10)
                            .Output("Kachel", 0, 10)
                            .Regel({{0, 0, KoppelDAN}, {2, 0, KoppelGeen}})
                            .Regel({{0, 0, KoppelDAN}, {2, 0, KoppelGeen}})
                            .Regel({{0, 0, KoppelEN}, {1, 0, KoppelDAN}, {2, 0, KoppelGeen}})
                            .Regel({{0, 0, KoppelDAN}, {2, 0, KoppelGeen}})
                            .Regel({{1, 0, KoppelDAN}, {2, 0, KoppelGeen}});
    const TFuzzyModel voor = model;
    const Resultaat r = VerwijderVariabele(model, 1);
    EXPECT_EQ(r.uitkomst, Uitkomst::Geweigerd);
    EXPECT_EQ(r.meldingen, Meldingen{"Deze variabele wordt o.a. gebruikt in regel 3, \r\n"
                                     "weggooien van deze variabele gaat niet"});
    EXPECT_TRUE(model == voor);
}

// Only terms within a rule's count are looked at; a term slot beyond it is no use.
TEST(VerwijderVariabeleTest, TermenVoorbijHetAantalTellenNiet) {
    TFuzzyModel model = MaakModel().Input("a", 0, 1).Input("b", 0, 1).Regel({{0, 0, KoppelDAN}});
    model.RegelLijst[0].Termen[1] = {1, 0, KoppelGeen};
    EXPECT_EQ(VerwijderVariabele(model, 1).uitkomst, Uitkomst::Gewijzigd);
}

TEST(VerwijderVariabeleTest, IndexEenVanVierSchuiftDeRestEnDeRegelsOp) {
    TFuzzyModel model = MaakModel()
                            .Input("V0", 0, 10)
                            .Label("L0", 0, 0, 5, 5)
                            .Input("V1", 0, 20)
                            .Input("V2", 5, 30)
                            .Label("L2a", 5, 5, 6, 6)
                            .Label("L2b", 6, 7, 8, 9)
                            .Output("V3", -5, 50)
                            .Label("L3", 0, 1, 2, 3)
                            .Regel({{0, 0, KoppelDAN}, {3, 0, KoppelGeen}})
                            .Regel({{2, 1, KoppelEN}, {0, 0, KoppelDAN}, {3, 0, KoppelGeen}});
    model.VariabeleLijst[2].Reserve = 7;
    TFuzzyModel voor = model;

    ASSERT_EQ(VerwijderVariabele(model, 1).uitkomst, Uitkomst::Gewijzigd);

    TFuzzyModel verwacht = voor;
    verwacht.VariabeleLijst[1] = voor.VariabeleLijst[2];
    verwacht.VariabeleLijst[2] = voor.VariabeleLijst[3];
    verwacht.AantalVariabelen = 3;
    verwacht.AantalInputs = 2;
    verwacht.RegelLijst[0].Termen[1].Variabele = 2;
    verwacht.RegelLijst[1].Termen[0].Variabele = 1;
    verwacht.RegelLijst[1].Termen[2].Variabele = 2;
    EXPECT_TRUE(model == verwacht);
    EXPECT_EQ(model.VariabeleLijst[1].Reserve, 7);
    EXPECT_EQ(Tekst(model.VariabeleLijst[1].Labels[1].Naam), "L2b");
}

TEST(VerwijderVariabeleTest, NaDeOutputKanEenAndereOutputWorden) {
    TFuzzyModel model = MaakModel().Input("a", 0, 1).Output("b", 0, 1).Input("c", 0, 1);
    ASSERT_EQ(VerwijderVariabele(model, 1).uitkomst, Uitkomst::Gewijzigd);
    EXPECT_EQ(model.AantalOutputs, 0);
    EXPECT_EQ(MaakOutput(model, 1).uitkomst, Uitkomst::Gewijzigd);
    EXPECT_EQ(model.VariabeleLijst[1].IsOutput, 1);
    EXPECT_EQ(model.AantalOutputs, 1);
    EXPECT_EQ(model.AantalInputs, 1);
}

// A file whose counts disagree with a variable's kind: deleting it lowers a count that has room,
// so the counts still add up to the variables and the next save reads back.
TEST(VerwijderVariabeleTest, SoortDieNietBijDeTellingenPast) {
    for (int soort : {0, 1, 2}) {
        SCOPED_TRACE(soort);
        TFuzzyModel model = MaakModel().Input("a", 0, 1).Input("b", 0, 1);
        model.VariabeleLijst[1].IsOutput = static_cast<std::int8_t>(soort);
        ASSERT_EQ(VerwijderVariabele(model, 1).uitkomst, Uitkomst::Gewijzigd);
        EXPECT_EQ(model.AantalInputs, 1);
        EXPECT_EQ(model.AantalOutputs, 0);
        EXPECT_EQ(model.AantalVariabelen, 1);
    }
    TFuzzyModel model = MaakModel().Output("uit", 0, 1);
    model.VariabeleLijst[0].IsOutput = 0;
    ASSERT_EQ(VerwijderVariabele(model, 0).uitkomst, Uitkomst::Gewijzigd);
    EXPECT_EQ(model.AantalInputs, 0);
    EXPECT_EQ(model.AantalOutputs, 0);
}

// The same file made into an input: the counts had it as an input already, so they stay, and still
// add up to the variables.
TEST(MaakInputTest, SoortDieNietBijDeTellingenPast) {
    for (int soort : {1, 2, -1}) {
        SCOPED_TRACE(soort);
        TFuzzyModel model = MaakModel().Input("a", 0, 1).Input("b", 0, 1);
        model.VariabeleLijst[1].IsOutput = static_cast<std::int8_t>(soort);
        ASSERT_EQ(MaakInput(model, 1).uitkomst, Uitkomst::Gewijzigd);
        EXPECT_EQ(model.VariabeleLijst[1].IsOutput, 0);
        EXPECT_EQ(model.AantalInputs, 2);
        EXPECT_EQ(model.AantalOutputs, 0);
        EXPECT_EQ(model.AantalVariabelen, 2);
    }
}

// The bounds. Temp 0..40 with a label whose points run 5..30; Leeg -10..10 without labels.
struct TGrensGeval {
    const char* omschrijving;
    bool maximum;  // ZetMaximum, else ZetMinimum
    int variabele;
    int kandidaat;
    Meldingen meldingen;  // empty: accepted
};

class GrensTest : public ::testing::TestWithParam<TGrensGeval> {};

TEST_P(GrensTest, ControlesInVolgorde) {
    const TGrensGeval& g = GetParam();
    TFuzzyModel model = MaakModel()
                            .Input("Temp", 0, 40)
                            .Label("Koud", 5, 10, 10, 20)
                            .Label("Warm", 10, 20, 30, 30)
                            .Input("Leeg", -10, 10);
    const TFuzzyModel voor = model;
    const Resultaat r = g.maximum ? ZetMaximum(model, g.variabele, g.kandidaat)
                                  : ZetMinimum(model, g.variabele, g.kandidaat);
    EXPECT_EQ(r.meldingen, g.meldingen);
    if (g.meldingen.empty()) {
        EXPECT_EQ(r.uitkomst, Uitkomst::Gewijzigd);
        TFuzzyModel verwacht = voor;
        (g.maximum ? verwacht.VariabeleLijst[g.variabele].Max
                   : verwacht.VariabeleLijst[g.variabele].Min) = g.kandidaat;
        EXPECT_TRUE(model == verwacht);
    } else {
        EXPECT_EQ(r.uitkomst, Uitkomst::Geweigerd);
        EXPECT_TRUE(model == voor);
    }
}

const char* const MinPunt = "De minimum waarde kan niet groter zijn dan een punt in een label";
const char* const MinMax = "De minimum waarde moet kleiner zijn dan de maximum waarde";
const char* const MaxPunt = "De maximum waarde kan niet kleiner zijn dan een punt in een label";
const char* const MaxMin = "De maximum waarde moet groter zijn dan de minimum waarde";

INSTANTIATE_TEST_SUITE_P(
    Grenzen, GrensTest,
    ::testing::Values(TGrensGeval{"MinOmlaag", false, 0, -3, {}},
                      TGrensGeval{"MinOpKleinstePunt", false, 0, 5, {}},
                      TGrensGeval{"MinEenBovenKleinstePunt", false, 0, 6, {MinPunt}},
                      TGrensGeval{"MinBovenMaxEnPuntenGeeftPuntMelding", false, 0, 50, {MinPunt}},
                      TGrensGeval{"MinGelijkMaxZonderLabels", false, 1, 10, {MinMax}},
                      TGrensGeval{"MinEenOnderMaxZonderLabels", false, 1, 9, {}},
                      TGrensGeval{"MinKleinstMogelijk", false, 1, INT_MIN, {}},
                      TGrensGeval{"MaxOmhoog", true, 0, 41, {}},
                      TGrensGeval{"MaxOpGrootstePunt", true, 0, 30, {}},
                      TGrensGeval{"MaxEenOnderGrootstePunt", true, 0, 29, {MaxPunt}},
                      TGrensGeval{"MaxOnderMinEnPuntenGeeftPuntMelding", true, 0, -1, {MaxPunt}},
                      TGrensGeval{"MaxGelijkMinZonderLabels", true, 1, -10, {MaxMin}},
                      TGrensGeval{"MaxEenBovenMinZonderLabels", true, 1, -9, {}},
                      TGrensGeval{"MaxGrootstMogelijk", true, 1, INT_MAX, {}}),
    [](const auto& info) { return std::string(info.param.omschrijving); });

// The label check comes first also when the candidate equals the other bound.
TEST(GrensTest, LabelControleVoorDeGrenscontrole) {
    TFuzzyModel model = MaakModel().Input("x", 0, 10).Label("l", 0, 0, 0, 1);
    EXPECT_EQ(ZetMaximum(model, 0, 0).meldingen, Meldingen{MaxPunt});
    model = MaakModel().Input("x", 0, 10).Label("l", 9, 10, 10, 10);
    EXPECT_EQ(ZetMinimum(model, 0, 10).meldingen, Meldingen{MinPunt});
}

struct TSoortGeval {
    const char* omschrijving;
    bool naarOutput;
    int inputs;   // inputs before the variable in question
    bool output;  // whether there is an output besides it
    bool isOutput;
    Uitkomst uitkomst;
    Meldingen meldingen;
};

class SoortTest : public ::testing::TestWithParam<TSoortGeval> {};

TEST_P(SoortTest, WisseltOfWeigert) {
    const TSoortGeval& g = GetParam();
    MaakModel m;
    for (int i = 0; i < g.inputs; ++i) m.Input("i" + std::to_string(i), 0, 1);
    if (g.output) m.Output("uit", 0, 1);
    m.Variabele("deze", g.isOutput ? 1 : 0, 0, 1);
    TFuzzyModel model = m;
    const int v = model.AantalVariabelen - 1;
    const TFuzzyModel voor = model;

    const Resultaat r = g.naarOutput ? MaakOutput(model, v) : MaakInput(model, v);

    EXPECT_EQ(r.uitkomst, g.uitkomst);
    EXPECT_EQ(r.meldingen, g.meldingen);
    if (g.uitkomst != Uitkomst::Gewijzigd) {
        EXPECT_TRUE(model == voor);
    } else {
        EXPECT_EQ(model.VariabeleLijst[v].IsOutput, g.naarOutput ? 1 : 0);
        EXPECT_EQ(model.AantalInputs, voor.AantalInputs + (g.naarOutput ? -1 : 1));
        EXPECT_EQ(model.AantalOutputs, voor.AantalOutputs + (g.naarOutput ? 1 : -1));
        EXPECT_EQ(model.AantalVariabelen, voor.AantalVariabelen);
    }
}

INSTANTIATE_TEST_SUITE_P(
    Soorten, SoortTest,
    ::testing::Values(
        TSoortGeval{"InputIsAlInput", false, 2, false, false, Uitkomst::Niets, {}},
        TSoortGeval{"OutputIsAlOutput", true, 2, false, true, Uitkomst::Niets, {}},
        TSoortGeval{"OutputNaarInput", false, 4, false, true, Uitkomst::Gewijzigd, {}},
        TSoortGeval{"OutputNaarInputBijVijfInputs",
                    false,
                    5,
                    false,
                    true,
                    Uitkomst::Geweigerd,
                    {"Het maximaal aantal inputvariabelen is bereikt"}},
        TSoortGeval{"InputNaarOutput", true, 2, false, false, Uitkomst::Gewijzigd, {}},
        TSoortGeval{"InputNaarOutputTerwijlErEenIs",
                    true,
                    2,
                    true,
                    false,
                    Uitkomst::Geweigerd,
                    {"Het maximaal aantal outputvariabelen is bereikt"}}),
    [](const auto& info) { return std::string(info.param.omschrijving); });

// A ten-character name is kept whole and renaming leaves the kind alone.
TEST(HernoemVariabeleTest, TienTekensBijDeOutputLatenHemOutput) {
    TFuzzyModel model = MaakModel().Input("a", 0, 1).Output("b", 0, 1);
    TGescripteDialogen dialogen;
    dialogen.namen = {"Uitvoer123"};
    TFuzzyModel verwacht = model;
    MaakModel::ZetNaam(verwacht.VariabeleLijst[1].Naam, "Uitvoer123");
    ASSERT_EQ(HernoemVariabele(model, 1, dialogen).uitkomst, Uitkomst::Gewijzigd);
    EXPECT_TRUE(model == verwacht);
}

// No operation runs on a variable that does not exist (an empty selection).
TEST(VariabeleIndexTest, BuitenHetModelGebeurtNiets) {
    const std::vector<std::function<Resultaat(TFuzzyModel&, int)>> operaties = {
        [](TFuzzyModel& m, int v) { return VerwijderVariabele(m, v); },
        [](TFuzzyModel& m, int v) {
            TGescripteDialogen d;
            return HernoemVariabele(m, v, d);
        },
        [](TFuzzyModel& m, int v) { return ZetMinimum(m, v, -5); },
        [](TFuzzyModel& m, int v) { return ZetMaximum(m, v, 5); },
        [](TFuzzyModel& m, int v) { return MaakInput(m, v); },
        [](TFuzzyModel& m, int v) { return MaakOutput(m, v); },
    };
    for (std::size_t o = 0; o < operaties.size(); ++o)
        for (int v : {-1, 2, MaxVariabelen}) {
            SCOPED_TRACE(testing::Message() << "operation " << o << ", index " << v);
            TFuzzyModel model = MaakModel().Input("a", 0, 1).Output("b", 0, 1);
            const TFuzzyModel voor = model;
            EXPECT_EQ(operaties[o](model, v).uitkomst, Uitkomst::Niets);
            EXPECT_TRUE(model == voor);
        }
}

}  // namespace
