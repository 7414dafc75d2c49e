// Every project file that ships with the workbench loads, and writes back byte for byte.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <iterator>

#include "model/Bestand.h"

namespace {

std::string Lees(const std::filesystem::path& pad) {
    std::ifstream in(pad, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

TEST(Voorbeelden, EveryShippedProjectLoadsAndRoundTrips) {
    const std::filesystem::path bron(WERKBANK_BRON);
    std::vector<std::filesystem::path> bestanden{bron / "sjabloon.fld"};
    for (const auto& e : std::filesystem::directory_iterator(bron / "voorbeelden"))
        if (e.path().extension() == ".FLB") bestanden.push_back(e.path());
    ASSERT_GE(bestanden.size(), 3u);
    for (const auto& pad : bestanden) {
        SCOPED_TRACE(pad.string());
        const std::string tekst = Lees(pad);
        TFuzzyModel m{};
        ASSERT_TRUE(LeesBestand(m, tekst));
        EXPECT_EQ(SchrijfBestand(m), tekst);
        EXPECT_EQ(m.AantalVariabelen, m.AantalInputs + m.AantalOutputs);
    }
}

}  // namespace
