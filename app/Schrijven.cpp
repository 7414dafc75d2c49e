#include "app/Schrijven.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <filesystem>
#include <vector>

namespace {

mode_t NieuweBestandsmodus(const std::string& pad) {
    struct stat info {};
    if (::stat(pad.c_str(), &info) == 0) return info.st_mode & 07777;
    const mode_t masker = ::umask(0);
    ::umask(masker);
    return 0666 & ~masker;
}

}  // namespace

SchrijfFout SchrijfVeilig(const std::string& pad, std::string_view tekst,
                          const TSchrijfFunctie& schrijf,
                          const std::function<bool()>& voorVervangen,
                          const std::function<void()>& herstel) {
    const std::filesystem::path doel(pad);
    std::filesystem::path map = doel.parent_path();
    if (map.empty()) map = ".";
    std::string verborgen(".");
    verborgen.append(doel.filename().string()).append(".XXXXXX");
    const std::string sjabloon = (map / verborgen).string();
    std::vector<char> naam(sjabloon.begin(), sjabloon.end());
    naam.push_back('\0');

    // The temporary file is removed through a handle on its folder, not by its path: a folder
    // moved away during the write would otherwise keep it.
    const int mapFd = ::open(map.c_str(), O_PATH | O_DIRECTORY | O_CLOEXEC);
    if (mapFd < 0) return SchrijfFout::Creatie;
    struct TSluiter {
        int fd;
        ~TSluiter() { ::close(fd); }
    } mapSluiter{mapFd};

    const int fd = ::mkstemp(naam.data());
    if (fd < 0) return SchrijfFout::Creatie;
    const std::string tijdelijk(naam.data());
    const std::string tijdelijkeNaam = std::filesystem::path(tijdelijk).filename().string();
    auto opruimen = [&](SchrijfFout fout) {
        ::unlinkat(mapFd, tijdelijkeNaam.c_str(), 0);
        return fout;
    };

    ::fchmod(fd, NieuweBestandsmodus(pad));
    std::size_t geschreven = 0;
    while (geschreven < tekst.size()) {
        const ssize_t n = schrijf(fd, tekst.data() + geschreven, tekst.size() - geschreven);
        if (n < 0 && errno == EINTR) continue;
        if (n <= 0) {
            ::close(fd);
            return opruimen(SchrijfFout::Schrijven);
        }
        geschreven += static_cast<std::size_t>(n);
    }
    if (::fsync(fd) != 0) {
        ::close(fd);
        return opruimen(SchrijfFout::Schrijven);
    }
    if (::close(fd) != 0) return opruimen(SchrijfFout::Schrijven);

    const bool gedaan = voorVervangen ? voorVervangen() : false;
    // Writing in place is refused by a write-protected file; replacing the file must not get
    // round that. A file first moved to its backup is no longer in the way.
    if (!gedaan && ::faccessat(AT_FDCWD, pad.c_str(), F_OK, AT_EACCESS) == 0 &&
        ::faccessat(AT_FDCWD, pad.c_str(), W_OK, AT_EACCESS) != 0)
        return opruimen(SchrijfFout::Creatie);
    if (::rename(tijdelijk.c_str(), pad.c_str()) != 0) {
        if (gedaan && herstel) herstel();
        return opruimen(SchrijfFout::Creatie);
    }
    return SchrijfFout::Geen;
}

bool VerplaatsZonderOverschrijven(const std::string& bron, const std::string& doel) {
    // A plain rename would silently replace an existing doel; link fails instead when it exists.
    if (::link(bron.c_str(), doel.c_str()) == 0) {
        if (::unlink(bron.c_str()) == 0) return true;
        ::unlink(doel.c_str());
        return false;
    }
    return false;
}

LeesFout LeesGeheel(const std::string& pad, std::string& inhoud, std::size_t maxGrootte) {
    const int fd = ::open(pad.c_str(), O_RDONLY | O_CLOEXEC);
    if (fd < 0) return LeesFout::Open;
    struct stat info {};
    if (::fstat(fd, &info) != 0 || !S_ISREG(info.st_mode)) {
        ::close(fd);
        return LeesFout::Open;
    }
    if (static_cast<unsigned long long>(info.st_size) > maxGrootte) {
        ::close(fd);
        return LeesFout::TeGroot;
    }
    inhoud.clear();
    char buffer[4096];
    for (;;) {
        const ssize_t n = ::read(fd, buffer, sizeof buffer);
        if (n < 0 && errno == EINTR) continue;
        // Only the bytes actually read count; a read error ends the text there.
        if (n <= 0) break;
        inhoud.append(buffer, static_cast<std::size_t>(n));
        if (inhoud.size() > maxGrootte) {
            ::close(fd);
            return LeesFout::TeGroot;
        }
    }
    ::close(fd);
    return LeesFout::Geen;
}
