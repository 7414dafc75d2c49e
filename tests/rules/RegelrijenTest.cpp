// The composer rows: the change handlers' cascade, rows to rule and back, and the rule check.
#include <gtest/gtest.h>

#include <ostream>
#include <string>
#include <vector>

#include "rules/RegelTekst.h"
#include "rules/Regelrijen.h"
#include "support/MaakModel.h"

namespace {

// Six variables, so that a six-term rule can name each once. "Leeg" has no labels.
TFuzzyModel ZesVariabelen() {
    return MaakModel()
        .Input("Temp", 0, 40)
        .Label("Koud", 0, 0, 10, 20)
        .Label("Warm", 20, 30, 40, 40)
        .Input("Vocht", 0, 100)
        .Label("Droog", 0, 0, 20, 40)
        .Label("Nat", 40, 60, 100, 100)
        .Label("Zeer", 80, 90, 100, 100)
        .Input("Licht", 0, 10)
        .Label("Donker", 0, 0, 2, 5)
        .Input("Leeg", 0, 1)
        .Input("Wind", 0, 50)
        .Label("Stil", 0, 0, 5, 10)
        .Output("Kachel", 0, 100)
        .Label("Laag", 0, 0, 20, 50)
        .Label("Hoog", 50, 80, 100, 100);
}
constexpr int Temp = 0, Vocht = 1, Licht = 2, Leeg = 3, Wind = 4, Kachel = 5;
constexpr int EN = 0, DAN = 1, LeegItem = 2, Verborgen = -2;

// One row as a test writes it: variable and label chosen, and the connector box after it (an
// item index, -1 for shown with nothing chosen, Verborgen for hidden).
struct TRij {
    int variabele, label, koppel;
};

TRegelRijen Rijen(const TFuzzyModel& model, std::vector<TRij> rijen) {
    TRegelRijen r;
    VulVariabeleBoxen(r, model);
    for (int i = 0; i < static_cast<int>(rijen.size()); ++i) {
        const int rij = i + 1;
        r[rij].Variabele.Getoond = r[rij].IsGetoond = r[rij].Label.Getoond = true;
        r[rij].Variabele.Gekozen = rijen[i].variabele;
        VulLabelBox(r, model, rij);
        r[rij].Label.Gekozen = rijen[i].label;
        if (rij <= AantalKoppelBoxen) {
            r[rij].Koppel.Getoond = rijen[i].koppel != Verborgen;
            r[rij].Koppel.Gekozen = rijen[i].koppel == Verborgen ? -1 : rijen[i].koppel;
        }
    }
    return r;
}

// Shown state of all rows, one group per row: "r" the row's three controls shown, "-" hidden,
// "?" mixed; then "k" for a shown connector box, "." for a hidden one (row 6 has none).
std::string Zichtbaar(const TRegelRijen& r) {
    std::string s;
    for (int rij = 1; rij <= MaxTermen; ++rij) {
        const TRegelRij& x = r[rij];
        const int n = x.Variabele.Getoond + x.IsGetoond + x.Label.Getoond;
        s += n == 3 ? 'r' : n == 0 ? '-' : '?';
        if (rij <= AantalKoppelBoxen) s += x.Koppel.Getoond ? 'k' : '.';
        if (rij < MaxTermen) s += ' ';
    }
    return s;
}

std::string Termen(const TRegel& regel) {
    std::string s;
    for (int t = 0; t < regel.AantalTermen; ++t)
        s += "(" + std::to_string(regel.Termen[t].Variabele) + "," +
             std::to_string(regel.Termen[t].Label) + "," + std::to_string(regel.Termen[t].Koppel) +
             ")";
    return s;
}

struct TControleGeval {
    const char* naam;
    std::vector<TRij> rijen;
    const char* melding;  // nullptr: passes
    const char* termen;   // the candidate's terms, as RijenNaarRegel reads them
};
void PrintTo(const TControleGeval& g, std::ostream* os) { *os << g.naam; }

class RegelControleren_ : public testing::TestWithParam<TControleGeval> {};

TEST_P(RegelControleren_, EenMeldingOfOpgeslagen) {
    const TControleGeval& g = GetParam();
    TFuzzyModel model = ZesVariabelen();
    // The slot holds a former rule, which a refusal must leave in place to the last byte.
    model.RegelLijst[3] = {2, {{Wind, 0, KoppelDAN}, {Kachel, 1, KoppelGeen}, {4, 4, 4}}};
    const TFuzzyModel voor = model;
    const TRegelRijen rijen = Rijen(model, g.rijen);

    TRegel kandidaat = voor.RegelLijst[3];
    RijenNaarRegel(rijen, kandidaat);
    EXPECT_EQ(Termen(kandidaat), g.termen);

    const Resultaat r = RegelControleren(model, rijen, 3);
    if (g.melding == nullptr) {
        EXPECT_EQ(r.uitkomst, Uitkomst::Gewijzigd);
        EXPECT_TRUE(r.meldingen.empty());
        EXPECT_EQ(Termen(model.RegelLijst[3]), g.termen);
        EXPECT_EQ(model.AantalRegels, voor.AantalRegels);
    } else {
        EXPECT_EQ(r.uitkomst, Uitkomst::Geweigerd);
        EXPECT_EQ(r.meldingen, std::vector<std::string>{g.melding});
        EXPECT_TRUE(model == voor);
    }
}

INSTANTIATE_TEST_SUITE_P(
    Kandidaten, RegelControleren_,
    testing::Values(
        TControleGeval{"DanOpEersteTermOutputErna",
                       {{Temp, 1, DAN}, {Kachel, 0, Verborgen}},
                       nullptr,
                       "(0,1,2)(5,0,0)"},
        TControleGeval{"TweedeTermOpInput",
                       {{Temp, 1, DAN}, {Vocht, 0, Verborgen}},
                       MeldingGeenOutputNaDan,
                       "(0,1,2)(1,0,0)"},
        TControleGeval{"DrieTermenEnDan",
                       {{Temp, 0, EN}, {Vocht, 2, DAN}, {Kachel, 1, Verborgen}},
                       nullptr,
                       "(0,0,1)(1,2,2)(5,1,0)"},
        TControleGeval{"OutputAlsVoorwaardeEnGevolg",
                       {{Kachel, 0, DAN}, {Kachel, 1, Verborgen}},
                       MeldingHerhaaldeVariabele,
                       "(5,0,2)(5,1,0)"},
        // Both the first and the third check fail here: only the first is reported.
        TControleGeval{"HerhalingVoorGeenOutput",
                       {{Temp, 0, EN}, {Temp, 1, DAN}, {Vocht, 0, Verborgen}},
                       MeldingHerhaaldeVariabele,
                       "(0,0,1)(0,1,2)(1,0,0)"},
        TControleGeval{"DrieMaalDezelfdeEenMelding",
                       {{Temp, 0, EN}, {Temp, 1, EN}, {Temp, 0, DAN}, {Kachel, 0, Verborgen}},
                       MeldingHerhaaldeVariabele,
                       "(0,0,1)(0,1,1)(0,0,2)(5,0,0)"},
        TControleGeval{"EenTermGeenDan", {{Temp, 0, Verborgen}}, MeldingGeenDan, "(0,0,0)"},
        TControleGeval{"AlleenEnGeenDan",
                       {{Temp, 0, EN}, {Kachel, 0, Verborgen}},
                       MeldingGeenDan,
                       "(0,0,1)(5,0,0)"},
        TControleGeval{"GeenVariabeleNaDan",
                       {{Temp, 0, DAN}, {-1, -1, Verborgen}},
                       MeldingGeenOutputNaDan,
                       "(0,0,2)(-1,-1,0)"},
        TControleGeval{"ZesTermenLaatsteDanBeslist",
                       {{Temp, 0, DAN},
                        {Vocht, 0, EN},
                        {Licht, 0, EN},
                        {Wind, 0, EN},
                        {Kachel, 0, DAN},
                        {Leeg, -1, Verborgen}},
                       MeldingGeenOutputNaDan,
                       "(0,0,2)(1,0,1)(2,0,1)(4,0,1)(5,0,2)(3,-1,0)"},
        TControleGeval{"LaatsteDanMetTermErnaBeslist",
                       {{Temp, 0, DAN}, {Vocht, 0, EN}, {Licht, 0, DAN}, {Kachel, 0, Verborgen}},
                       nullptr,
                       "(0,0,2)(1,0,1)(2,0,2)(5,0,0)"},
        TControleGeval{"GeenLabelGekozen",
                       {{Temp, -1, DAN}, {Kachel, 0, Verborgen}},
                       MeldingLegeTerm,
                       "(0,-1,2)(5,0,0)"},
        TControleGeval{"GeenVariabeleGekozen",
                       {{-1, -1, EN}, {Temp, 0, DAN}, {Kachel, 0, Verborgen}},
                       MeldingLegeTerm,
                       "(-1,-1,1)(0,0,2)(5,0,0)"},
        TControleGeval{"VariabeleZonderLabels",
                       {{Leeg, -1, DAN}, {Kachel, 1, Verborgen}},
                       MeldingLegeTerm,
                       "(3,-1,2)(5,1,0)"}),
    [](const testing::TestParamInfo<TControleGeval>& info) { return info.param.naam; });

// A shown connector box with nothing chosen does not end the rule: the row below is read from its
// hidden boxes.
TEST(RijenNaarRegel, VerborgenRijOnderLegeKoppelWordtGelezen) {
    const TFuzzyModel model = ZesVariabelen();
    struct {
        int verborgen;
        const char* termen;
        const char* melding;
    } gevallen[] = {
        {Vocht, "(0,0,0)(1,1,0)", MeldingGeenDan},
        {Temp, "(0,0,0)(0,1,0)", MeldingHerhaaldeVariabele},
    };
    for (const auto& g : gevallen) {
        TRegelRijen rijen = Rijen(model, {{Temp, 0, -1}, {g.verborgen, 1, Verborgen}});
        rijen[2].Variabele.Getoond = rijen[2].IsGetoond = rijen[2].Label.Getoond = false;
        ASSERT_EQ(Zichtbaar(rijen), "rk -. -. -. -. -");
        TRegel regel{};
        RijenNaarRegel(rijen, regel);
        EXPECT_EQ(Termen(regel), g.termen);
        TFuzzyModel m = model;
        EXPECT_EQ(RegelControleren(m, rijen, 0).meldingen, std::vector<std::string>{g.melding});
    }
}

TEST(RijenNaarRegel, TermenVoorbijHetAantalBlijven) {
    const TFuzzyModel model = ZesVariabelen();
    TRegel regel = {6, {{1, 1, 1}, {2, 2, 1}, {3, 3, 1}, {4, 4, 1}, {5, 5, 1}, {6, 6, 6}}};
    RijenNaarRegel(Rijen(model, {{Temp, 0, DAN}, {Kachel, 1, Verborgen}}), regel);
    EXPECT_EQ(regel.AantalTermen, 2);
    EXPECT_EQ(regel.Termen[2].Variabele, 3);
    EXPECT_EQ(regel.Termen[5].Koppel, 6);
}

struct TKoppelGeval {
    const char* naam;
    std::vector<TRij> rijen;  // the start: these rows shown
    int box, item;            // the user's choice
    const char* zichtbaar;    // shown state afterwards
    const char* termen;       // the candidate afterwards
};
void PrintTo(const TKoppelGeval& g, std::ostream* os) { *os << g.naam; }

class KoppelGekozen_ : public testing::TestWithParam<TKoppelGeval> {};

TEST_P(KoppelGekozen_, ToontEnVerbergtRijen) {
    const TKoppelGeval& g = GetParam();
    const TFuzzyModel model = ZesVariabelen();
    TRegelRijen rijen = Rijen(model, g.rijen);
    TRegelRijen verwacht = rijen;
    rijen[g.box].Koppel.Gekozen = g.item;
    KoppelGekozen(rijen, g.box, g.item);
    EXPECT_EQ(Zichtbaar(rijen), g.zichtbaar);
    TRegel regel{};
    RijenNaarRegel(rijen, regel);
    EXPECT_EQ(Termen(regel), g.termen);
    // Nothing but the shown state and the choice in the box changes: hidden boxes keep their
    // items and choices.
    for (int rij = 1; rij <= MaxTermen; ++rij) {
        verwacht[rij].Variabele.Getoond = rijen[rij].Variabele.Getoond;
        verwacht[rij].IsGetoond = rijen[rij].IsGetoond;
        verwacht[rij].Label.Getoond = rijen[rij].Label.Getoond;
        verwacht[rij].Koppel.Getoond = rijen[rij].Koppel.Getoond;
    }
    verwacht[g.box].Koppel.Gekozen = g.item;
    EXPECT_TRUE(rijen == verwacht);
}

const std::vector<TRij> ZesRijen = {{Temp, 0, EN}, {Vocht, 1, EN}, {Licht, 0, EN},
                                    {Wind, 0, EN}, {Leeg, -1, EN}, {Kachel, 1, 0}};

INSTANTIATE_TEST_SUITE_P(
    Cascade, KoppelGekozen_,
    testing::Values(
        TKoppelGeval{"EnToontVolgendeRijMetKoppel",
                     {{Temp, 0, -1}},
                     1,
                     EN,
                     "rk rk -. -. -. -",
                     "(0,0,1)(-1,-1,0)(-1,-1,0)"},
        TKoppelGeval{"DanToontVolgendeRijZonderKoppel",
                     {{Temp, 0, -1}},
                     1,
                     DAN,
                     "rk r. -. -. -. -",
                     "(0,0,2)(-1,-1,0)"},
        TKoppelGeval{"DanInKoppel2VerbergtRijen4Tot6", ZesRijen, 2, DAN, "rk rk r. -. -. -",
                     "(0,0,1)(1,1,2)(2,0,0)"},
        TKoppelGeval{"DanInKoppel1VerbergtAlles", ZesRijen, 1, DAN, "rk r. -. -. -. -",
                     "(0,0,2)(1,1,0)"},
        TKoppelGeval{"DanInKoppel4", ZesRijen, 4, DAN, "rk rk rk rk r. -",
                     "(0,0,1)(1,1,1)(2,0,1)(4,0,2)(3,-1,0)"},
        TKoppelGeval{"EnNaDanToontAlleenDeVolgendeRij",
                     {{Temp, 0, DAN}, {Kachel, 1, Verborgen}},
                     1,
                     EN,
                     "rk rk -. -. -. -",
                     "(0,0,1)(5,1,0)(-1,-1,0)"},
        TKoppelGeval{
            "LeegItemVanKoppel5ToontRij6",
            {{Temp, 0, EN}, {Vocht, 1, EN}, {Licht, 0, EN}, {Wind, 0, EN}, {Kachel, 0, -1}},
            5,
            LeegItem,
            "rk rk rk rk rk r",
            "(0,0,1)(1,1,1)(2,0,1)(4,0,1)(5,0,3)(-1,-1,0)"},
        TKoppelGeval{"DanInKoppel5VerbergtNiets", ZesRijen, 5, DAN, "rk rk rk rk rk r",
                     "(0,0,1)(1,1,1)(2,0,1)(4,0,1)(3,-1,2)(5,1,0)"}),
    [](const testing::TestParamInfo<TKoppelGeval>& info) { return info.param.naam; });

TEST(KoppelGekozen, LeegItemZonderDanGeeftTweedeMelding) {
    TFuzzyModel model = ZesVariabelen();
    TRegelRijen rijen = Rijen(model, {{Temp, 0, EN},
                                      {Vocht, 1, EN},
                                      {Licht, 0, EN},
                                      {Wind, 0, EN},
                                      {Kachel, 0, -1},
                                      {Leeg, -1, Verborgen}});
    rijen[6].Variabele.Getoond = rijen[6].IsGetoond = rijen[6].Label.Getoond = false;
    rijen[5].Koppel.Gekozen = LeegItem;
    KoppelGekozen(rijen, 5, LeegItem);
    ASSERT_TRUE(rijen[6].Variabele.Getoond);
    EXPECT_EQ(RegelControleren(model, rijen, 0).meldingen,
              std::vector<std::string>{MeldingGeenDan});
}

TEST(VariabeleGekozen, VultLabelsEnKiestHetEerste) {
    const TFuzzyModel model = ZesVariabelen();
    struct {
        int variabele;
        std::vector<std::string> labels;
        int gekozen;
    } gevallen[] = {
        {Vocht, {"Droog", "Nat", "Zeer"}, 0},
        {Kachel, {"Laag", "Hoog"}, 0},
        {Leeg, {}, -1},
    };
    for (const auto& g : gevallen) {
        // Row 2 starts on "Zeer" of Vocht: a new variable resets the label to the first.
        TRegelRijen rijen = Rijen(model, {{Temp, 0, EN}, {Vocht, 2, -1}});
        const TRegelRijen voor = rijen;
        rijen[2].Variabele.Gekozen = g.variabele;
        VariabeleGekozen(rijen, model, 2, g.variabele);
        EXPECT_EQ(rijen[2].Label.Items, g.labels) << g.variabele;
        EXPECT_EQ(rijen[2].Label.Gekozen, g.gekozen) << g.variabele;
        EXPECT_EQ(Zichtbaar(rijen), Zichtbaar(voor));
        EXPECT_TRUE(rijen[1] == voor[1]);
        EXPECT_TRUE(rijen[3] == voor[3]);
    }
}

TEST(LaadRegelInRijen, ToontDeRegelZoalsOpgeslagen) {
    const TFuzzyModel model = ZesVariabelen();
    struct {
        const char* naam;
        TRegel regel;
        const char* zichtbaar;
        const char* termen;  // read back from the rows
    } gevallen[] = {
        {"Gewoon",
         {3, {{Temp, 1, KoppelEN}, {Vocht, 2, KoppelDAN}, {Kachel, 0, KoppelGeen}}},
         "rk rk r. -. -. -",
         "(0,1,1)(1,2,2)(5,0,0)"},
        {"EenTerm", {1, {{Temp, 0, KoppelGeen}}}, "r. -. -. -. -. -", "(0,0,0)"},
        {"GeenTermen", {0, {}}, "-. -. -. -. -. -", "(0,0,0)"},
        {"ZesTermenMetLeegItem",
         {6,
          {{Temp, 0, KoppelEN},
           {Vocht, 0, KoppelEN},
           {Licht, 0, KoppelEN},
           {Wind, 0, KoppelDAN},
           {Leeg, -1, KoppelLeeg},
           {Kachel, 1, KoppelGeen}}},
         "rk rk rk rk rk r",
         "(0,0,1)(1,0,1)(2,0,1)(4,0,2)(3,-1,3)(5,1,0)"},
        // Indices outside the model (a damaged file) show nothing chosen and an empty label box.
        {"BuitenHetModel",
         {3, {{-1, -1, KoppelEN}, {7, 2, KoppelLeeg}, {Temp, 5, KoppelGeen}}},
         "rk rk r. -. -. -",
         "(-1,-1,1)(-1,-1,0)(0,-1,0)"},
        {"TeveelTermen",
         {9, {{Temp, 0, KoppelDAN}, {Kachel, 0, KoppelGeen}}},
         "rk r. r. r. r. r",
         "(0,0,2)(5,0,0)"},
    };
    for (const auto& g : gevallen) {
        SCOPED_TRACE(g.naam);
        TRegelRijen rijen = Rijen(model, ZesRijen);
        LaadRegelInRijen(rijen, model, g.regel);
        EXPECT_EQ(Zichtbaar(rijen), g.zichtbaar);
        TRegel terug{};
        RijenNaarRegel(rijen, terug);
        EXPECT_EQ(Termen(terug), g.termen);
    }
}

TEST(LaadRegelInRijen, IndexBuitenHetModelGeeftLegeLabelBox) {
    const TFuzzyModel model = ZesVariabelen();
    TRegelRijen rijen = Rijen(model, ZesRijen);
    LaadRegelInRijen(rijen, model, {2, {{9, 1, KoppelDAN}, {Vocht, 3, KoppelGeen}}});
    EXPECT_EQ(rijen[1].Variabele.Gekozen, -1);
    EXPECT_TRUE(rijen[1].Label.Items.empty());
    EXPECT_EQ(rijen[1].Label.Gekozen, -1);
    EXPECT_EQ(rijen[2].Label.Items, (std::vector<std::string>{"Droog", "Nat", "Zeer"}));
    EXPECT_EQ(rijen[2].Label.Gekozen, -1);
}

}  // namespace
