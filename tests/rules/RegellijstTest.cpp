// The rule list commands: the state of model and editor before and after each of them.
#include <gtest/gtest.h>

#include <functional>
#include <ostream>
#include <string>
#include <vector>

#include "rules/RegelTekst.h"
#include "rules/Regellijst.h"
#include "support/MaakModel.h"

namespace {

constexpr int Temp = 0, Vocht = 1, Kachel = 2;

MaakModel Variabelen() {
    return MaakModel()
        .Input("Temp", 0, 40)
        .Label("Koud", 0, 0, 10, 20)
        .Label("Warm", 20, 30, 40, 40)
        .Input("Vocht", 0, 100)
        .Label("Droog", 0, 0, 20, 40)
        .Label("Nat", 40, 60, 100, 100)
        .Output("Kachel", 0, 100)
        .Label("Laag", 0, 0, 20, 50)
        .Label("Midden", 20, 50, 50, 80)
        .Label("Hoog", 50, 80, 100, 100);
}

// n different rules: rule k concludes Kachel with label k % 3 from Temp (k < 3) or Vocht.
TFuzzyModel MetRegels(int n) {
    MaakModel m = Variabelen();
    for (int k = 0; k < n; ++k)
        m.Regel({{k < 3 ? Temp : Vocht, k % 2, KoppelEN},
                 {k < 3 ? Vocht : Temp, (k / 2) % 2, KoppelDAN},
                 {Kachel, k % 3, KoppelGeen}});
    return m;
}

// What the rows hold, as the rule they would store.
TRegel InDeRijen(const TRegelEditor& editor) {
    TRegel regel{};
    RijenNaarRegel(editor.Rijen, regel);
    return regel;
}

bool Gelijk(const TRegel& a, const TRegel& b) {
    if (a.AantalTermen != b.AantalTermen) return false;
    for (int t = 0; t < a.AantalTermen; ++t)
        if (a.Termen[t].Variabele != b.Termen[t].Variabele ||
            a.Termen[t].Label != b.Termen[t].Label || a.Termen[t].Koppel != b.Termen[t].Koppel)
            return false;
    return true;
}

// Puts a rule in the rows that is none of the stored ones, as a user composing would; so a test
// sees whether a command reloaded the rows.
void Samenstellen(TRegelEditor& editor, const TFuzzyModel& model) {
    TRegelRijen& r = editor.Rijen;
    VariabeleGekozen(r, model, 1, Vocht);
    r[1].Label.Gekozen = 1;
    KoppelGekozen(r, 1, 1);
    VariabeleGekozen(r, model, 2, Kachel);
    r[2].Label.Gekozen = 1;
}
const TRegel Samengesteld = {2, {{Vocht, 1, KoppelDAN}, {Kachel, 1, KoppelGeen}}};

using TCommando = std::function<Resultaat(TRegelEditor&, TFuzzyModel&)>;
const TCommando Verwijder = RegelVerwijderen;
const TCommando Omhoog = RegelOmhoog;
const TCommando Omlaag = RegelOmlaag;
const TCommando Volgende = [](TRegelEditor& e, TFuzzyModel& m) { return VolgendeRegel(e, m); };
const TCommando Vorige = [](TRegelEditor& e, TFuzzyModel& m) { return VorigeRegel(e, m); };
const TCommando Vervang = RegelVervangen;
constexpr int SamengesteldeRegel = -1;

struct TLijstGeval {
    const char* naam;
    int aantal;   // rules at the start
    int gekozen;  // GeselecteerdeRegel at the start
    TCommando commando;
    Uitkomst uitkomst;
    std::vector<int> volgorde;  // the rules afterwards, by their number at the start (0-based)
    int geselecteerd;           // GeselecteerdeRegel afterwards
    int inDeRijen;              // the rule the rows show afterwards, or SamengesteldeRegel
    const char* aanduiding;     // RegelAanduidingEdit afterwards
};
void PrintTo(const TLijstGeval& g, std::ostream* os) { *os << g.naam; }

class Lijstcommando : public testing::TestWithParam<TLijstGeval> {};

TEST_P(Lijstcommando, VoorEnNa) {
    const TLijstGeval& g = GetParam();
    TFuzzyModel model = MetRegels(g.aantal);
    const TFuzzyModel begin = model;
    TRegelEditor editor;
    Activeren(editor, model);
    if (g.gekozen >= 1)
        ASSERT_EQ(RegelKiezen(editor, model, g.gekozen - 1).uitkomst, Uitkomst::Gewijzigd);
    Samenstellen(editor, model);

    EXPECT_EQ(g.commando(editor, model).uitkomst, g.uitkomst);

    ASSERT_EQ(model.AantalRegels, static_cast<int>(g.volgorde.size()));
    ASSERT_EQ(editor.Lijnen.size(), g.volgorde.size());
    for (int k = 0; k < model.AantalRegels; ++k) {
        EXPECT_TRUE(Gelijk(model.RegelLijst[k], begin.RegelLijst[g.volgorde[k]])) << k;
        EXPECT_EQ(editor.Lijnen[k], RegelTekst(model, k)) << k;
    }
    EXPECT_EQ(editor.GeselecteerdeRegel, g.geselecteerd);
    EXPECT_EQ(editor.GeselecteerdeLijn, g.geselecteerd - 1);
    const TRegel verwacht =
        g.inDeRijen == SamengesteldeRegel ? Samengesteld : begin.RegelLijst[g.inDeRijen];
    EXPECT_TRUE(Gelijk(InDeRijen(editor), verwacht));
    EXPECT_EQ(editor.Aanduiding, g.aanduiding);
}

INSTANTIATE_TEST_SUITE_P(
    Tabel, Lijstcommando,
    testing::Values(
        TLijstGeval{"VerwijderMidden", 4, 2, Verwijder, Uitkomst::Gewijzigd, {0, 2, 3}, 2, 2, "2"},
        TLijstGeval{"VerwijderLaatste", 4, 4, Verwijder, Uitkomst::Gewijzigd, {0, 1, 2}, 3, 2, "3"},
        TLijstGeval{"VerwijderEerste", 3, 1, Verwijder, Uitkomst::Gewijzigd, {1, 2}, 1, 1, "1"},
        // The rows and the number field keep showing the deleted rule.
        TLijstGeval{
            "VerwijderEnige", 1, 1, Verwijder, Uitkomst::Gewijzigd, {}, 0, SamengesteldeRegel, "1"},
        TLijstGeval{
            "VerwijderLeeg", 0, 0, Verwijder, Uitkomst::Niets, {}, 0, SamengesteldeRegel, "0"},
        TLijstGeval{"OmhoogDerde", 4, 3, Omhoog, Uitkomst::Gewijzigd, {0, 2, 1, 3}, 2, 2, "2"},
        TLijstGeval{"OmhoogEerste",
                    4,
                    1,
                    Omhoog,
                    Uitkomst::Niets,
                    {0, 1, 2, 3},
                    1,
                    SamengesteldeRegel,
                    "1"},
        TLijstGeval{"OmlaagEerste", 4, 1, Omlaag, Uitkomst::Gewijzigd, {1, 0, 2, 3}, 2, 0, "2"},
        TLijstGeval{"OmlaagLaatste",
                    4,
                    4,
                    Omlaag,
                    Uitkomst::Niets,
                    {0, 1, 2, 3},
                    4,
                    SamengesteldeRegel,
                    "4"},
        TLijstGeval{"OmlaagLeeg", 0, 0, Omlaag, Uitkomst::Niets, {}, 0, SamengesteldeRegel, "0"},
        TLijstGeval{"VolgendeMidden", 4, 2, Volgende, Uitkomst::Gewijzigd, {0, 1, 2, 3}, 3, 2, "3"},
        // At the ends the selection stays, and the rows are reloaded all the same.
        TLijstGeval{
            "VolgendeBijLaatste", 4, 4, Volgende, Uitkomst::Gewijzigd, {0, 1, 2, 3}, 4, 3, "4"},
        TLijstGeval{"VorigeBijEerste", 4, 1, Vorige, Uitkomst::Gewijzigd, {0, 1, 2, 3}, 1, 0, "1"},
        TLijstGeval{"VorigeMidden", 4, 3, Vorige, Uitkomst::Gewijzigd, {0, 1, 2, 3}, 2, 1, "2"},
        TLijstGeval{
            "VolgendeLeeg", 0, 0, Volgende, Uitkomst::Niets, {}, 0, SamengesteldeRegel, "0"},
        TLijstGeval{"VorigeLeeg", 0, 0, Vorige, Uitkomst::Niets, {}, 0, SamengesteldeRegel, "0"},
        TLijstGeval{"VervangLeeg", 0, 0, Vervang, Uitkomst::Niets, {}, 0, SamengesteldeRegel, "0"}),
    [](const testing::TestParamInfo<TLijstGeval>& info) { return info.param.naam; });

TEST(Activeren, ZonderRegelsRij1MetEersteVariabeleEnLabel) {
    const TFuzzyModel model = Variabelen();
    TRegelEditor editor;
    // Rows 2 ... 6 keep their shown state; the connector box of row 1 keeps its choice.
    editor.Rijen[1].Koppel.Gekozen = 1;
    editor.Rijen[3].Variabele.Getoond = editor.Rijen[3].IsGetoond = true;
    editor.Rijen[3].Label.Getoond = true;
    Activeren(editor, model);
    EXPECT_EQ(editor.GeselecteerdeRegel, 0);
    EXPECT_EQ(editor.GeselecteerdeLijn, -1);
    EXPECT_TRUE(editor.Lijnen.empty());
    EXPECT_EQ(editor.Aanduiding, "0");
    const TRegelRij& rij1 = editor.Rijen[1];
    EXPECT_TRUE(rij1.Variabele.Getoond && rij1.IsGetoond && rij1.Label.Getoond);
    EXPECT_EQ(rij1.Variabele.Items, (std::vector<std::string>{"Temp", "Vocht", "Kachel"}));
    EXPECT_EQ(rij1.Variabele.Gekozen, 0);
    EXPECT_EQ(rij1.Label.Items, (std::vector<std::string>{"Koud", "Warm"}));
    EXPECT_EQ(rij1.Label.Gekozen, 0);
    EXPECT_TRUE(rij1.Koppel.Getoond);
    EXPECT_EQ(rij1.Koppel.Gekozen, 1);
    EXPECT_FALSE(editor.Rijen[2].Variabele.Getoond);
    EXPECT_TRUE(editor.Rijen[3].Variabele.Getoond);
    for (int rij = 2; rij <= MaxTermen; ++rij) {
        EXPECT_EQ(editor.Rijen[rij].Variabele.Items, rij1.Variabele.Items);
        EXPECT_EQ(editor.Rijen[rij].Variabele.Gekozen, -1);
    }
}

TEST(Activeren, MetRegelsEersteRegelGekozenEnGetoond) {
    TFuzzyModel model = MetRegels(3);
    TRegelEditor editor;
    Activeren(editor, model);
    EXPECT_EQ(editor.GeselecteerdeRegel, 1);
    EXPECT_EQ(editor.GeselecteerdeLijn, 0);
    EXPECT_EQ(editor.Aanduiding, "1");
    ASSERT_EQ(editor.Lijnen.size(), 3u);
    for (int k = 0; k < 3; ++k) EXPECT_EQ(editor.Lijnen[k], RegelTekst(model, k));
    EXPECT_TRUE(Gelijk(InDeRijen(editor), model.RegelLijst[0]));

    // A later opening picks up a model changed elsewhere and starts at rule 1 again.
    ASSERT_EQ(RegelKiezen(editor, model, 2).uitkomst, Uitkomst::Gewijzigd);
    MaakModel::ZetNaam(model.VariabeleLijst[Temp].Naam, "Lucht");
    Activeren(editor, model);
    EXPECT_EQ(editor.GeselecteerdeRegel, 1);
    EXPECT_EQ(editor.Rijen[4].Variabele.Items[0], "Lucht");
    EXPECT_EQ(editor.Lijnen[0], RegelTekst(model, 0));
}

class Toevoegen : public testing::Test {
  protected:
    void Open(int n) {
        model = MetRegels(n);
        Activeren(editor, model);
    }
    TFuzzyModel model;
    TRegelEditor editor;
};

TEST_F(Toevoegen, BijTienRegelsMeldingVoorElkeControle) {
    Open(MaxRegels);
    // Rows that would fail the check with its own message.
    editor.Rijen[2].Variabele.Gekozen = Temp;
    const TFuzzyModel voorModel = model;
    const TRegelEditor voor = editor;
    const Resultaat r = RegelToevoegen(editor, model);
    EXPECT_EQ(r.uitkomst, Uitkomst::Geweigerd);
    EXPECT_EQ(r.meldingen, std::vector<std::string>{MeldingMaximaalRegels});
    EXPECT_TRUE(model == voorModel);
    EXPECT_TRUE(editor == voor);
}

TEST_F(Toevoegen, AfgekeurdVeranderdNiets) {
    for (const TCommando& commando : {TCommando(RegelToevoegen), Vervang}) {
        Open(3);
        ASSERT_EQ(RegelKiezen(editor, model, 1).uitkomst, Uitkomst::Gewijzigd);
        // Rule 2 in the rows, with the output as its condition as well.
        editor.Rijen[1].Variabele.Gekozen = Kachel;
        VulLabelBox(editor.Rijen, model, 1);
        const TFuzzyModel voorModel = model;
        const TRegelEditor voor = editor;
        const Resultaat r = commando(editor, model);
        EXPECT_EQ(r.uitkomst, Uitkomst::Geweigerd);
        EXPECT_EQ(r.meldingen, std::vector<std::string>{MeldingHerhaaldeVariabele});
        EXPECT_TRUE(model == voorModel);
        EXPECT_TRUE(editor == voor);
    }
}

// The candidate reads row 2 from its hidden boxes; the stored rule then shows it.
TEST_F(Toevoegen, SlaatOpEnLaadtDeRijenOpnieuw) {
    Open(2);
    Samenstellen(editor, model);
    TRegelRij& rij2 = editor.Rijen[2];
    rij2.Variabele.Getoond = rij2.IsGetoond = rij2.Label.Getoond = false;
    EXPECT_EQ(RegelToevoegen(editor, model).uitkomst, Uitkomst::Gewijzigd);
    ASSERT_EQ(model.AantalRegels, 3);
    EXPECT_TRUE(Gelijk(model.RegelLijst[2], Samengesteld));
    EXPECT_EQ(editor.GeselecteerdeRegel, 3);
    EXPECT_EQ(editor.GeselecteerdeLijn, 2);
    EXPECT_EQ(editor.Aanduiding, "3");
    ASSERT_EQ(editor.Lijnen.size(), 3u);
    EXPECT_EQ(editor.Lijnen[2], "ALS Vocht IS Nat DAN Kachel IS Midden");
    EXPECT_TRUE(rij2.Variabele.Getoond && rij2.IsGetoond && rij2.Label.Getoond);
}

TEST_F(Toevoegen, VervangtDeGekozenRegel) {
    Open(3);
    ASSERT_EQ(RegelKiezen(editor, model, 1).uitkomst, Uitkomst::Gewijzigd);
    const TFuzzyModel voor = model;
    Samenstellen(editor, model);
    EXPECT_EQ(RegelVervangen(editor, model).uitkomst, Uitkomst::Gewijzigd);
    EXPECT_EQ(model.AantalRegels, 3);
    EXPECT_TRUE(Gelijk(model.RegelLijst[1], Samengesteld));
    EXPECT_TRUE(Gelijk(model.RegelLijst[0], voor.RegelLijst[0]));
    EXPECT_TRUE(Gelijk(model.RegelLijst[2], voor.RegelLijst[2]));
    EXPECT_EQ(editor.Lijnen[1], "ALS Vocht IS Nat DAN Kachel IS Midden");
    EXPECT_EQ(editor.GeselecteerdeRegel, 2);
    EXPECT_EQ(editor.Aanduiding, "2");
}

// After the only rule is gone, the commands that need a selection do nothing, and "Voeg toe"
// stores the rows' rule as rule 1.
TEST_F(Toevoegen, NaVerwijderenVanDeEnigeRegel) {
    Open(1);
    ASSERT_EQ(RegelVerwijderen(editor, model).uitkomst, Uitkomst::Gewijzigd);
    const TFuzzyModel leeg = model;
    const TRegelEditor voor = editor;
    for (const TCommando& commando : {Vervang, Verwijder, Omhoog, Omlaag, Volgende, Vorige}) {
        EXPECT_EQ(commando(editor, model).uitkomst, Uitkomst::Niets);
        EXPECT_TRUE(model == leeg);
        EXPECT_TRUE(editor == voor);
    }
    EXPECT_EQ(RegelToevoegen(editor, model).uitkomst, Uitkomst::Gewijzigd);
    ASSERT_EQ(model.AantalRegels, 1);
    EXPECT_TRUE(Gelijk(model.RegelLijst[0], MetRegels(1).RegelLijst[0]));
    EXPECT_EQ(editor.GeselecteerdeRegel, 1);
    EXPECT_EQ(editor.Lijnen, std::vector<std::string>{RegelTekst(model, 0)});
}

TEST_F(Toevoegen, TotTienRegels) {
    Open(0);
    Samenstellen(editor, model);
    for (int k = 1; k <= MaxRegels; ++k) {
        ASSERT_EQ(RegelToevoegen(editor, model).uitkomst, Uitkomst::Gewijzigd) << k;
        EXPECT_EQ(model.AantalRegels, k);
        EXPECT_EQ(editor.GeselecteerdeRegel, k);
    }
    EXPECT_EQ(RegelToevoegen(editor, model).meldingen,
              std::vector<std::string>{MeldingMaximaalRegels});
    EXPECT_EQ(model.AantalRegels, MaxRegels);
}

}  // namespace
