// The reader under a bounded, seeded stream of damaged texts, each opened the way the Open command
// opens a file. WERKBANK_FUZZ_ZAAD picks another seed and WERKBANK_FUZZ_TEKSTEN another number of
// random texts, for longer runs; a failure prints both, with the text, so it can be replayed.
#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <sstream>

#include "app/Bestandsbeheer.h"
#include "robuustheid/Controle.h"
#include "robuustheid/Mutaties.h"
#include "support/GescripteDialogen.h"
#include "support/Werkmap.h"

namespace {

const char* const FormaatFout = "File formaat error bij testbestand openen";

std::uint64_t Omgeving(const char* naam, std::uint64_t standaard) {
    const char* waarde = std::getenv(naam);
    return waarde && *waarde ? std::strtoull(waarde, nullptr, 0) : standaard;
}

std::string Zichtbaar(const std::string& tekst) {
    std::ostringstream uit;
    for (unsigned char c : tekst) {
        if (c >= 0x20 && c < 0x7F && c != '\\')
            uit << c;
        else
            uit << "\\x" << std::hex << (c >> 4) << (c & 0xF) << std::dec;
    }
    return uit.str();
}

// The shipped projects, the template and the texts the other tests use as fixtures.
std::vector<std::string> Zaden() {
    const std::filesystem::path bron(WERKBANK_BRON);
    std::vector<std::string> zaden;
    std::vector<std::filesystem::path> paden{bron / "sjabloon.fld"};
    for (const auto& e : std::filesystem::directory_iterator(bron / "voorbeelden"))
        if (e.path().extension() == ".FLB") paden.push_back(e.path());
    std::sort(paden.begin(), paden.end());
    for (const auto& pad : paden) zaden.push_back(TWerkmap::Lees(pad.string()));
    for (const char* tekst : {
             "0,1,1,1,0,0,1,Temp,0,0,40,2,0,Koud,0,0,10,20,Warm,10,20,40,40,Kachel,1,0,100,1,0,"
             "Laag,0,0,20,50,2,0,1,2,1,0,0",
             "0,1,1,0,0,0,0,A,0,0,1,0,0,B,1,0,1,0,0",
             "0,1,0,2,0,0,0,A,0,0,1,0,0,0,1,0,-1,3",
             "7,1,0,0,-1,-3,0,X,0,-5,5,1,-56,,-5,-5,0,5",
             "0,1,0,1,0,0,0,A,0,0,1,0,200,1,0,0,-130",
             "0,1,0,0,0,0,0,W\xe4rme \x80,0,0,1,0,0",
             "-2147483648,0,0,0,2147483647,0,0",
             "0,5,1,10,2,0,1,A,0,-2147483648,2147483647,3,0,a,-2147483648,0,0,2147483647,b,0,0,0,0,"
             "c,1,1,1,1,B,0,0,1,0,0,C,0,0,1,0,0,D,0,0,1,0,0,E,0,0,1,0,0,F,1,0,1,1,0,f,0,0,1,1,"
             "6,0,0,1,1,0,1,2,0,1,3,0,1,4,0,2,5,0,0,2,0,0,2,5,0,0,2,0,1,2,5,0,0,2,0,2,2,5,0,0,"
             "2,0,0,2,5,9,0,2,9,0,2,5,0,0,2,-1,-1,2,5,0,0,0,0,2,0,0,2,5,0,0",
         })
        zaden.emplace_back(tekst);
    return zaden;
}

TEST(GefuzzdLezen, EveryDamagedTextIsRefusedWholeOrReadWithinTheLimits) {
    const std::uint64_t zaad = Omgeving("WERKBANK_FUZZ_ZAAD", 20261211);
    const std::uint64_t aantalWillekeurig = Omgeving("WERKBANK_FUZZ_TEKSTEN", 20000);
    std::cout << "seed WERKBANK_FUZZ_ZAAD=" << zaad
              << ", WERKBANK_FUZZ_TEKSTEN=" << aantalWillekeurig << std::endl;

    TWerkmap map;
    const std::vector<std::string> zaden = Zaden();
    ASSERT_GE(zaden.size(), 4u);
    // The count mutations find the count fields by walking a well-formed seed.
    for (const std::string& z : zaden) {
        TFuzzyModel m{};
        ASSERT_TRUE(LeesBestand(m, z)) << "seed not well-formed: " << z;
    }
    TWerkmap::Schrijf("sjabloon.fld", zaden.front());
    TFuzzyModel model{};
    TGescripteDialogen dialogen;
    TBestandsbeheer bestanden(model, dialogen);
    ASSERT_TRUE(bestanden.FormCreate());
    const std::string pad = map.Bestand("fuzz.FLB");

    std::size_t aanvaard = 0, geweigerd = 0, nummer = 0;
    // False after the first fault, which is reported with everything needed to replay it.
    auto Probeer = [&](const std::string& tekst) {
        ++nummer;
        TWerkmap::Schrijf(pad, tekst);
        const TFuzzyModel voor = model;
        const std::string huidigVoor = bestanden.HuidigBestand();
        dialogen.meldingen.clear();
        dialogen.teOpenen.push_back(pad);
        const bool gelezen = bestanden.BestandOpenen(false);

        std::string fout = robuust::ControleerLezing(voor, model, gelezen);
        const std::vector<std::string> verwacht =
            gelezen ? std::vector<std::string>{} : std::vector<std::string>{FormaatFout};
        if (fout.empty() && dialogen.meldingen != verwacht) fout = "unexpected messages";
        if (fout.empty() && dialogen.beeindigd) fout = "the program was told to end";
        if (fout.empty() && bestanden.HuidigBestand() != (gelezen ? pad : huidigVoor))
            fout = "HuidigBestand is wrong";
        // The Open command must hand the reader the whole text, NUL bytes included.
        TFuzzyModel direct = voor;
        if (fout.empty() && (LeesBestand(direct, tekst) != gelezen || !(direct == model)))
            fout = "opening the file and reading the text differ";
        if (!fout.empty()) {
            ADD_FAILURE() << fout << "\n  text " << nummer << " of seed " << zaad << ": \""
                          << Zichtbaar(tekst) << "\"";
            return false;
        }
        (gelezen ? aanvaard : geweigerd)++;
        return true;
    };

    for (const std::string& z : zaden)
        for (std::size_t lengte = 0; lengte <= z.size(); ++lengte)
            if (!Probeer(z.substr(0, lengte))) return;
    robuust::TMutaties mutaties(zaad);
    for (std::uint64_t i = 0; i < aantalWillekeurig; ++i)
        if (!Probeer(mutaties.Muteer(zaden[mutaties.Kies(zaden.size())]))) return;

    std::cout << nummer << " texts: " << aanvaard << " read, " << geweigerd << " refused"
              << std::endl;
    EXPECT_GE(nummer, aantalWillekeurig);
    // A generator that only made refused (or only accepted) texts would test half the reader.
    EXPECT_GT(aanvaard, nummer / 100);
    EXPECT_GT(geweigerd, nummer / 100);
}

}  // namespace
