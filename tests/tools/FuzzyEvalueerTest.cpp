// fuzzy-evalueer as a real process: transcripts on project files, the CSV mode, and every kind of
// bad input with its message and exit status. The expected outcomes were worked out by hand from
// the trapezoids (see the comments at each case).
#include <gtest/gtest.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <random>
#include <sstream>
#include <string>
#include <vector>

namespace fs = std::filesystem;

namespace {

const std::string Programma = WERKBANK_BIN "/tools/fuzzy-evalueer";
const std::string Fixtures = WERKBANK_BRON "/tests/tools";
const std::string Maximaal = WERKBANK_BRON "/bench/maximaal.FLB";

struct TAfloop {
    int code;
    std::string uit;
    std::string fout;
};

std::string Lees(const fs::path& pad) {
    std::ifstream in(pad, std::ios::binary);
    std::ostringstream s;
    s << in.rdbuf();
    return s.str();
}

void Schrijf(const fs::path& pad, const std::string& inhoud) {
    std::ofstream(pad, std::ios::binary) << inhoud;
}

std::string Shell(const std::string& arg) {
    std::string q = "'";
    for (char c : arg) q += c == '\'' ? std::string("'\\''") : std::string(1, c);
    return q + "'";
}

class Proces : public ::testing::Test {
  protected:
    void SetUp() override {
        map_ = fs::temp_directory_path() /
               ("fuzzy-evalueer-" + std::to_string(::getpid()) + "-" +
                ::testing::UnitTest::GetInstance()->current_test_info()->name());
        fs::remove_all(map_);
        fs::create_directories(map_);
    }
    void TearDown() override { fs::remove_all(map_); }

    TAfloop Draai(const std::vector<std::string>& args, const std::string& invoer = "") {
        Schrijf(map_ / "in", invoer);
        std::string opdracht = Shell(Programma);
        for (const std::string& a : args) opdracht += " " + Shell(a);
        opdracht += " < " + Shell((map_ / "in").string()) + " > " + Shell((map_ / "uit").string()) +
                    " 2> " + Shell((map_ / "fout").string());
        const int status = std::system(opdracht.c_str());
        EXPECT_TRUE(WIFEXITED(status)) << "ended by a signal: " << opdracht;
        return {WIFEXITED(status) ? WEXITSTATUS(status) : -1, Lees(map_ / "uit"),
                Lees(map_ / "fout")};
    }

