// The label operations: the limit, new labels at Min, the trapezoid points with their checks in
// order, and deleting a label without changing what a rule means.
#include <gtest/gtest.h>

#include "Hulp.h"
#include "membership/Labels.h"
#include "support/GescripteDialogen.h"
#include "support/MaakModel.h"

namespace {

using Meldingen = std::vector<std::string>;

TEST(NieuwLabelTest, DrieLabelsWeigertZonderNaamTeVragen) {
    TFuzzyModel model = MaakModel()
                            .Input("x", 0, 9)
                            .Label("a", 0, 0, 1, 1)
                            .Label("b", 1, 2, 3, 4)
                            .Label("c", 4, 5, 6, 7);
    const TFuzzyModel voor = model;
    TGescripteDialogen dialogen;
    const Resultaat r = NieuwLabel(model, 0, dialogen);
    EXPECT_EQ(r.uitkomst, Uitkomst::Geweigerd);
    EXPECT_EQ(r.meldingen, Meldingen{"Het maximaal aantal labels is al bereikt"});
    EXPECT_TRUE(dialogen.naamVragen.empty());
    EXPECT_TRUE(model == voor);
}

TEST(NieuwLabelTest, AllePuntenOpMin) {
    TFuzzyModel model = MaakModel().Input("x", 10, 30).Label("a", 10, 12, 14, 16);
    TGescripteDialogen dialogen;
    dialogen.namen = {"Nieuw"};
    ASSERT_EQ(NieuwLabel(model, 0, dialogen).uitkomst, Uitkomst::Gewijzigd);
    const TVariabele& v = model.VariabeleLijst[0];
    ASSERT_EQ(v.AantalLabels, 2);
    EXPECT_EQ(Tekst(v.Labels[1].Naam), "Nieuw");
    for (int p : {v.Labels[1].A, v.Labels[1].B, v.Labels[1].C, v.Labels[1].D}) EXPECT_EQ(p, 10);
}

const char* const OnderMin =
    "De waarde kan niet kleiner worden dan de minimum-waarde van de variabele";
const char* const BovenMax =
    "De waarde kan niet groter worden dan de maximum-waarde van de variabele";
const char* const AboveB = "De waarde van a kan niet groter worden dan de waarde van b";
const char* const BonderA = "De waarde van b kan niet kleiner worden dan de waarde van a";
const char* const BboveC = "De waarde van b kan niet groter worden dan de waarde van c";
const char* const ConderB = "De waarde van c kan niet kleiner worden dan de waarde van b";
const char* const CboveD = "De waarde van c kan niet groter worden dan de waarde van d";
const char* const DonderC = "De waarde van d kan niet kleiner worden dan de waarde van c";

struct TPuntGeval {
    const char* omschrijving;
    int min, max;
    int a, b, c, d;  // stored points
    TLabelPunt punt;
    int kandidaat;
    int opgeslagen;  // the point afterwards
    Meldingen meldingen;
};

class ZetLabelPuntTest : public ::testing::TestWithParam<TPuntGeval> {};

TEST_P(ZetLabelPuntTest, ControlesInVolgorde) {
    const TPuntGeval& g = GetParam();
    TFuzzyModel model = MaakModel()
                            .Input("x", g.min, g.max)
                            .Label("eerste", 0, 0, 0, 0)
                            .Label("deze", g.a, g.b, g.c, g.d);
    TFuzzyModel verwacht = model;
    Punt(verwacht.VariabeleLijst[0].Labels[1], g.punt) = g.opgeslagen;

    const Resultaat r = ZetLabelPunt(model, 0, 1, g.punt, g.kandidaat);

    EXPECT_EQ(r.meldingen, g.meldingen);
    EXPECT_EQ(r.uitkomst, g.meldingen.empty() ? Uitkomst::Gewijzigd : Uitkomst::Geweigerd);
    EXPECT_TRUE(model == verwacht);
}

INSTANTIATE_TEST_SUITE_P(
    Punten, ZetLabelPuntTest,
    ::testing::Values(
        // A new label at Min = 10: only D can rise at once.
        TPuntGeval{"NieuwLabelDOmhoog", 10, 20, 10, 10, 10, 10, TLabelPunt::D, 11, 11, {}},
        TPuntGeval{"NieuwLabelCOmhoog", 10, 20, 10, 10, 10, 10, TLabelPunt::C, 11, 10, {CboveD}},
        TPuntGeval{"NieuwLabelBOmhoog", 10, 20, 10, 10, 10, 10, TLabelPunt::B, 11, 10, {BboveC}},
        TPuntGeval{"NieuwLabelAOmhoog", 10, 20, 10, 10, 10, 10, TLabelPunt::A, 11, 10, {AboveB}},
        TPuntGeval{"NieuwLabelAOnderMin", 10, 20, 10, 10, 10, 10, TLabelPunt::A, 9, 10, {OnderMin}},
        TPuntGeval{"AOpB", 0, 20, 4, 5, 8, 9, TLabelPunt::A, 5, 5, {}},
        TPuntGeval{"AVoorbijB", 0, 20, 5, 5, 8, 9, TLabelPunt::A, 6, 5, {AboveB}},
        TPuntGeval{"BOnderA", 0, 20, 4, 5, 8, 9, TLabelPunt::B, 3, 5, {BonderA}},
        TPuntGeval{"BOpC", 0, 20, 4, 5, 8, 9, TLabelPunt::B, 8, 8, {}},
        TPuntGeval{"BVoorbijC", 0, 20, 4, 8, 8, 9, TLabelPunt::B, 9, 8, {BboveC}},
        TPuntGeval{"COnderB", 0, 20, 4, 5, 8, 9, TLabelPunt::C, 4, 8, {ConderB}},
        TPuntGeval{"COpB", 0, 20, 4, 5, 8, 9, TLabelPunt::C, 5, 5, {}},
        TPuntGeval{"CVoorbijD", 0, 20, 4, 5, 9, 9, TLabelPunt::C, 10, 9, {CboveD}},
        TPuntGeval{"DOnderC", 0, 20, 4, 5, 8, 9, TLabelPunt::D, 7, 9, {DonderC}},
        TPuntGeval{"DOpMax", 0, 20, 4, 5, 8, 19, TLabelPunt::D, 20, 20, {}},
        TPuntGeval{"DVoorbijMax", 0, 20, 4, 5, 8, 20, TLabelPunt::D, 21, 20, {BovenMax}},
        TPuntGeval{"AOpMin", 0, 20, 1, 5, 8, 9, TLabelPunt::A, 0, 0, {}},
        // Points out of order, as only a file brings them in: each failing check puts the stored
        // value back, and the later checks then test that value.
        TPuntGeval{"UitVolgordeDrieMeldingen",
                   4,
                   10,
                   6,
                   3,
                   1,
                   9,
                   TLabelPunt::B,
                   2,
                   3,
                   {OnderMin, BonderA, BboveC}},
        TPuntGeval{
            "UitVolgordeTweeMeldingen", 0, 10, 5, 5, 12, 11, TLabelPunt::C, 13, 12, {BovenMax, CboveD}},
        TPuntGeval{
            "UitVolgordeGeldigeStapBlijftGeweigerd", 0, 10, 0, 7, 5, 9, TLabelPunt::B, 6, 7, {BboveC}}),
    [](const auto& info) { return std::string(info.param.omschrijving); });

TEST(HernoemLabelTest, PuntenBlijven) {
    TFuzzyModel model = MaakModel().Input("x", 0, 20).Label("Koud", 1, 2, 3, 4);
    TFuzzyModel verwacht = model;
    MaakModel::ZetNaam(verwacht.VariabeleLijst[0].Labels[0].Naam, "Kil");
    TGescripteDialogen dialogen;
    dialogen.namen = {"Kil"};
    ASSERT_EQ(HernoemLabel(model, 0, 0, dialogen).uitkomst, Uitkomst::Gewijzigd);
    EXPECT_TRUE(model == verwacht);
}

// Temp (index 0) with Koud, Lauw, Heet; Kachel (index 1) with Uit, Aan, Vol.
class VerwijderLabelTest : public ::testing::Test {
  protected:
    MaakModel Basis() {
        MaakModel m;
        m.Input("Temp", 0, 40)
            .Label("Koud", 0, 0, 10, 15)
            .Label("Lauw", 10, 15, 20, 25)
            .Label("Heet", 20, 30, 40, 40)
            .Output("Kachel", 0, 100)
            .Label("Uit", 0, 0, 0, 10)
            .Label("Aan", 10, 40, 60, 80)
            .Label("Vol", 80, 100, 100, 100);
        return m;
    }
};

TEST_F(VerwijderLabelTest, MiddelsteVanDrieSchuiftDeDerdeOpEnNummertDeRegelsOm) {
    TFuzzyModel model = Basis()
                            .Regel({{0, 2, KoppelDAN}, {1, 2, KoppelGeen}})
                            .Regel({{0, 0, KoppelDAN}, {1, 1, KoppelGeen}})
                            .Regel({{0, -1, KoppelDAN}, {1, 0, KoppelGeen}});
    const TFuzzyModel voor = model;

    ASSERT_EQ(VerwijderLabel(model, 0, 1).uitkomst, Uitkomst::Gewijzigd);

    TFuzzyModel verwacht = voor;
    verwacht.VariabeleLijst[0].Labels[1] = voor.VariabeleLijst[0].Labels[2];
    verwacht.VariabeleLijst[0].AantalLabels = 2;
    // Heet moved from 2 to 1; the same index of Kachel, Koud and "none" stay.
    verwacht.RegelLijst[0].Termen[0].Label = 1;
    EXPECT_TRUE(model == verwacht);
    EXPECT_EQ(Tekst(model.VariabeleLijst[0].Labels[1].Naam), "Heet");
    EXPECT_EQ(model.VariabeleLijst[0].Labels[1].B, 30);
}

TEST_F(VerwijderLabelTest, GebruiktLabelNoemtDeEersteRegel) {
    TFuzzyModel model =
        Basis()
            .Regel({{0, 0, KoppelDAN}, {1, 1, KoppelGeen}})  // Lauw's index, other variable
            .Regel({{0, 2, KoppelDAN}, {1, 0, KoppelGeen}})
            .Regel({{0, 0, KoppelEN}, {0, 1, KoppelDAN}, {1, 0, KoppelGeen}})
            .Regel({{0, 1, KoppelDAN}, {1, 0, KoppelGeen}});
    const TFuzzyModel voor = model;
    const Resultaat r = VerwijderLabel(model, 0, 1);
    EXPECT_EQ(r.uitkomst, Uitkomst::Geweigerd);
    EXPECT_EQ(r.meldingen, Meldingen{"Dit label wordt o.a. gebruikt in regel 3, \r\n"
                                     "weggooien van dit label gaat niet"});
    EXPECT_TRUE(model == voor);
}

// A label index that names no label (from a file) is left as it was, not shifted onto one.
TEST_F(VerwijderLabelTest, IndexZonderLabelBlijftStaan) {
    TFuzzyModel model = Basis().Regel({{0, 3, KoppelDAN}, {1, 2, KoppelGeen}});
    ASSERT_EQ(VerwijderLabel(model, 0, 0).uitkomst, Uitkomst::Gewijzigd);
    EXPECT_EQ(model.RegelLijst[0].Termen[0].Label, 3);
    EXPECT_EQ(model.RegelLijst[0].Termen[1].Label, 2);
}

TEST_F(VerwijderLabelTest, LaatsteEnEnigeLabel) {
    TFuzzyModel model = MaakModel().Input("x", 0, 5).Label("een", 0, 1, 2, 3);
    const TFuzzyModel voor = model;
    ASSERT_EQ(VerwijderLabel(model, 0, 0).uitkomst, Uitkomst::Gewijzigd);
    TFuzzyModel verwacht = voor;
    verwacht.VariabeleLijst[0].AantalLabels = 0;
    EXPECT_TRUE(model == verwacht);
}

TEST(LabelIndexTest, BuitenHetModelGebeurtNiets) {
    for (auto [v, k] : {std::pair{0, -1}, {0, 1}, {0, MaxLabels}, {1, 0}, {-1, 0}}) {
        SCOPED_TRACE(testing::Message() << v << "," << k);
        TFuzzyModel model = MaakModel().Input("x", 0, 5).Label("een", 0, 1, 2, 3);
        const TFuzzyModel voor = model;
        TGescripteDialogen dialogen;
        EXPECT_EQ(VerwijderLabel(model, v, k).uitkomst, Uitkomst::Niets);
        EXPECT_EQ(HernoemLabel(model, v, k, dialogen).uitkomst, Uitkomst::Niets);
        EXPECT_EQ(ZetLabelPunt(model, v, k, TLabelPunt::D, 4).uitkomst, Uitkomst::Niets);
        EXPECT_TRUE(model == voor);
    }
    TFuzzyModel leeg = MaakModel();
    TGescripteDialogen dialogen;
    EXPECT_EQ(NieuwLabel(leeg, 0, dialogen).uitkomst, Uitkomst::Niets);
}

}  // namespace
