// The one rendering of a rule as text, on the shapes a stored rule can take.
#include <gtest/gtest.h>

#include <vector>

#include "rules/RegelTekst.h"
#include "support/MaakModel.h"

namespace {

// Variables: 0 "Temp" (labels "Koud", "Warm"), 1 "Druk" ("Hoog"), 2 "Kachel" ("Laag", "Vol 2").
TFuzzyModel Basis() {
    return MaakModel()
        .Input("Temp", 0, 40)
        .Label("Koud", 0, 0, 10, 20)
        .Label("Warm", 10, 20, 40, 40)
        .Input("Druk", 0, 9)
        .Label("Hoog", 0, 5, 9, 9)
        .Output("Kachel", 0, 100)
        .Label("Laag", 0, 0, 20, 50)
        .Label("Vol 2", 50, 80, 100, 100);
}

struct TTekstGeval {
    const char* naam;
    std::vector<TRegelTerm> termen;
    const char* tekst;
};

class RegelTekstTabel : public ::testing::TestWithParam<TTekstGeval> {};

TEST_P(RegelTekstTabel, Tekst) {
    const TTekstGeval& g = GetParam();
    TFuzzyModel model = Basis();
    // Rule 1 is the one under test; rule 0 is there so the index is honoured.
    model.RegelLijst[0] = {2, {{0, 0, KoppelDAN}, {2, 0, KoppelGeen}}};
    TRegel& regel = model.RegelLijst[1];
    regel.AantalTermen = static_cast<std::int32_t>(g.termen.size());
    for (std::size_t i = 0; i < g.termen.size(); ++i) regel.Termen[i] = g.termen[i];
    model.AantalRegels = 2;
    const TFuzzyModel voor = model;
    EXPECT_EQ(RegelTekst(model, 1), g.tekst);
    EXPECT_TRUE(model == voor);
}

INSTANTIATE_TEST_SUITE_P(
    Tabel, RegelTekstTabel,
    ::testing::Values(
        TTekstGeval{"geen_termen", {}, ""},
        TTekstGeval{"een_term", {{2, 1, KoppelGeen}}, "ALS Kachel IS Vol 2"},
        TTekstGeval{"gewoon",
                    {{0, 1, KoppelEN}, {1, 0, KoppelDAN}, {2, 0, KoppelGeen}},
                    "ALS Temp IS Warm EN Druk IS Hoog DAN Kachel IS Laag"},
        TTekstGeval{"zes_termen",
                    {{0, 0, KoppelEN},
                     {1, 0, KoppelEN},
                     {0, 1, KoppelEN},
                     {1, 0, KoppelEN},
                     {0, 0, KoppelDAN},
                     {2, 1, KoppelGeen}},
                    "ALS Temp IS Koud EN Druk IS Hoog EN Temp IS Warm EN Druk IS Hoog EN Temp IS "
                    "Koud DAN Kachel IS Vol 2"},
        // Codes 0 and 3 (and any other) between terms print nothing: the names run together.
        TTekstGeval{"code_0_tussen",
                    {{0, 0, KoppelGeen}, {2, 0, KoppelGeen}},
                    "ALS Temp IS KoudKachel IS Laag"},
        TTekstGeval{"code_3_tussen",
                    {{0, 0, KoppelEN}, {1, 0, KoppelLeeg}, {2, 0, KoppelGeen}},
                    "ALS Temp IS Koud EN Druk IS HoogKachel IS Laag"},
        TTekstGeval{"andere_code", {{0, 0, 7}, {2, 0, -1}}, "ALS Temp IS KoudKachel IS Laag"},
        TTekstGeval{"eindigt_op_EN",
                    {{0, 0, KoppelDAN}, {2, 0, KoppelEN}},
                    "ALS Temp IS Koud DAN Kachel IS Laag EN "},
        TTekstGeval{"eindigt_op_DAN",
                    {{0, 0, KoppelDAN}, {2, 0, KoppelDAN}},
                    "ALS Temp IS Koud DAN Kachel IS Laag DAN "},
        TTekstGeval{"dubbele_term",
                    {{0, 0, KoppelEN}, {0, 0, KoppelDAN}, {2, 0, KoppelGeen}},
                    "ALS Temp IS Koud EN Temp IS Koud DAN Kachel IS Laag"},
        // Indices outside the model render as "?" and read nothing beyond it.
        TTekstGeval{"geen_variabele",
                    {{-1, -1, KoppelDAN}, {2, 0, KoppelGeen}},
                    "ALS ? IS ? DAN Kachel IS Laag"},
        TTekstGeval{"variabele_voorbij_aantal",
                    {{3, 0, KoppelDAN}, {2, 0, KoppelGeen}},
                    "ALS ? IS ? DAN Kachel IS Laag"},
        TTekstGeval{"variabele_ver_buiten",
                    {{1 << 30, 0, KoppelDAN}, {2, 0, KoppelGeen}},
                    "ALS ? IS ? DAN Kachel IS Laag"},
        TTekstGeval{"label_voorbij_aantal",
                    {{1, 1, KoppelDAN}, {2, 0, KoppelGeen}},
                    "ALS Druk IS ? DAN Kachel IS Laag"},
        TTekstGeval{"geen_label",
                    {{0, -1, KoppelDAN}, {2, 5, KoppelGeen}},
                    "ALS Temp IS ? DAN Kachel IS ?"}),
    [](const auto& info) { return std::string(info.param.naam); });

TEST(RegelTekst, NamenVanTienTekensEnLegeNamen) {
    TFuzzyModel model = MaakModel()
                            .Input("ABCDEFGHIJ", 0, 1)
                            .Label("", 0, 0, 0, 0)
                            .Output("", 0, 1)
                            .Label("0123456789", 0, 0, 0, 0)
                            .Regel({{0, 0, KoppelDAN}, {1, 0, KoppelGeen}});
    EXPECT_EQ(RegelTekst(model, 0), "ALS ABCDEFGHIJ IS  DAN  IS 0123456789");
    // A name that lost its terminator (a damaged model) is read to its capacity, not beyond.
    std::memset(model.VariabeleLijst[0].Naam, 'x', sizeof(TNaam));
    EXPECT_EQ(RegelTekst(model, 0).substr(0, 4 + MaxNaamLengte + 4), "ALS xxxxxxxxxx IS ");
}

TEST(RegelTekst, AantalTermenBuitenDeGrenzen) {
    TFuzzyModel model = Basis();
    model.AantalRegels = 1;
    model.RegelLijst[0] = {-2, {{0, 0, KoppelDAN}, {2, 0, KoppelGeen}}};
    EXPECT_EQ(RegelTekst(model, 0), "");
    model.RegelLijst[0] = {1000,
                           {{0, 0, 1}, {0, 0, 1}, {0, 0, 1}, {0, 0, 1}, {0, 0, 2}, {2, 0, 0}}};
    EXPECT_EQ(RegelTekst(model, 0),
              "ALS Temp IS Koud EN Temp IS Koud EN Temp IS Koud EN Temp IS Koud EN Temp IS Koud "
              "DAN Kachel IS Laag");
    EXPECT_EQ(RegelTekst(model, -1), "");
    EXPECT_EQ(RegelTekst(model, MaxRegels), "");
}

}  // namespace
