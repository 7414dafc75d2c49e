// Saving when the disk refuses for real: a folder the user may not write to, a write-protected
// file, a file-size limit that makes the kernel cut the stream part-way, and a folder that
// disappears while the file is being written. Each time the right message shows, the previous file
// keeps its bytes, no temporary file stays behind, the model and HuidigBestand are unchanged, and
// the next save succeeds.
//
// The tests run as root in CI, where permission bits stop nothing: there a child process gives up
// root before it saves, and checks that the folder really refuses it before it trusts the result.
#include <fcntl.h>
#include <grp.h>
#include <gtest/gtest.h>
#include <signal.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>
#include <filesystem>
#include <functional>
#include <sstream>

#include "app/Bestandsbeheer.h"
#include "model/Bestand.h"
#include "support/GescripteDialogen.h"
#include "support/Werkmap.h"

namespace {

namespace fs = std::filesystem;

const std::string Sjabloon = "0,1,0,0,0,0,0,Leeg,0,0,10,0,0";
const std::string Oven =
    "0,1,1,1,0,0,1,Temp,0,0,40,2,0,Koud,0,0,10,20,Warm,10,20,40,40,Kachel,1,0,100,1,0,Laag,0,0,20,"
    "50,2,0,1,2,1,0,0";
const std::string CreatieFout = "File creatie error bij testbestand opslaan";
const std::string SchrijfFout = "File schrijf error bij testbestand opslaan";

// What one failed save left behind, as seen from inside the process that saved.
struct TUitslag {
    std::string nietBeperkt;  // why the refusal could not be put in force; empty when it was
    int opslag = -1;
    std::vector<std::string> meldingen;
    bool beeindigd = true;
    bool modelGelijk = false;
    bool huidigGelijk = false;
    std::string oudeTekst;      // the previous file's bytes afterwards
    int aantalInMap = -1;       // names in the previous file's folder
    bool backupGemaakt = true;  // an oven.BAK in the working folder
    bool daarnaOpgeslagen = false;
};

std::string NaarTekst(const TUitslag& u) {
    std::ostringstream s;
    s << u.nietBeperkt << '\x1e' << u.opslag << '\x1e' << u.beeindigd << '\x1e' << u.modelGelijk
      << '\x1e' << u.huidigGelijk << '\x1e' << u.oudeTekst << '\x1e' << u.aantalInMap << '\x1e'
      << u.backupGemaakt << '\x1e' << u.daarnaOpgeslagen;
    for (const std::string& m : u.meldingen) s << '\x1e' << m;
    return s.str();
}

TUitslag UitTekst(const std::string& tekst) {
    std::vector<std::string> d(1);
    for (char c : tekst) {
        if (c == '\x1e')
            d.emplace_back();
        else
            d.back() += c;
    }
    TUitslag u;
    if (d.size() < 9) {
        u.nietBeperkt = "the child reported nothing";
        return u;
    }
    u.nietBeperkt = d[0];
    u.opslag = std::stoi(d[1]);
    u.beeindigd = d[2] == "1";
    u.modelGelijk = d[3] == "1";
    u.huidigGelijk = d[4] == "1";
    u.oudeTekst = d[5];
    u.aantalInMap = std::stoi(d[6]);
    u.backupGemaakt = d[7] == "1";
    u.daarnaOpgeslagen = d[8] == "1";
    u.meldingen.assign(d.begin() + 9, d.end());
    return u;
}

// Runs werk in a child process, so that what it gives up (root, a size limit) stays there.
TUitslag InKind(const std::function<TUitslag()>& werk) {
    int buis[2];
    if (::pipe(buis) != 0) return UitTekst("");
    const pid_t kind = ::fork();
    if (kind == 0) {
        ::close(buis[0]);
        const std::string tekst = NaarTekst(werk());
        std::size_t gedaan = 0;
        while (gedaan < tekst.size()) {
            const ssize_t n = ::write(buis[1], tekst.data() + gedaan, tekst.size() - gedaan);
            if (n <= 0) break;
            gedaan += static_cast<std::size_t>(n);
        }
        ::_exit(0);
    }
    ::close(buis[1]);
    std::string tekst;
    char blok[4096];
    for (ssize_t n; (n = ::read(buis[0], blok, sizeof blok)) > 0;)
        tekst.append(blok, static_cast<std::size_t>(n));
    ::close(buis[0]);
    int status = 0;
    ::waitpid(kind, &status, 0);
    if (!WIFEXITED(status) || WEXITSTATUS(status) != 0) return UitTekst("");
    return UitTekst(tekst);
}

// Gives up root for good, when it is root.
std::string ZonderRoot() {
    if (::geteuid() != 0) return "";
    const gid_t niemand = 65534;
    if (::setgroups(0, nullptr) != 0 || ::setgid(niemand) != 0 || ::setuid(niemand) != 0)
        return std::string("could not give up root: ") + std::strerror(errno);
    return "";
}

// Without root; "" when the folder now refuses new files.
std::string ZonderSchrijfrecht(const fs::path& map) {
    if (std::string fout = ZonderRoot(); !fout.empty()) return fout;
    const std::string proef = (map / "proef").string();
    const int fd = ::open(proef.c_str(), O_CREAT | O_EXCL | O_WRONLY, 0644);
    if (fd >= 0) {
        ::close(fd);
        ::unlink(proef.c_str());
        return "the folder still takes new files";
    }
    if (errno != EACCES) return std::string("the probe failed otherwise: ") + std::strerror(errno);
    return "";
}

// Without root; "" when the file refuses to be written while its folder takes new files, so that
// only the file's own protection can refuse the save.
std::string AlleenLezen(const std::string& bestand) {
    if (std::string fout = ZonderRoot(); !fout.empty()) return fout;
    const int fd = ::open(bestand.c_str(), O_WRONLY);
    if (fd >= 0) {
        ::close(fd);
        return "the file can still be written";
    }
    if (errno != EACCES) return std::string("the probe failed otherwise: ") + std::strerror(errno);
    const std::string proef = (fs::path(bestand).parent_path() / "proef").string();
    const int nieuw = ::open(proef.c_str(), O_CREAT | O_EXCL | O_WRONLY, 0644);
    if (nieuw < 0) return "the folder refuses new files as well";
    ::close(nieuw);
    ::unlink(proef.c_str());
    return "";
}

// Files beyond `bytes` bytes cannot grow: the kernel cuts the write short, then refuses it.
std::string MetGroottegrens(rlim_t bytes) {
    ::signal(SIGXFSZ, SIG_IGN);
    const rlimit grens{bytes, RLIM_INFINITY};
    if (::setrlimit(RLIMIT_FSIZE, &grens) != 0)
        return std::string("setrlimit: ") + std::strerror(errno);
    return "";
}

void ZonderGroottegrens() {
    const rlimit vrij{RLIM_INFINITY, RLIM_INFINITY};
    ::setrlimit(RLIMIT_FSIZE, &vrij);
}

class OpslaanFouten : public ::testing::Test {
  protected:
    void SetUp() override {
        TWerkmap::Schrijf("sjabloon.fld", Sjabloon);
        fs::create_directory("map");
        TWerkmap::Schrijf(bestaand, Oven);
        fs::create_directory("vrij");
        fs::permissions("vrij", fs::perms::all);
    }
    void TearDown() override {
        std::error_code fout;
        fs::permissions(werkmap.Pad() / "map", fs::perms::owner_all, fs::perm_options::add, fout);
    }