    fs::path map_;
};

const std::string Verwarming = Fixtures + "/verwarming.FLB";
const std::string Kachel = WERKBANK_BRON "/voorbeelden/kachel.FLB";
const std::string Kas = WERKBANK_BRON "/voorbeelden/kas.FLB";

// ---- transcripts -----------------------------------------------------------------------------

struct TTranscript {
    const char* naam;
    std::vector<std::string> args;
    const char* uit;
};

class Transcript : public Proces, public ::testing::WithParamInterface<TTranscript> {};

TEST_P(Transcript, Uitvoer) {
    const TTranscript& t = GetParam();
    const TAfloop a = Draai(t.args);
    EXPECT_EQ(a.code, 0) << a.fout;
    EXPECT_EQ(a.fout, "");
    EXPECT_EQ(a.uit, t.uit);
}

INSTANTIATE_TEST_SUITE_P(
    Tabel, Transcript,
    ::testing::Values(
        // Temp 15: Koud 50, Warm 50; Vocht 50: Droog 33, Nat 33. Rule 1 at 50 on Hoog (centre
        // 76, P2 85), rules 2 and 3 at 33 (centres 19.34 and 73.96): 68.789 / 1.16 = 59.3.
        TTranscript{"drie_regels_zwaartepunt",
                    {Verwarming, "Temp=15", "Vocht=50"},
                    "Regel 1 : ALS Temp IS Koud DAN Kachel IS Hoog\n"
                    "Regel 2 : ALS Temp IS Warm EN Vocht IS Nat DAN Kachel IS Laag\n"
                    "Regel 3 : ALS Temp IS Warm EN Vocht IS Droog DAN Kachel IS Hoog\n"
                    "Uitkomst van variabele Kachel : 59\n"},
        TTranscript{"drie_regels_maxima",
                    {Verwarming, "Vocht=50", "--methode", "maxima", "Temp=15"},
                    "Regel 1 : ALS Temp IS Koud DAN Kachel IS Hoog\n"
                    "Regel 2 : ALS Temp IS Warm EN Vocht IS Nat DAN Kachel IS Laag\n"
                    "Regel 3 : ALS Temp IS Warm EN Vocht IS Droog DAN Kachel IS Hoog\n"
                    "Uitkomst van variabele Kachel : 85\n"},
        // Vocht not given: its Min, 0, where Droog and Nat are 0. Koud(5) = 100: the whole of
        // Hoog, centre (40 + 70 + 100 + 100 + 100) / 5 = 82.
        TTranscript{"ontbrekende_input_op_min",
                    {Verwarming, "Temp=5"},
                    "Regel 1 : ALS Temp IS Koud DAN Kachel IS Hoog\n"
                    "Uitkomst van variabele Kachel : 82\n"},
        TTranscript{"methode_is_teken",
                    {Verwarming, "Temp=5", "--methode=maxima"},
                    "Regel 1 : ALS Temp IS Koud DAN Kachel IS Hoog\n"
                    "Uitkomst van variabele Kachel : 100\n"},
        // Nothing given: Temp 0 is the open left foot of Koud.
        TTranscript{"niets_gevuurd", {Verwarming}, "Er heeft geen regel gevuurd\n"},
        // The file's own method (1): Warm(15) = 50 on Laag 0,0,20,50 gives the centre 19;
        // the mean of maxima gives P2 = 10.
        TTranscript{"methode_uit_bestand",
                    {Kachel, "Temp=15"},
                    "Regel 1 : ALS Temp IS Warm DAN Kachel IS Laag\n"
                    "Uitkomst van variabele Kachel : 19\n"},
        TTranscript{"methode_overschreven",
                    {Kachel, "Temp=15", "--methode", "maxima"},
                    "Regel 1 : ALS Temp IS Warm DAN Kachel IS Laag\n"
                    "Uitkomst van variabele Kachel : 10\n"},
        // The shipped greenhouse: Temp 30 is Warm 75, Wind 5 is Stil 60 and Matig 25, Vocht 90 is
        // Nat 100. Rules 1 (60), 2 (25) and 9 (75) fire with centres 89.6, 49 and 90.5:
        // 133.885 / 1.6 = 83.7; the highest, rule 9, has P2 = 97.5.
        TTranscript{"kas_zwaartepunt",
                    {Kas, "Temp=30", "Vocht=90", "Wind=5"},
                    "Regel 1 : ALS Temp IS Warm EN Wind IS Stil DAN Raam IS Open\n"
                    "Regel 2 : ALS Temp IS Warm EN Wind IS Matig DAN Raam IS Half\n"
                    "Regel 9 : ALS Temp IS Warm EN Vocht IS Nat DAN Raam IS Open\n"
                    "Uitkomst van variabele Raam : 83\n"},
        TTranscript{"kas_maxima",
                    {Kas, "Wind=5", "Temp=30", "Vocht=90", "--methode", "maxima"},
                    "Regel 1 : ALS Temp IS Warm EN Wind IS Stil DAN Raam IS Open\n"
                    "Regel 2 : ALS Temp IS Warm EN Wind IS Matig DAN Raam IS Half\n"
                    "Regel 9 : ALS Temp IS Warm EN Vocht IS Nat DAN Raam IS Open\n"
                    "Uitkomst van variabele Raam : 97\n"},
        TTranscript{"zwaartepunt_gekozen",
                    {Kachel, "--methode", "zwaartepunt", "Temp=40"},
                    "Regel 1 : ALS Temp IS Warm DAN Kachel IS Laag\n"
                    "Uitkomst van variabele Kachel : 18\n"}),
    [](const auto& info) { return std::string(info.param.naam); });

// The limit model separately: its text is long, so the test checks its structure and outcome.
TEST_F(Proces, MaximaalModel) {
    // Ingang* = 50: Laag (0,0,30,75) 55, Midden (5,40,60,95) 100, Hoog (25,70,100,100) 55. So
    // every rule fires, at 55, except rule 2 (all Midden) at 100, which alone is the maximum:
    // Uitgang's Midden (30,45,55,70) at full height has P2 = 55.
    const TAfloop a = Draai({Maximaal, "Ingang1=50", "Ingang2=50", "Ingang3=50", "Ingang4=50",
                             "Ingang5=50", "--methode", "maxima"});
    ASSERT_EQ(a.code, 0) << a.fout;
    std::istringstream regels(a.uit);
    std::vector<std::string> r;
    for (std::string s; std::getline(regels, s);) r.push_back(s);
    ASSERT_EQ(r.size(), 11u) << a.uit;
    EXPECT_EQ(r[1],
              "Regel 2 : ALS Ingang1 IS Midden EN Ingang2 IS Midden EN Ingang3 IS Midden EN "
              "Ingang4 IS Midden EN Ingang5 IS Midden DAN Uitgang IS Midden");
    EXPECT_EQ(r[9].substr(0, 11), "Regel 10 : ");
    EXPECT_EQ(r[10], "Uitkomst van variabele Uitgang : 55");
}

TEST_F(Proces, NamenInWindows1252) {
    // "Tempé" and "Kachel€" as the project file stores them: 0xE9 and 0x80.
    const std::string project =
        "0,1,1,1,0,0,1,Temp\xE9,0,0,40,1,0,Warm,10,20,40,40,Kachel\x80,1,0,100,1,0,Laag,0,0,20,"
        "50,2,0,0,2,1,0,0";
    Schrijf(map_ / "namen.FLB", project);
    const TAfloop a = Draai({(map_ / "namen.FLB").string(), "Temp\u00E9=15"});
    EXPECT_EQ(a.code, 0) << a.fout;
    EXPECT_EQ(a.uit,
              "Regel 1 : ALS Temp\u00E9 IS Warm DAN Kachel\u20AC IS Laag\n"
              "Uitkomst van variabele Kachel\u20AC : 19\n");
    const TAfloop b = Draai({(map_ / "namen.FLB").string(), "Tempe=15"});
    EXPECT_EQ(b.code, 2);
    EXPECT_NE(b.fout.find("de inputvariabelen zijn: Temp\u00E9"), std::string::npos) << b.fout;
}

TEST_F(Proces, Help) {
    const TAfloop a = Draai({"--help"});
    EXPECT_EQ(a.code, 0);
    EXPECT_EQ(a.uit.rfind("Gebruik: fuzzy-evalueer BESTAND [NAAM=WAARDE ...]", 0), 0u) << a.uit;
    EXPECT_NE(a.uit.find("--csv"), std::string::npos);
}

// ---- CSV -------------------------------------------------------------------------------------

struct TCsvGeval {
    const char* naam;
    std::vector<std::string> args;
    const char* invoer;
    const char* uit;
};

class Csv : public Proces, public ::testing::WithParamInterface<TCsvGeval> {};

TEST_P(Csv, Stroom) {
    const TCsvGeval& g = GetParam();
    const TAfloop a = Draai(g.args, g.invoer);
    EXPECT_EQ(a.code, 0) << a.fout;
    EXPECT_EQ(a.fout, "");
    EXPECT_EQ(a.uit, g.uit);
}

INSTANTIATE_TEST_SUITE_P(
    Tabel, Csv,
    ::testing::Values(
        // Columns in any order; the outcomes as in the transcripts above; none fired: empty.
        TCsvGeval{"kolommen_omgedraaid",
                  {Verwarming, "--csv"},
                  "Vocht,Temp\n50,15\n0,5\n0,0\n",
                  "Vocht,Temp,Kachel\n50,15,59\n0,5,82\n0,0,\n"},
        TCsvGeval{"crlf_en_lege_regels",
                  {Verwarming, "--csv", "--methode", "maxima"},
                  "Temp,Vocht\r\n15,50\r\n\r\n5, 0\r\n",
                  "Temp,Vocht,Kachel\n15,50,85\n5,0,100\n"},
        TCsvGeval{"input_weggelaten_op_min",
                  {Verwarming, "--csv"},
                  "Temp\n5\n15\n",
                  "Temp,Kachel\n5,82\n15,76\n"},
        TCsvGeval{"geen_laatste_regeleinde",
                  {Kachel, "--csv"},
                  "Temp\n15\n40",
                  "Temp,Kachel\n15,19\n40,18\n"},
        TCsvGeval{"alleen_kopregel", {Kachel, "--csv"}, "Temp\n", "Temp,Kachel\n"},
        TCsvGeval{"bom", {Kachel, "--csv"}, "\xEF\xBB\xBFTemp\n15\n", "Temp,Kachel\n15,19\n"}),
    [](const auto& info) { return std::string(info.param.naam); });

// The shared benchmark rows, repeated, stream through and give what single evaluations give.
TEST_F(Proces, VeleRijenZoalsLosseEvaluaties) {
    std::ifstream in(WERKBANK_BRON "/bench/invoer.csv");
    std::string kop, regel;
    std::getline(in, kop);
    std::vector<std::string> rijen;
    while (std::getline(in, regel)) rijen.push_back(regel);
    ASSERT_EQ(rijen.size(), 4096u);
    std::string invoer = kop + "\n";
    const int herhalingen = 50;  // 204,800 rows
    for (int h = 0; h < herhalingen; ++h)
        for (const std::string& r : rijen) invoer += r + "\n";
    const TAfloop a = Draai({Maximaal, "--csv"}, invoer);
    ASSERT_EQ(a.code, 0) << a.fout;
    std::istringstream uit(a.uit);
    std::getline(uit, regel);
    EXPECT_EQ(regel, kop + ",Uitgang");
    std::vector<std::string> uitkomsten;
    for (long i = 0; std::getline(uit, regel); ++i) {
        ASSERT_EQ(regel.rfind(rijen[i % 4096] + ",", 0), 0u) << "row " << i;
        if (i < 4096)
            uitkomsten.push_back(regel.substr(rijen[i].size() + 1));
        else
            ASSERT_EQ(regel.substr(rijen[i % 4096].size() + 1), uitkomsten[i % 4096]) << i;
    }
    // A few rows checked against the single evaluation.
    for (int i : {0, 1, 2, 777, 4095}) {
        std::vector<std::string> args = {Maximaal};
        std::istringstream namen(kop), waarden(rijen[i]);
        std::string naam, waarde;
        while (std::getline(namen, naam, ',') && std::getline(waarden, waarde, ','))
            args.push_back(naam + "=" + waarde);
        const TAfloop los = Draai(args);
        const std::string laatste = los.uit.substr(los.uit.rfind('\n', los.uit.size() - 2) + 1);
        if (uitkomsten[i].empty())
            EXPECT_EQ(los.uit, "Er heeft geen regel gevuurd\n") << i;
        else
            EXPECT_EQ(laatste, "Uitkomst van variabele Uitgang : " + uitkomsten[i] + "\n") << i;
    }
}

// ---- bad input ---------------------------------------------------------------------------------

struct TFoutGeval {
    const char* naam;
    std::vector<std::string> args;  // "@" stands for the test's own folder
    const char* invoer;
    int code;
    const char* melding;      // the whole line on standard error
    const char* uitVoorFout;  // what was evaluated before the fault
};

class Fout : public Proces, public ::testing::WithParamInterface<TFoutGeval> {};

TEST_P(Fout, MeldingEnCode) {
    const TFoutGeval& g = GetParam();
    Schrijf(map_ / "rommel.FLB", "dit is geen projectbestand");
    Schrijf(map_ / "binair.FLB", std::string("0,1\0\xFF\x01,2", 7));
    Schrijf(map_ / "zonderoutput.FLB", "0,1,0,0,0,0,1,Temp,0,0,40,0,0");
    Schrijf(map_ / "groot.FLB", std::string((1 << 20) + 1, '0'));
    fs::create_directories(map_ / "map.FLB");
    std::vector<std::string> args;
    for (std::string a : g.args) {
        if (const auto p = a.find('@'); p != std::string::npos) a.replace(p, 1, map_.string());
        args.push_back(a);
    }
    const TAfloop a = Draai(args, g.invoer);
    EXPECT_EQ(a.code, g.code);
    std::string melding = g.melding;
    if (const auto p = melding.find('@'); p != std::string::npos)
        melding.replace(p, 1, map_.string());
    EXPECT_EQ(a.fout, "fuzzy-evalueer: " + melding + "\n");
    EXPECT_EQ(a.uit, g.uitVoorFout);
}

INSTANTIATE_TEST_SUITE_P(
    Bestand, Fout,
    ::testing::Values(
        TFoutGeval{"bestaat_niet",
                   {"@/nergens.FLB"},
                   "",
                   1,
                   "bestand '@/nergens.FLB' kan niet worden geopend: het bestaat niet",
                   ""},
        TFoutGeval{"map",
                   {"@/map.FLB"},
                   "",
                   1,
                   "bestand '@/map.FLB' kan niet worden gelezen: het is een map",
                   ""},
        TFoutGeval{"rommel",
                   {"@/rommel.FLB"},
                   "",
                   1,
                   "bestand '@/rommel.FLB' is geweigerd: het volgt het formaat van een "
                   "projectbestand niet",
                   ""},
        TFoutGeval{"binair",
                   {"@/binair.FLB", "--csv"},
                   "",
                   1,
                   "bestand '@/binair.FLB' is geweigerd: het volgt het formaat van een "
                   "projectbestand niet",
                   ""},
        TFoutGeval{"te_groot",
                   {"@/groot.FLB"},
                   "",
                   1,
                   "bestand '@/groot.FLB' is geweigerd: het is groter dan 1 MiB en dus geen "
                   "projectbestand",
                   ""},
        TFoutGeval{"geen_output",
                   {"@/zonderoutput.FLB", "Temp=3"},
                   "",
                   1,
                   "bestand '@/zonderoutput.FLB' is geweigerd: het model heeft geen "
                   "outputvariabele",
                   ""}),
    [](const auto& info) { return std::string(info.param.naam); });

INSTANTIATE_TEST_SUITE_P(
    Argumenten, Fout,
    ::testing::Values(
        TFoutGeval{"geen_bestand", {}, "", 2, "geen bestand gegeven (zie --help)", ""},
        TFoutGeval{"onbekende_optie",
                   {Kachel, "--snel"},
                   "",
                   2,
                   "onbekende optie '--snel' (zie --help)",
                   ""},
        TFoutGeval{"geen_toewijzing",
                   {Kachel, "Temp"},
                   "",
                   2,
                   "'Temp' is geen NAAM=WAARDE (zie --help)",
                   ""},
        TFoutGeval{"methode_onbekend",
                   {Kachel, "--methode", "rc"},
                   "",
                   2,
                   "onbekende methode 'rc'; kies zwaartepunt of maxima",
                   ""},
        TFoutGeval{"methode_zonder_waarde",
                   {Kachel, "--methode"},
                   "",
                   2,
                   "--methode verwacht zwaartepunt of maxima",
                   ""},
        TFoutGeval{"csv_met_toewijzing",
                   {Kachel, "--csv", "Temp=3"},
                   "",
                   2,
                   "met --csv komen de waarden van de standaardinvoer, niet uit NAAM=WAARDE",
                   ""},
        // Argument errors come before the file is read; file errors before the values.
        TFoutGeval{"argument_voor_bestand",
                   {"@/nergens.FLB", "--snel"},
                   "",
                   2,
                   "onbekende optie '--snel' (zie --help)",
                   ""},
        TFoutGeval{"bestand_voor_waarde",
                   {"@/rommel.FLB", "Temp=999"},
                   "",
                   1,
                   "bestand '@/rommel.FLB' is geweigerd: het volgt het formaat van een "
                   "projectbestand niet",
                   ""}),
    [](const auto& info) { return std::string(info.param.naam); });

INSTANTIATE_TEST_SUITE_P(
    Waarden, Fout,
    ::testing::Values(
        TFoutGeval{"onbekende_variabele",
                   {Verwarming, "Druk=3"},
                   "",
                   2,
                   "onbekende inputvariabele 'Druk'; de inputvariabelen zijn: Temp, Vocht",
                   ""},
        TFoutGeval{"hoofdletters_tellen",
                   {Verwarming, "temp=3"},
                   "",
                   2,
                   "onbekende inputvariabele 'temp'; de inputvariabelen zijn: Temp, Vocht",
                   ""},
        TFoutGeval{"output_als_input",
                   {Verwarming, "Kachel=3"},
                   "",
                   2,
                   "'Kachel' is de outputvariabele; alleen inputvariabelen krijgen een waarde",
                   ""},
        TFoutGeval{"boven_bereik",
                   {Verwarming, "Temp=41"},
                   "",
                   2,
                   "waarde 41 voor variabele 'Temp' ligt buiten het bereik 0 .. 40",
                   ""},
        TFoutGeval{"onder_bereik",
                   {Verwarming, "Vocht=-1"},
                   "",
                   2,
                   "waarde -1 voor variabele 'Vocht' ligt buiten het bereik 0 .. 100",
                   ""},
        TFoutGeval{"buiten_32_bits",
                   {Verwarming, "Temp=99999999999"},
                   "",
                   2,
                   "waarde '99999999999' voor variabele 'Temp' ligt buiten het bereik 0 .. 40",
                   ""},
        TFoutGeval{"geen_getal",
                   {Verwarming, "Temp=12a"},
                   "",
                   2,
                   "waarde '12a' voor variabele 'Temp' is geen geheel getal",
                   ""},
        TFoutGeval{"lege_waarde",
                   {Verwarming, "Temp="},
                   "",
                   2,
                   "waarde '' voor variabele 'Temp' is geen geheel getal",
                   ""},
        TFoutGeval{"twee_keer",
                   {Verwarming, "Temp=1", "Temp=2"},
                   "",
                   2,
                   "variabele 'Temp' is meer dan eens gegeven",
                   ""}),
    [](const auto& info) { return std::string(info.param.naam); });

INSTANTIATE_TEST_SUITE_P(
    CsvInvoer, Fout,
    ::testing::Values(
        TFoutGeval{"geen_kopregel",
                   {Verwarming, "--csv"},
                   "",
                   2,
                   "geen CSV-kopregel op de standaardinvoer",
                   ""},
        TFoutGeval{"onbekende_kolom",
                   {Verwarming, "--csv"},
                   "Temp,Druk\n1,2\n",
                   2,
                   "CSV-regel 1: onbekende inputvariabele 'Druk'; de inputvariabelen zijn: Temp, "
                   "Vocht",
                   ""},
        TFoutGeval{"output_als_kolom",
                   {Verwarming, "--csv"},
                   "Kachel\n1\n",
                   2,
                   "CSV-regel 1: 'Kachel' is de outputvariabele; alleen inputvariabelen krijgen "
                   "een waarde",
                   ""},
        TFoutGeval{"dubbele_kolom",
                   {Verwarming, "--csv"},
                   "Temp,Temp\n1,2\n",
                   2,
                   "CSV-regel 1: kolom 'Temp' komt twee keer voor",
                   ""},
        // The rows before the fault were evaluated and stay on standard output.
        TFoutGeval{"te_weinig_waarden",
                   {Verwarming, "--csv"},
                   "Temp,Vocht\n5,0\n15\n",
                   2,
                   "CSV-regel 3: 1 waarden, verwacht 2 (een per kolom van de kopregel)",
                   "Temp,Vocht,Kachel\n5,0,82\n"},
        TFoutGeval{"te_veel_waarden",
                   {Verwarming, "--csv"},
                   "Temp,Vocht\r\n5,0,1\r\n",
                   2,
                   "CSV-regel 2: 3 waarden, verwacht 2 (een per kolom van de kopregel)",
                   "Temp,Vocht,Kachel\n"},
        TFoutGeval{"geen_getal",
                   {Verwarming, "--csv"},
                   "Temp\n5\n\nx5\n",
                   2,
                   "CSV-regel 4: waarde 'x5' voor variabele 'Temp' is geen geheel getal",
                   "Temp,Kachel\n5,82\n"},
        TFoutGeval{"buiten_bereik",
                   {Verwarming, "--csv"},
                   "Vocht,Temp\n0,5\n0,-3\n",
                   2,
                   "CSV-regel 3: waarde -3 voor variabele 'Temp' ligt buiten het bereik 0 .. 40",
                   "Vocht,Temp,Kachel\n0,5,82\n"}),
    [](const auto& info) { return std::string(info.param.naam); });

TEST_F(Proces, TeLangeCsvRegel) {
    const TAfloop a = Draai({Kachel, "--csv"}, "Temp\n" + std::string(100000, '1') + "\n");
    EXPECT_EQ(a.code, 2);
    EXPECT_EQ(a.fout, "fuzzy-evalueer: CSV-regel 2 is te lang\n");
}

// Whatever a damaged file holds, the evaluator refuses it or evaluates it; it never crashes.
TEST_F(Proces, BeschadigdeBestandenLatenHetNietVallen) {
    const std::string goed = Lees(Verwarming);
    std::mt19937 rng(7);
    const std::string tekens = "0123456789,-,,9";
    int geweigerd = 0, geevalueerd = 0;
    for (int i = 0; i < 150; ++i) {
        std::string s = goed;
        const int wijzigingen = 1 + static_cast<int>(rng() % 4);
        for (int w = 0; w < wijzigingen; ++w) {
            const std::size_t p = rng() % s.size();
            switch (rng() % 3) {
                case 0:
                    s[p] = tekens[rng() % tekens.size()];
                    break;
                case 1:
                    s.erase(p, 1 + rng() % 3);
                    break;
                default:
                    s.insert(p, 1, tekens[rng() % tekens.size()]);
            }
        }
        Schrijf(map_ / "schade.FLB", s);
        const TAfloop a = Draai({(map_ / "schade.FLB").string(), "--csv"}, "Temp\n15\n3\n");
        ASSERT_TRUE(a.code == 0 || a.code == 1 || a.code == 2) << a.code << " on: " << s;
        if (a.code == 1) ++geweigerd;
        if (a.code == 0) ++geevalueerd;
        if (a.code != 0) EXPECT_EQ(a.fout.rfind("fuzzy-evalueer: ", 0), 0u) << a.fout;
    }
    EXPECT_GT(geweigerd, 0);
    EXPECT_GT(geevalueerd, 0);
}

}  // namespace
