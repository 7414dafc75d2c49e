// The file commands over a real temporary folder with scripted dialogues.
#include <gtest/gtest.h>

#include <cerrno>
#include <filesystem>

#include "app/Bestandsbeheer.h"
#include "model/Bestand.h"
#include "support/GescripteDialogen.h"
#include "support/MaakModel.h"
#include "support/Werkmap.h"

namespace {

const std::string Sjabloon = "0,1,0,0,0,0,0,Leeg,0,0,10,0,0";
const std::string Oven =
    "0,1,1,1,0,0,1,Temp,0,0,40,2,0,Koud,0,0,10,20,Warm,10,20,40,40,Kachel,1,0,100,1,0,Laag,0,0,20,"
    "50,2,0,1,2,1,0,0";

const std::string Bewaren = "Huidige file bewaren ?";

class Bestandscommandos : public ::testing::Test {
  protected:
    void SetUp() override { TWerkmap::Schrijf("sjabloon.fld", Sjabloon); }

    // Starts the program and opens `naam` as the current file.
    void StartMet(const std::string& naam) {
        ASSERT_TRUE(bestanden.FormCreate());
        dialogen.teOpenen.push_back(naam);
        ASSERT_TRUE(bestanden.BestandOpenen(false));
    }

    TWerkmap map;
    TFuzzyModel model{};
    TGescripteDialogen dialogen;
    TBestandsbeheer bestanden{model, dialogen};
    std::vector<std::string> titels;
    void SetUpTitels() {
        bestanden.BijTitelWijziging = [this](const std::string& t) { titels.push_back(t); };
    }
};

TEST_F(Bestandscommandos, StartUpReadsTheTemplate) {
    SetUpTitels();
    model.AantalInputs = 4;
    model.GekozenVariabele = 3;
    ASSERT_TRUE(bestanden.FormCreate());
    EXPECT_EQ(SchrijfBestand(model), Sjabloon);
    EXPECT_EQ(model.GekozenVariabele, 0);
    EXPECT_EQ(bestanden.HuidigBestand(), "");
    EXPECT_EQ(bestanden.Titel(), "Nieuw Bestand");
    EXPECT_EQ(titels, std::vector<std::string>{"Nieuw Bestand"});
    EXPECT_TRUE(dialogen.meldingen.empty());
}

TEST_F(Bestandscommandos, StartUpWithAnEmptyTemplateGivesTheEmptyModel) {
    TWerkmap::Schrijf("sjabloon.fld", "");
    model = MaakModel().Input("Oud", 0, 1).Methoden(2, 1);
    ASSERT_TRUE(bestanden.FormCreate());
    EXPECT_EQ(model.AantalVariabelen, 0);
    EXPECT_EQ(model.AantalRegels, 0);
    EXPECT_EQ(model.ImplicatieMethode, 0);
    EXPECT_EQ(model.DefuzzificatieMethode, 0);
}

TEST_F(Bestandscommandos, StartUpWithoutUsableTemplateEndsTheProgram) {
    struct Geval {
        bool aanwezig;
        std::string inhoud;
        std::string melding;
    };
    for (const Geval& g :
         {Geval{false, "", "File open error bij default testbestand openen"},
          Geval{true, "0,1,x", "File formaat error bij default testbestand openen"}}) {
        std::filesystem::remove("sjabloon.fld");
        if (g.aanwezig) TWerkmap::Schrijf("sjabloon.fld", g.inhoud);
        TGescripteDialogen d;
        TFuzzyModel m{};
        TBestandsbeheer b(m, d);
        EXPECT_FALSE(b.FormCreate());
        EXPECT_EQ(d.meldingen, std::vector<std::string>{g.melding});
        EXPECT_TRUE(d.beeindigd);
        EXPECT_TRUE(b.Beeindigd());
    }
}

TEST_F(Bestandscommandos, NewFromTheTemplateAsksNothing) {
    ASSERT_TRUE(bestanden.FormCreate());
    model.AantalRegels = 0;
    model.VariabeleLijst[0].Max = 99;
    bestanden.bestandNieuwClick();
    EXPECT_TRUE(dialogen.vragen.empty());
    EXPECT_EQ(SchrijfBestand(model), Sjabloon);
}

TEST_F(Bestandscommandos, NewWithACurrentFileAsks) {
    TWerkmap::Schrijf("oven.FLB", Oven);
    for (Antwoord a : {Antwoord::Annuleren, Antwoord::Nee, Antwoord::Ja}) {
        TWerkmap::Schrijf("oven.FLB", Oven);
        StartMet(map.Bestand("oven.FLB"));
        model.VariabeleLijst[0].Max = 41;  // an unsaved change
        const TFuzzyModel voor = model;
        dialogen.vragen.clear();
        dialogen.antwoorden.push_back(a);
        bestanden.bestandNieuwClick();
        EXPECT_EQ(dialogen.vragen, std::vector<std::string>{Bewaren});
        if (a == Antwoord::Annuleren) {
            EXPECT_TRUE(model == voor);
            EXPECT_EQ(bestanden.HuidigBestand(), map.Bestand("oven.FLB"));
        } else {
            EXPECT_EQ(SchrijfBestand(model), Sjabloon);
            EXPECT_EQ(bestanden.Titel(), "Nieuw Bestand");
            const bool bewaard = TWerkmap::Lees("oven.FLB").find("0,0,41,") != std::string::npos;
            EXPECT_EQ(bewaard, a == Antwoord::Ja);
        }
    }
}

TEST_F(Bestandscommandos, OpenReadsTheChosenFileAndSetsTheCaption) {
    TWerkmap::Schrijf("oven.FLB", Oven);
    SetUpTitels();
    ASSERT_TRUE(bestanden.FormCreate());
    dialogen.teOpenen.push_back(map.Bestand("oven.FLB"));
    bestanden.BestandOpenClick();
    EXPECT_TRUE(dialogen.vragen.empty());
    EXPECT_EQ(SchrijfBestand(model), Oven);
    EXPECT_EQ(bestanden.Titel(), map.Bestand("oven.FLB"));
    EXPECT_EQ(titels.back(), map.Bestand("oven.FLB"));
}

TEST_F(Bestandscommandos, OpenThatReadsNothingChangesNothing) {
    TWerkmap::Schrijf("kapot.FLB", "0,1,1,1,0,0,1,Temp,0");
    struct Geval {
        std::optional<std::string> keuze;
        std::vector<std::string> meldingen;
    };
    for (const Geval& g :
         {Geval{std::nullopt, {}},
          Geval{map.Bestand("kapot.FLB"), {"File formaat error bij testbestand openen"}}}) {
        TGescripteDialogen d;
        TFuzzyModel m{};
        TBestandsbeheer b(m, d);
        ASSERT_TRUE(b.FormCreate());
        const TFuzzyModel voor = m;
        d.teOpenen.push_back(g.keuze);
        b.BestandOpenClick();
        EXPECT_TRUE(m == voor);
        EXPECT_EQ(b.HuidigBestand(), "");
        EXPECT_EQ(d.meldingen, g.meldingen);
        EXPECT_FALSE(d.beeindigd);
    }
}

TEST_F(Bestandscommandos, OpenOfAMissingFileEndsTheProgram) {
    ASSERT_TRUE(bestanden.FormCreate());
    dialogen.teOpenen.push_back(map.Bestand("weg.FLB"));
    bestanden.BestandOpenClick();
    EXPECT_EQ(dialogen.meldingen,
              std::vector<std::string>{"File open error bij testbestand openen"});
    EXPECT_TRUE(dialogen.beeindigd);
}

TEST_F(Bestandscommandos, SaveWithoutANameGoesToSaveAs) {
    ASSERT_TRUE(bestanden.FormCreate());
    dialogen.opTeSlaan.push_back(std::nullopt);
    EXPECT_EQ(bestanden.BestandOpslaanClick(), Opslag::Geannuleerd);
    EXPECT_EQ(dialogen.opslaanVoorstellen, std::vector<std::string>{""});
    EXPECT_EQ(TWerkmap::AantalBestanden(map.Pad()), 1);  // only the template

    dialogen.opTeSlaan.push_back(map.Bestand("nieuw.FLB"));
    EXPECT_EQ(bestanden.BestandOpslaanClick(), Opslag::Opgeslagen);
    EXPECT_EQ(TWerkmap::Lees("nieuw.FLB"), Sjabloon);
    EXPECT_EQ(bestanden.HuidigBestand(), map.Bestand("nieuw.FLB"));
}

TEST_F(Bestandscommandos, SaveWritesTheCurrentFileWithoutBackup) {
    TWerkmap::Schrijf("oven.FLB", Oven);
    StartMet(map.Bestand("oven.FLB"));
    model.DefuzzificatieMethode = 0;
    EXPECT_EQ(bestanden.BestandOpslaanClick(), Opslag::Opgeslagen);
    EXPECT_EQ(TWerkmap::Lees("oven.FLB"), SchrijfBestand(model));
    EXPECT_FALSE(std::filesystem::exists("oven.BAK"));
}

TEST_F(Bestandscommandos, SaveAsBacksUpOnceInTheWorkingFolder) {
    std::filesystem::create_directory("projecten");
    const std::string doel = map.Bestand("projecten/oven.FLB");
    TWerkmap::Schrijf(doel, "oud");
    ASSERT_TRUE(bestanden.FormCreate());

    dialogen.opTeSlaan.push_back(doel);
    EXPECT_EQ(bestanden.BestandOpslaanAlsClick(), Opslag::Opgeslagen);
    EXPECT_EQ(TWerkmap::Lees("oven.BAK"), "oud");  // in the working folder, not beside the file
    EXPECT_EQ(TWerkmap::Lees(doel), Sjabloon);

    model.VariabeleLijst[0].Max = 12;
    dialogen.opTeSlaan.push_back(doel);
    EXPECT_EQ(bestanden.BestandOpslaanAlsClick(), Opslag::Opgeslagen);
    EXPECT_EQ(TWerkmap::Lees("oven.BAK"), "oud");  // the first backup is kept
    EXPECT_EQ(TWerkmap::Lees(doel), SchrijfBestand(model));
    EXPECT_EQ(dialogen.opslaanVoorstellen.back(), doel);
    EXPECT_EQ(TWerkmap::AantalBestanden(map.Pad() / "projecten"), 1);
}

// A failed save keeps the old file's bytes, leaves no temporary file, changes neither the model
// nor the current name, reports the right message and lets the program go on.
TEST_F(Bestandscommandos, AFailedSaveLosesNothing) {
    struct Geval {
        const char* naam;
        std::string doel;
        long schrijfLimiet;  // bytes the disk takes before it fails; -1 never fails
        std::string melding;
    };
    std::filesystem::create_directory("map");
    const std::string bestaand = map.Bestand("map/oven.FLB");
    for (const Geval& g : {
             Geval{"folderGone", map.Bestand("weg/oven.FLB"), -1,
                   "File creatie error bij testbestand opslaan"},
             Geval{"targetIsAFolder", map.Bestand("map"), -1,
                   "File creatie error bij testbestand opslaan"},
             Geval{"diskFullAtOnce", bestaand, 0, "File schrijf error bij testbestand opslaan"},
             Geval{"diskFullPartWay", bestaand, 20, "File schrijf error bij testbestand opslaan"},
         }) {
        SCOPED_TRACE(g.naam);
        TWerkmap::Schrijf(bestaand, Oven);
        TGescripteDialogen d;
        TFuzzyModel m{};
        TBestandsbeheer b(m, d);
        ASSERT_TRUE(b.FormCreate());
        d.teOpenen.push_back(bestaand);
        ASSERT_TRUE(b.BestandOpenen(false));
        m.VariabeleLijst[0].Max = 77;
        const TFuzzyModel voor = m;
        long over = g.schrijfLimiet;
        if (over >= 0)
            b.Schrijf = [&over](int fd, const void* data, std::size_t n) -> ssize_t {
                if (over <= 0) {
                    errno = ENOSPC;
                    return -1;
                }
                const std::size_t stuk = std::min<std::size_t>(n, static_cast<std::size_t>(over));
                over -= static_cast<long>(stuk);
                return ::write(fd, data, stuk);
            };
        d.opTeSlaan.push_back(g.doel);
        EXPECT_EQ(b.BestandOpslaanAlsClick(), Opslag::Mislukt);
        EXPECT_EQ(d.meldingen, std::vector<std::string>{g.melding});
        EXPECT_FALSE(d.beeindigd);
        EXPECT_TRUE(m == voor);
        EXPECT_EQ(b.HuidigBestand(), bestaand);
        EXPECT_EQ(TWerkmap::Lees(bestaand), Oven);
        EXPECT_EQ(TWerkmap::AantalBestanden(map.Pad() / "map"), 1);
        EXPECT_FALSE(std::filesystem::exists("oven.BAK"));
    }
}

TEST_F(Bestandscommandos, ExitAsksAndAFailedSaveKeepsTheProgramOpen) {
    struct Geval {
        const char* naam;
        Antwoord antwoord;
        std::optional<std::string> opslaanAls;
        bool magSluiten;
    };
    for (const Geval& g : {Geval{"cancel", Antwoord::Annuleren, std::nullopt, false},
                           Geval{"no", Antwoord::Nee, std::nullopt, true},
                           Geval{"yesSaveAsCancelled", Antwoord::Ja, std::nullopt, true},
                           Geval{"yesSaveFails", Antwoord::Ja, map.Bestand("weg/x.FLB"), false},
                           Geval{"yesSaved", Antwoord::Ja, map.Bestand("x.FLB"), true}}) {
        SCOPED_TRACE(g.naam);
        TGescripteDialogen d;
        TFuzzyModel m{};
        TBestandsbeheer b(m, d);
        ASSERT_TRUE(b.FormCreate());
        d.antwoorden.push_back(g.antwoord);
        if (g.antwoord == Antwoord::Ja) d.opTeSlaan.push_back(g.opslaanAls);
        EXPECT_EQ(b.FormCloseQuery(), g.magSluiten);
        EXPECT_EQ(d.vragen, std::vector<std::string>{Bewaren});
        EXPECT_TRUE(d.AllesGebruikt());
    }
}

TEST_F(Bestandscommandos, EditorCloseNoRereadsWhatIsStored) {
    TWerkmap::Schrijf("oven.FLB", Oven);
    StartMet(map.Bestand("oven.FLB"));
    model.AantalRegels = 0;
    dialogen.antwoorden.push_back(Antwoord::Nee);
    EXPECT_TRUE(bestanden.WijzigingenOpslaanBijSluiten());
    EXPECT_EQ(dialogen.vragen, std::vector<std::string>{"Wijzigingen opslaan ?"});
    EXPECT_EQ(SchrijfBestand(model), Oven);
    EXPECT_EQ(bestanden.HuidigBestand(), map.Bestand("oven.FLB"));
}

TEST_F(Bestandscommandos, EditorCloseAnswers) {
    struct Geval {
        const char* naam;
        Antwoord antwoord;
        bool magSluiten;
        bool opgeslagen;
    };
    for (const Geval& g :
         {Geval{"yes", Antwoord::Ja, true, true}, Geval{"no", Antwoord::Nee, true, false},
          Geval{"cancel", Antwoord::Annuleren, false, false}}) {
        SCOPED_TRACE(g.naam);
        std::filesystem::remove("e.FLB");
        TGescripteDialogen d;
        TFuzzyModel m{};
        TBestandsbeheer b(m, d);
        ASSERT_TRUE(b.FormCreate());
        m.VariabeleLijst[0].Max = 55;
        const TFuzzyModel gewijzigd = m;
        d.antwoorden.push_back(g.antwoord);
        if (g.antwoord == Antwoord::Ja) d.opTeSlaan.push_back(map.Bestand("e.FLB"));
        EXPECT_EQ(b.WijzigingenOpslaanBijSluiten(), g.magSluiten);
        EXPECT_EQ(std::filesystem::exists("e.FLB"), g.opgeslagen);
        if (g.antwoord == Antwoord::Nee)
            EXPECT_EQ(SchrijfBestand(m), Sjabloon);
        else
            EXPECT_TRUE(m == gewijzigd);
    }
}

TEST(Menupoorten, RulesNeedAVariableAndInferenceNeedsARule) {
    const TFuzzyModel leeg = MaakModel();
    const TFuzzyModel metVariabele = MaakModel().Input("A", 0, 1);
    const TFuzzyModel metRegel = MaakModel().Input("A", 0, 1).Regel({});
    EXPECT_EQ(RegelsPoort(leeg), "Er zijn nog geen lidmaatschapsfuncties gedefinieerd");
    EXPECT_EQ(RegelsPoort(metVariabele), std::nullopt);
    EXPECT_EQ(InferentiePoort(metVariabele), "Er zijn nog geen regels gedefinieerd");
    EXPECT_EQ(InferentiePoort(metRegel), std::nullopt);
}

}  // namespace