    // Opens the previous file, changes the model, saves under `beperking` and records what the
    // failure left; then saves elsewhere, to show that the program goes on.
    TUitslag Opslaan(bool alsNaam, const std::string& doel,
                     const std::function<std::string()>& beperking,
                     const std::function<void()>& opheffen,
                     const std::function<void(TBestandsbeheer&)>& schrijver = {}) {
        TUitslag u;
        TFuzzyModel m{};
        TGescripteDialogen d;
        TBestandsbeheer b(m, d);
        if (!b.FormCreate()) return u;
        d.teOpenen.push_back(bestaand);
        if (!b.BestandOpenen(false)) return u;
        m.VariabeleLijst[0].Max = 77;
        const TFuzzyModel voor = m;
        u.nietBeperkt = beperking();
        if (!u.nietBeperkt.empty()) return u;
        if (schrijver) schrijver(b);
        if (alsNaam) d.opTeSlaan.push_back(doel);
        u.opslag = static_cast<int>(alsNaam ? b.BestandOpslaanAlsClick() : b.BestandOpslaanClick());
        u.meldingen = d.meldingen;
        u.beeindigd = d.beeindigd || b.Beeindigd();
        u.modelGelijk = m == voor;
        u.huidigGelijk = b.HuidigBestand() == bestaand;
        u.oudeTekst = TWerkmap::Lees(fs::exists(bestaand) ? bestaand : verplaatst);
        const fs::path oudeMap = fs::exists("map") ? fs::path("map") : fs::path("weg");
        u.aantalInMap = fs::exists(oudeMap) ? TWerkmap::AantalBestanden(oudeMap) : 0;
        u.backupGemaakt = fs::exists("oven.BAK");

        if (opheffen) opheffen();
        b.Schrijf = [](int fd, const void* data, std::size_t n) { return ::write(fd, data, n); };
        d.opTeSlaan.push_back(werkmap.Bestand("vrij/oven.FLB"));
        u.daarnaOpgeslagen = b.BestandOpslaanAlsClick() == Opslag::Opgeslagen &&
                             TWerkmap::Lees(werkmap.Bestand("vrij/oven.FLB")) == SchrijfBestand(m);
        return u;
    }

