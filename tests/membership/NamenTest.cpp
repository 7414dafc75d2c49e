// The four name operations share the input box, the cutting to ten characters, the refusal of
// names the project file cannot hold, and the duplicate check: one table runs every name case
// through every operation.
#include <gtest/gtest.h>

#include <cctype>
#include <functional>

#include "Hulp.h"
#include "membership/Labels.h"
#include "membership/Variabelen.h"
#include "support/GescripteDialogen.h"
#include "support/MaakModel.h"

namespace {

const char* const OngeldigeNaam = "Een naam mag geen komma, spatie of bijzonder teken bevatten";

struct TNaamOperatie {
    const char* naam;
    std::function<Resultaat(TFuzzyModel&, TDialogen&)> voerUit;
    std::string titel, prompt;
    std::string andereNaam;  // a name already taken in the same list
    std::string eigenNaam;   // the renamed item's own name; empty for the two that create
    const char* bestaatAl;
    std::function<std::string(const TFuzzyModel&)> opgeslagen;  // where a new name lands
};

// Temp (input) with the labels Koud and Warm; Kachel (output) with Laag. The name "Warm" is also
// a label of Kachel's neighbour, "Laag" a label of another variable.
TFuzzyModel Basis() {
    return MaakModel()
        .Input("Temp", 0, 40)
        .Label("Koud", 0, 0, 10, 20)
        .Label("Warm", 10, 20, 40, 40)
        .Output("Kachel", 0, 100)
        .Label("Laag", 0, 0, 20, 50);
}

std::vector<TNaamOperatie> Operaties() {
    return {
        {"NieuweVariabele", [](TFuzzyModel& m, TDialogen& d) { return NieuweVariabele(m, d); },
         "Nieuwe Variabele", "Geef VariabeleNaam (10 karakters) :", "Kachel", "",
         "Deze variabelenaam bestaat al",
         [](const TFuzzyModel& m) { return Tekst(m.VariabeleLijst[2].Naam); }},
        {"HernoemVariabele", [](TFuzzyModel& m, TDialogen& d) { return HernoemVariabele(m, 0, d); },
         "Hernoem Variabele", "Geef een nieuwe naam voor variabele Temp :", "Kachel", "Temp",
         "Deze variabelenaam bestaat al",
         [](const TFuzzyModel& m) { return Tekst(m.VariabeleLijst[0].Naam); }},
        {"NieuwLabel", [](TFuzzyModel& m, TDialogen& d) { return NieuwLabel(m, 0, d); },
         "Nieuw Label", "Geef LabelNaam (10 karakters) :", "Warm", "", "Deze labelnaam bestaat al",
         [](const TFuzzyModel& m) { return Tekst(m.VariabeleLijst[0].Labels[2].Naam); }},
        {"HernoemLabel", [](TFuzzyModel& m, TDialogen& d) { return HernoemLabel(m, 0, 0, d); },
         "Hernoem Variabele", "Geef een nieuwe naam voor label Koud :", "Warm", "Koud",
         "Deze labelnaam bestaat al",
         [](const TFuzzyModel& m) { return Tekst(m.VariabeleLijst[0].Labels[0].Naam); }},
    };
}

enum class TVerwacht { Niets, Opgeslagen, Ongeldig, Dubbel };

struct TNaamGeval {
    const char* omschrijving;
    std::string invoer;  // "<ANDER>" and "<EIGEN>" stand for the operation's taken names
    TVerwacht verwacht;
    std::string opgeslagen;
};

std::vector<TNaamGeval> NaamGevallen() {
    return {
        {"leeg", "", TVerwacht::Niets, ""},
        {"gewoon", "Druk", TVerwacht::Opgeslagen, "Druk"},
        {"tien tekens heel", "Vochtighei", TVerwacht::Opgeslagen, "Vochtighei"},
        {"twaalf tekens geknipt", "Vochtigheid1", TVerwacht::Opgeslagen, "Vochtighei"},
        {"komma na het knippen weg", "Abcdefghij,k", TVerwacht::Opgeslagen, "Abcdefghij"},
        {"hoofdletters tellen", "kachel", TVerwacht::Opgeslagen, "kachel"},
        {"Windows-1252 tekens", "\xC9\xE9n\x80", TVerwacht::Opgeslagen, "\xC9\xE9n\x80"},
        {"vraagteken is een teken", "Wat?", TVerwacht::Opgeslagen, "Wat?"},
        {"komma", "a,b", TVerwacht::Ongeldig, ""},
        {"spatie", "a b", TVerwacht::Ongeldig, ""},
        {"tab", "a\tb", TVerwacht::Ongeldig, ""},
        {"regeleinde", "a\r\nb", TVerwacht::Ongeldig, ""},
        {"stuurteken", "a\x01", TVerwacht::Ongeldig, ""},
        {"nulbyte", std::string("a\0b", 3), TVerwacht::Ongeldig, ""},
        {"DEL", "a\x7F", TVerwacht::Ongeldig, ""},
        {"harde spatie", "a\xA0", TVerwacht::Ongeldig, ""},
        {"buiten Windows-1252", "a\x81", TVerwacht::Ongeldig, ""},
        {"vervangen teken van de Qt-kant", "a\x1A", TVerwacht::Ongeldig, ""},
        {"komma op plaats tien", "Abcdefghi,", TVerwacht::Ongeldig, ""},
        {"bestaande naam", "<ANDER>", TVerwacht::Dubbel, ""},
    };
}

class NaamTest : public ::testing::TestWithParam<std::tuple<TNaamOperatie, TNaamGeval>> {};

TEST_P(NaamTest, VraagtKniptControleertEnSlaatOp) {
    const auto& [op, geval] = GetParam();
    TFuzzyModel model = Basis();
    const TFuzzyModel voor = model;
    TGescripteDialogen dialogen;
    std::string invoer = geval.invoer;
    if (invoer.starts_with("<ANDER>")) invoer = op.andereNaam + invoer.substr(7);
    dialogen.namen.push_back(invoer);

    const Resultaat r = op.voerUit(model, dialogen);

    ASSERT_EQ(dialogen.naamVragen.size(), 1u);
    EXPECT_EQ(dialogen.naamVragen[0].titel, op.titel);
    EXPECT_EQ(dialogen.naamVragen[0].prompt, op.prompt);
    switch (geval.verwacht) {
        case TVerwacht::Niets:
            EXPECT_EQ(r.uitkomst, Uitkomst::Niets);
            EXPECT_TRUE(r.meldingen.empty());
            EXPECT_TRUE(model == voor);
            break;
        case TVerwacht::Opgeslagen:
            EXPECT_EQ(r.uitkomst, Uitkomst::Gewijzigd);
            EXPECT_TRUE(r.meldingen.empty());
            EXPECT_EQ(op.opgeslagen(model), geval.opgeslagen);
            break;
        case TVerwacht::Ongeldig:
            EXPECT_EQ(r.uitkomst, Uitkomst::Geweigerd);
            EXPECT_EQ(r.meldingen, std::vector<std::string>{OngeldigeNaam});
            EXPECT_TRUE(model == voor);
            break;
        case TVerwacht::Dubbel:
            EXPECT_EQ(r.uitkomst, Uitkomst::Geweigerd);
            EXPECT_EQ(r.meldingen, std::vector<std::string>{op.bestaatAl});
            EXPECT_TRUE(model == voor);
            break;
    }
}

INSTANTIATE_TEST_SUITE_P(AlleNaamOperaties, NaamTest,
                         ::testing::Combine(::testing::ValuesIn(Operaties()),
                                            ::testing::ValuesIn(NaamGevallen())),
                         [](const auto& info) {
                             std::string naam = std::string(std::get<0>(info.param).naam) + "_" +
                                                std::get<1>(info.param).omschrijving;
                             for (char& c : naam)
                                 if (!std::isalnum(static_cast<unsigned char>(c))) c = '_';
                             return naam + "_" + std::to_string(info.index);
                         });

TEST(NaamTest, HernoemenNaarDeEigenNaamWordtGeweigerd) {
    for (const TNaamOperatie& op : Operaties()) {
        if (op.eigenNaam.empty()) continue;
        SCOPED_TRACE(op.naam);
        TFuzzyModel model = Basis();
        const TFuzzyModel voor = model;
        TGescripteDialogen dialogen;
        dialogen.namen.push_back(op.eigenNaam);
        const Resultaat r = op.voerUit(model, dialogen);
        EXPECT_EQ(r.uitkomst, Uitkomst::Geweigerd);
        EXPECT_EQ(r.meldingen, std::vector<std::string>{op.bestaatAl});
        EXPECT_TRUE(model == voor);
    }
}

// The duplicate check compares the cut names.
TEST(NaamTest, TweeNamenDieInHunEersteTienTekensGelijkZijnBotsen) {
    TFuzzyModel model = Basis();
    TGescripteDialogen dialogen;
    dialogen.namen = {"Vochtigheid1", "Vochtigheid2", "Hoogstehoogte", "Hoogstehoogtes"};
    EXPECT_EQ(NieuweVariabele(model, dialogen).uitkomst, Uitkomst::Gewijzigd);
    const TFuzzyModel na = model;
    const Resultaat r = NieuweVariabele(model, dialogen);
    EXPECT_EQ(r.meldingen, std::vector<std::string>{"Deze variabelenaam bestaat al"});
    EXPECT_TRUE(model == na);

    EXPECT_EQ(NieuwLabel(model, 1, dialogen).uitkomst, Uitkomst::Gewijzigd);
    EXPECT_EQ(Tekst(model.VariabeleLijst[1].Labels[1].Naam), "Hoogstehoo");
    EXPECT_EQ(NieuwLabel(model, 1, dialogen).meldingen,
              std::vector<std::string>{"Deze labelnaam bestaat al"});
    EXPECT_EQ(model.VariabeleLijst[1].AantalLabels, 2);
}

// A stored name from a file may hold a space; entering it again is refused for the space, since
// the name check comes before the duplicate check.
TEST(NaamTest, OngeldigGaatVoorDubbel) {
    TFuzzyModel model = MaakModel().Input("a b", 0, 10).Label("c d", 0, 0, 1, 1);
    TGescripteDialogen dialogen;
    dialogen.namen = {"a b", "c d"};
    EXPECT_EQ(NieuweVariabele(model, dialogen).meldingen, std::vector<std::string>{OngeldigeNaam});
    EXPECT_EQ(NieuwLabel(model, 0, dialogen).meldingen, std::vector<std::string>{OngeldigeNaam});
}

// Label names are unique per variable only.
TEST(NaamTest, LabelMagDeNaamVanEenAnderLabelOfEenVariabeleDragen) {
    for (const char* naam : {"Laag", "Temp"}) {
        SCOPED_TRACE(naam);
        TFuzzyModel model = Basis();
        TGescripteDialogen dialogen;
        dialogen.namen.push_back(naam);
        EXPECT_EQ(NieuwLabel(model, 0, dialogen).uitkomst, Uitkomst::Gewijzigd);
        EXPECT_EQ(Tekst(model.VariabeleLijst[0].Labels[2].Naam), naam);
    }
}

}  // namespace
