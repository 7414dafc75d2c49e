// A fresh temporary folder that is the working folder for the life of a test, so that the
// template and the ".BAK" backups resolve inside it.
#pragma once

#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <random>
#include <string>

class TWerkmap {
  public:
    TWerkmap() {
        std::random_device rd;
        pad_ = std::filesystem::temp_directory_path() /
               ("werkbank-" + std::to_string(::getpid()) + "-" + std::to_string(rd()));
        std::filesystem::create_directories(pad_);
        vorige_ = std::filesystem::current_path();
        std::filesystem::current_path(pad_);
    }
    ~TWerkmap() {
        std::error_code fout;
        std::filesystem::current_path(vorige_, fout);
        std::filesystem::permissions(pad_, std::filesystem::perms::owner_all,
                                     std::filesystem::perm_options::add, fout);
        std::filesystem::remove_all(pad_, fout);
    }
    TWerkmap(const TWerkmap&) = delete;
    TWerkmap& operator=(const TWerkmap&) = delete;

    const std::filesystem::path& Pad() const { return pad_; }
    std::string Bestand(const std::string& naam) const { return (pad_ / naam).string(); }

    static void Schrijf(const std::string& pad, const std::string& inhoud) {
        std::ofstream(pad, std::ios::binary) << inhoud;
    }
    static std::string Lees(const std::string& pad) {
        std::ifstream in(pad, std::ios::binary);
        return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
    }
    // The names in a folder, to see that no temporary file stayed behind.
    static int AantalBestanden(const std::filesystem::path& map) {
        int n = 0;
        for ([[maybe_unused]] const auto& e : std::filesystem::directory_iterator(map)) ++n;
        return n;
    }

  private:
    std::filesystem::path pad_;
    std::filesystem::path vorige_;
};