    static void Controleer(const TUitslag& u, const std::string& melding) {
        ASSERT_EQ(u.nietBeperkt, "") << "the refusal was not in force, so nothing was tested";
        EXPECT_EQ(u.opslag, static_cast<int>(Opslag::Mislukt));
        EXPECT_EQ(u.meldingen, std::vector<std::string>{melding});
        EXPECT_FALSE(u.beeindigd);
        EXPECT_TRUE(u.modelGelijk);
        EXPECT_TRUE(u.huidigGelijk);
        EXPECT_EQ(u.oudeTekst, Oven);
        EXPECT_EQ(u.aantalInMap, 1) << "a temporary file stayed behind";
        EXPECT_FALSE(u.backupGemaakt);
        EXPECT_TRUE(u.daarnaOpgeslagen);
    }

    TWerkmap werkmap;
    const std::string bestaand = werkmap.Bestand("map/oven.FLB");
    const std::string verplaatst = werkmap.Bestand("weg/oven.FLB");
};

TEST_F(OpslaanFouten, TheKernelRefusesTheWrite) {
    enum class Weigering { MapAlleenLezen, BestandAlleenLezen, Groottegrens };
    struct Geval {
        const char* naam;
        bool alsNaam;
        std::string doel;
        Weigering weigering;
        long grens;  // bytes a file may grow to, with Groottegrens
        std::string melding;
    };
    for (const Geval& g : {
             Geval{"readOnlyFolderSave", false, "", Weigering::MapAlleenLezen, 0, CreatieFout},
             Geval{"readOnlyFolderSaveAsOntoTheFile", true, bestaand, Weigering::MapAlleenLezen, 0,
                   CreatieFout},
             Geval{"readOnlyFolderSaveAsNewName", true, werkmap.Bestand("map/nieuw.FLB"),
                   Weigering::MapAlleenLezen, 0, CreatieFout},
             Geval{"readOnlyFileSave", false, "", Weigering::BestandAlleenLezen, 0, CreatieFout},
             Geval{"readOnlyFileSaveAs", true, bestaand, Weigering::BestandAlleenLezen, 0,
                   CreatieFout},
             Geval{"sizeLimitAtOnce", false, "", Weigering::Groottegrens, 0, SchrijfFout},
             Geval{"sizeLimitPartWay", false, "", Weigering::Groottegrens, 20, SchrijfFout},
             Geval{"sizeLimitPartWaySaveAsWithBackup", true, bestaand, Weigering::Groottegrens, 20,
                   SchrijfFout},
         }) {
        SCOPED_TRACE(g.naam);
        const fs::path map = werkmap.Pad() / "map";
        fs::permissions(map, g.weigering == Weigering::MapAlleenLezen       ? fs::perms(0555)
                             : g.weigering == Weigering::BestandAlleenLezen ? fs::perms(0777)
                                                                            : fs::perms(0755));
        fs::permissions(bestaand, g.weigering == Weigering::BestandAlleenLezen ? fs::perms(0444)
                                                                               : fs::perms(0644));
        const TUitslag u = InKind([&]() {
            switch (g.weigering) {
                case Weigering::MapAlleenLezen:
                    return Opslaan(g.alsNaam, g.doel, [&]() { return ZonderSchrijfrecht(map); },
                                   {});
                case Weigering::BestandAlleenLezen:
                    return Opslaan(g.alsNaam, g.doel, [&]() { return AlleenLezen(bestaand); }, {});
                case Weigering::Groottegrens:
                    break;
            }
            return Opslaan(
                g.alsNaam, g.doel, [&]() { return MetGroottegrens(g.grens); }, ZonderGroottegrens);
        });
        Controleer(u, g.melding);
        fs::permissions(map, fs::perms(0755));
        fs::permissions(bestaand, fs::perms(0644));
        EXPECT_EQ(TWerkmap::Lees(bestaand), Oven);
        fs::remove("vrij/oven.FLB");
    }
}

// The folder is moved away, or removed with everything in it, while the text is being written.
TEST_F(OpslaanFouten, TheFolderDisappearsDuringTheWrite) {
    struct Geval {
        const char* naam;
        bool verwijderen;
    };
    for (const Geval& g : {Geval{"movedAway", false}, Geval{"removed", true}}) {
        SCOPED_TRACE(g.naam);
        const TUitslag u = Opslaan(
            false, "", []() { return std::string(); }, {},
            [&](TBestandsbeheer& b) {
                b.Schrijf = [&, eerst = true](int fd, const void* data,
                                              std::size_t n) mutable -> ssize_t {
                    if (eerst) {
                        eerst = false;
                        if (g.verwijderen)
                            fs::remove_all("map");
                        else
                            fs::rename("map", "weg");
                    }
                    return ::write(fd, data, n);
                };
            });
        ASSERT_EQ(u.nietBeperkt, "");
        EXPECT_EQ(u.opslag, static_cast<int>(Opslag::Mislukt));
        EXPECT_EQ(u.meldingen, std::vector<std::string>{CreatieFout});
        EXPECT_FALSE(u.beeindigd);
        EXPECT_TRUE(u.modelGelijk);
        EXPECT_TRUE(u.huidigGelijk);
        EXPECT_FALSE(u.backupGemaakt);
        EXPECT_TRUE(u.daarnaOpgeslagen);
        if (g.verwijderen) {
            EXPECT_FALSE(fs::exists("map"));
        } else {
            EXPECT_EQ(u.oudeTekst, Oven);
            EXPECT_EQ(u.aantalInMap, 1) << "a temporary file stayed behind in the moved folder";
        }
        // Nothing new beside the template, the moved folder and the folder saved into at last.
        EXPECT_EQ(TWerkmap::AantalBestanden(werkmap.Pad()), g.verwijderen ? 2 : 3);
        std::error_code fout;
        fs::remove_all("weg", fout);
        fs::remove("vrij/oven.FLB", fout);
        fs::create_directory("map");
        TWerkmap::Schrijf(bestaand, Oven);
    }
}

}  // namespace
