// The project text: byte-exact writing, reading into the model, and refusing damaged texts whole.
#include <gtest/gtest.h>

#include <cstring>
#include <string>

#include "model/Bestand.h"
#include "support/MaakModel.h"

namespace {

const std::string Voorbeeld =
    "0,1,1,1,0,0,1,Temp,0,0,40,2,0,Koud,0,0,10,20,Warm,10,20,40,40,Kachel,1,0,100,1,0,Laag,0,0,20,"
    "50,2,0,1,2,1,0,0";

TFuzzyModel VoorbeeldModel() {
    return MaakModel()
        .Input("Temp", 0, 40)
        .Label("Koud", 0, 0, 10, 20)
        .Label("Warm", 10, 20, 40, 40)
        .Output("Kachel", 0, 100)
        .Label("Laag", 0, 0, 20, 50)
        .Regel({{0, 1, KoppelDAN}, {1, 0, KoppelGeen}})
        .Methoden(0, 1);
}

TEST(SchrijfBestand, WorkedExampleIsExactlyItsCharacters) {
    EXPECT_EQ(Voorbeeld.size(), 109u);
    EXPECT_EQ(SchrijfBestand(VoorbeeldModel()), Voorbeeld);
}

TEST(LeesBestand, WorkedExampleFillsEveryField) {
    TFuzzyModel m{};
    ASSERT_TRUE(LeesBestand(m, Voorbeeld));
    EXPECT_TRUE(m == VoorbeeldModel());
}

// Texts that the writer produces: write -> read -> write gives the same text, and reading
// reproduces the model that wrote it.
struct TekstGeval {
    const char* naam;
    TFuzzyModel model;
    std::string tekst;
};

class Rondgang : public ::testing::TestWithParam<TekstGeval> {};

TEST_P(Rondgang, WriteReadWriteIsStable) {
    const TekstGeval& g = GetParam();
    EXPECT_EQ(SchrijfBestand(g.model), g.tekst);
    TFuzzyModel gelezen{};
    ASSERT_TRUE(LeesBestand(gelezen, g.tekst));
    EXPECT_EQ(SchrijfBestand(gelezen), g.tekst);
}

TFuzzyModel MetReserves() {
    TFuzzyModel m = MaakModel().Input("X", -5, 5).Label("", -5, -5, 0, 5).Methoden(-1, 0);
    m.Reserve1 = 7;
    m.Reserve2 = -3;
    m.VariabeleLijst[0].Reserve = -56;
    return m;
}

INSTANTIATE_TEST_SUITE_P(
    Teksten, Rondgang,
    ::testing::Values(
        TekstGeval{"voorbeeld", VoorbeeldModel(), Voorbeeld},
        TekstGeval{"leeg", MaakModel(), "0,0,0,0,0,0,0"},
        TekstGeval{"variabeleZonderLabels", MaakModel().Input("A", 0, 1).Output("B", 0, 1),
                   "0,1,1,0,0,0,0,A,0,0,1,0,0,B,1,0,1,0,0"},
        TekstGeval{"regelZonderTermen",
                   MaakModel().Input("A", 0, 1).Regel({}).Regel({{0, -1, KoppelLeeg}}),
                   "0,1,0,2,0,0,0,A,0,0,1,0,0,0,1,0,-1,3"},
        TekstGeval{"negatiefEnLeegeNaamEnReserves", MetReserves(),
                   "7,1,0,0,-1,-3,0,X,0,-5,5,1,-56,,-5,-5,0,5"}),
    [](const auto& info) { return std::string(info.param.naam); });

TEST(LeesBestand, EightBitFieldsKeepTheirLowByte) {
    TFuzzyModel m{};
    ASSERT_TRUE(LeesBestand(m, "0,1,0,1,0,0,0,A,0,0,1,0,200,1,0,0,-130"));
    EXPECT_EQ(m.VariabeleLijst[0].Reserve, -56);
    EXPECT_EQ(m.RegelLijst[0].Termen[0].Koppel, 126);
    EXPECT_EQ(SchrijfBestand(m), "0,1,0,1,0,0,0,A,0,0,1,0,-56,1,0,0,126");
}

TEST(LeesBestand, SlotsBeyondTheCountsAreNotTouched) {
    TFuzzyModel m = SchildwachtModel();
    const TFuzzyModel voor = m;
    ASSERT_TRUE(LeesBestand(m, Voorbeeld));
    // Temp has two labels: its third label slot keeps the sentinel bytes, as do variables 2..5,
    // rules 1..9 and the terms beyond the rule's two.
    EXPECT_EQ(std::memcmp(&m.VariabeleLijst[0].Labels[2], &voor.VariabeleLijst[0].Labels[2],
                          sizeof(TFuzzyLabel)),
              0);
    for (int v = 2; v < MaxVariabelen; ++v)
        EXPECT_EQ(std::memcmp(&m.VariabeleLijst[v], &voor.VariabeleLijst[v], sizeof(TVariabele)),
                  0);
    for (int r = 1; r < MaxRegels; ++r)
        EXPECT_EQ(std::memcmp(&m.RegelLijst[r], &voor.RegelLijst[r], sizeof(TRegel)), 0);
    EXPECT_EQ(std::memcmp(&m.RegelLijst[0].Termen[2], &voor.RegelLijst[0].Termen[2],
                          sizeof(TRegelTerm) * 4),
              0);
    EXPECT_EQ(m.GekozenVariabele, voor.GekozenVariabele);
}

// Texts the reader takes although the writer never produces them.
struct Aanvaard {
    const char* naam;
    std::string tekst;
    std::string herschreven;
};

class LeesBestandAanvaardt : public ::testing::TestWithParam<Aanvaard> {};

TEST_P(LeesBestandAanvaardt, AndWritesTheNormalForm) {
    TFuzzyModel m{};
    ASSERT_TRUE(LeesBestand(m, GetParam().tekst));
    EXPECT_EQ(SchrijfBestand(m), GetParam().herschreven);
}

INSTANTIATE_TEST_SUITE_P(
    Teksten, LeesBestandAanvaardt,
    ::testing::Values(Aanvaard{"regeleindeLF", Voorbeeld + "\n", Voorbeeld},
                      Aanvaard{"regeleindeCRLF", Voorbeeld + "\r\n", Voorbeeld},
                      Aanvaard{"witEnPlusVoorGetallen", "0, 0,+0,0,\t-1,0,  1", "0,0,0,0,-1,0,1"},
                      Aanvaard{"indicesBuitenBereikEnVreemdeKoppel",
                               "0,1,0,1,0,0,0,A,0,0,1,0,0,2,-1,7,9,5,99,-4",
                               "0,1,0,1,0,0,0,A,0,0,1,0,0,2,-1,7,9,5,99,-4"},
                      Aanvaard{"grenzenVan32Bit", "-2147483648,0,0,0,2147483647,0,0",
                               "-2147483648,0,0,0,2147483647,0,0"},
                      Aanvaard{"naamVanTienTekens", "0,1,0,0,0,0,0,Abcdefghij,0,0,1,0,0",
                               "0,1,0,0,0,0,0,Abcdefghij,0,0,1,0,0"},
                      Aanvaard{"naamMetWindows1252", "0,1,0,0,0,0,0,W\xe4rme \x80,0,0,1,0,0",
                               "0,1,0,0,0,0,0,W\xe4rme \x80,0,0,1,0,0"}),
    [](const auto& info) { return std::string(info.param.naam); });

TEST(LeesBestand, EmptyOrWhiteTextIsTheEmptyModel) {
    for (const char* tekst : {"", "  \r\n"}) {
        TFuzzyModel m = VoorbeeldModel();
        m.Reserve1 = 9;
        ASSERT_TRUE(LeesBestand(m, tekst)) << '"' << tekst << '"';
        EXPECT_EQ(SchrijfBestand(m), "0,0,0,0,0,0,0");
        EXPECT_EQ(m.AantalVariabelen, 0);
    }
}

// Texts that do not follow the format: refused whole, the model untouched to the last byte.
struct Geweigerd {
    const char* naam;
    std::string tekst;
};

class LeesBestandWeigert : public ::testing::TestWithParam<Geweigerd> {};

TEST_P(LeesBestandWeigert, AndLeavesTheModelUntouched) {
    TFuzzyModel m = SchildwachtModel();
    const TFuzzyModel voor = m;
    EXPECT_FALSE(LeesBestand(m, GetParam().tekst));
    EXPECT_TRUE(m == voor);
}

INSTANTIATE_TEST_SUITE_P(
    Teksten, LeesBestandWeigert,
    ::testing::Values(
        Geweigerd{"teWeinigKopvelden", "0,1,1,1,0,0"},
        Geweigerd{"afgekapt", Voorbeeld.substr(0, 60)},
        Geweigerd{"laatsteTermOnvolledig", Voorbeeld.substr(0, Voorbeeld.size() - 2)},
        Geweigerd{"tekstOpPlaatsVanGetal", "0,1,0,0,0,x,0,A,0,0,1,0,0"},
        Geweigerd{"getalBovenBereik", "0,0,0,0,2147483648,0,0"},
        Geweigerd{"getalOnderBereik", "0,0,0,0,-2147483649,0,0"},
        Geweigerd{"heelGrootGetal", "0,0,0,0,99999999999999999999999,0,0"},
        Geweigerd{"negatiefAantalInputs", "0,-1,0,0,0,0,0"},
        Geweigerd{"teveelInputs", "0,6,0,0,0,0,0"}, Geweigerd{"teveelOutputs", "0,0,2,0,0,0,0"},
        Geweigerd{"teveelRegels", "0,0,0,11,0,0,0"},
        Geweigerd{"negatiefAantalRegels", "0,0,0,-1,0,0,0"},
        Geweigerd{"teveelLabels", "0,1,0,0,0,0,0,A,0,0,1,4,0"},
        Geweigerd{"negatiefAantalLabels", "0,1,0,0,0,0,0,A,0,0,1,-1,0"},
        Geweigerd{"teveelTermen", "0,1,0,1,0,0,0,A,0,0,1,0,0,7"},
        Geweigerd{"negatiefAantalTermen", "0,1,0,1,0,0,0,A,0,0,1,0,0,-2"},
        Geweigerd{"naamTeLang", "0,1,0,0,0,0,0,Abcdefghijk,0,0,1,0,0"},
        Geweigerd{"naamZonderKomma", "0,1,0,0,0,0,0,Temp"},
        Geweigerd{"naamMetBesturingsteken", std::string("0,1,0,0,0,0,0,A\0B,0,0,1,0,0", 27)},
        Geweigerd{"restNaLaatsteVeld", Voorbeeld + ",5"},
        Geweigerd{"kommaAanHetEind", "0,0,0,0,0,0,0,"}, Geweigerd{"witVoorKomma", "0 ,0,0,0,0,0,0"},
        Geweigerd{"afvalNaRegeleinde", Voorbeeld + "\nx"},
        Geweigerd{"tekenNaGetal", "0,0,0,0,0,0,0x"}),
    [](const auto& info) { return std::string(info.param.naam); });

}  // namespace
