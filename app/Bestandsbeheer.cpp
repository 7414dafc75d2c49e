#include "app/Bestandsbeheer.h"

#include <unistd.h>

#include <filesystem>

#include "model/Bestand.h"

namespace {

const char* const VraagBewarenTekst = "Huidige file bewaren ?";
const char* const WijzigingenTekst = "Wijzigingen opslaan ?";
const char* const SjabloonOpenFout = "File open error bij default testbestand openen";
const char* const SjabloonFormaatFout = "File formaat error bij default testbestand openen";
const char* const OpenFout = "File open error bij testbestand openen";
const char* const FormaatFout = "File formaat error bij testbestand openen";
const char* const CreatieFout = "File creatie error bij testbestand opslaan";
const char* const SchrijfFoutTekst = "File schrijf error bij testbestand opslaan";

// "oven.FLB" in any folder gives "oven.BAK", relative to the working folder.
std::string BackupNaam(const std::string& gekozen) {
    return std::filesystem::path(gekozen).stem().string() + ".BAK";
}

}  // namespace

TBestandsbeheer::TBestandsbeheer(TFuzzyModel& model, TDialogen& dialogen,
                                 std::string sjabloonBestand)
    : Schrijf(
          [](int fd, const void* data, std::size_t lengte) { return ::write(fd, data, lengte); }),
      model_(model),
      dialogen_(dialogen),
      SjabloonBestand_(std::move(sjabloonBestand)) {}

std::string TBestandsbeheer::Titel() const {
    return HuidigBestand_.empty() ? std::string("Nieuw Bestand") : HuidigBestand_;
}

void TBestandsbeheer::ZetHuidigBestand(std::string naam) {
    HuidigBestand_ = std::move(naam);
    if (BijTitelWijziging) BijTitelWijziging(Titel());
}

void TBestandsbeheer::Beeindig(const std::string& melding) {
    dialogen_.Meld(melding);
    beeindigd_ = true;
    dialogen_.Beeindig();
}

TBestandsbeheer::Laden TBestandsbeheer::LaadBestand(const std::string& naam) {
    std::string inhoud;
    switch (LeesGeheel(naam, inhoud, MaxBestandsgrootte)) {
        case LeesFout::Open:
            return Laden::OpenFout;
        case LeesFout::TeGroot:
            return Laden::FormaatFout;
        case LeesFout::Geen:
            break;
    }
    return LeesBestand(model_, inhoud) ? Laden::Gelezen : Laden::FormaatFout;
}

bool TBestandsbeheer::FormCreate() {
    model_.Reserve1 = 0;
    model_.AantalInputs = 0;
    model_.AantalOutputs = 0;
    model_.AantalVariabelen = 0;
    model_.GekozenVariabele = 0;
    switch (LaadBestand(SjabloonBestand_)) {
        case Laden::OpenFout:
            Beeindig(SjabloonOpenFout);
            return false;
        case Laden::FormaatFout:
            Beeindig(SjabloonFormaatFout);
            return false;
        case Laden::Gelezen:
            break;
    }
    ZetHuidigBestand("");
    return true;
}

bool TBestandsbeheer::DefaultBestandOpenen() {
    switch (LaadBestand(SjabloonBestand_)) {
        case Laden::OpenFout:
            Beeindig(SjabloonOpenFout);
            return false;
        case Laden::FormaatFout:
            dialogen_.Meld(SjabloonFormaatFout);
            return false;
        case Laden::Gelezen:
            break;
    }
    ZetHuidigBestand("");
    return true;
}

bool TBestandsbeheer::BestandOpenen(bool Herladen) {
    std::string naam;
    if (Herladen) {
        naam = HuidigBestand_;
    } else {
        std::optional<std::string> gekozen = dialogen_.KiesBestandOmTeOpenen();
        if (!gekozen || gekozen->empty()) return false;
        naam = *gekozen;
    }
    switch (LaadBestand(naam)) {
        case Laden::OpenFout:
            Beeindig(OpenFout);
            return false;
        case Laden::FormaatFout:
            dialogen_.Meld(FormaatFout);
            return false;
        case Laden::Gelezen:
            break;
    }
    ZetHuidigBestand(naam);
    return true;
}

bool TBestandsbeheer::VraagBewaren() {
    if (HuidigBestand_.empty()) return true;
    switch (dialogen_.Vraag(VraagBewarenTekst)) {
        case Antwoord::Ja:
            // A failed save keeps the user where they are, so nothing is thrown away.
            return BestandOpslaanClick() != Opslag::Mislukt;
        case Antwoord::Nee:
            return true;
        case Antwoord::Annuleren:
            return false;
    }
    return false;
}

void TBestandsbeheer::bestandNieuwClick() {
    if (!VraagBewaren() || beeindigd_) return;
    DefaultBestandOpenen();
}

void TBestandsbeheer::BestandOpenClick() {
    if (!VraagBewaren() || beeindigd_) return;
    BestandOpenen(false);
}

bool TBestandsbeheer::FormCloseQuery() {
    switch (dialogen_.Vraag(VraagBewarenTekst)) {
        case Antwoord::Ja:
            return BestandOpslaanClick() != Opslag::Mislukt;
        case Antwoord::Nee:
            return true;
        case Antwoord::Annuleren:
            return false;
    }
    return false;
}

bool TBestandsbeheer::WijzigingenOpslaanBijSluiten() {
    switch (dialogen_.Vraag(WijzigingenTekst)) {
        case Antwoord::Ja:
            return BestandOpslaanClick() != Opslag::Mislukt;
        case Antwoord::Nee:
            if (HuidigBestand_.empty())
                DefaultBestandOpenen();
            else
                BestandOpenen(true);
            return true;
        case Antwoord::Annuleren:
            return false;
    }
    return false;
}

Opslag TBestandsbeheer::BestandOpslaanClick() {
    if (HuidigBestand_.empty()) return BestandOpslaanAlsClick();
    return SchrijfNaar(HuidigBestand_, false);
}

Opslag TBestandsbeheer::BestandOpslaanAlsClick() {
    std::optional<std::string> gekozen = dialogen_.KiesBestandOmOpTeSlaan(HuidigBestand_);
    if (!gekozen || gekozen->empty()) return Opslag::Geannuleerd;
    return SchrijfNaar(*gekozen, true);
}

Opslag TBestandsbeheer::SchrijfNaar(const std::string& naam, bool metBackup) {
    const std::string backup = BackupNaam(naam);
    // The backup is made only once the new text is safely on disk, and is moved back if the
    // final replacement fails, so the old file is never lost.
    auto maakBackup = [&]() {
        std::error_code fout;
        return metBackup && std::filesystem::exists(naam, fout) &&
               VerplaatsZonderOverschrijven(naam, backup);
    };
    auto herstel = [&]() { VerplaatsZonderOverschrijven(backup, naam); };
    switch (SchrijfVeilig(naam, SchrijfBestand(model_), Schrijf, maakBackup, herstel)) {
        case SchrijfFout::Creatie:
            dialogen_.Meld(CreatieFout);
            return Opslag::Mislukt;
        case SchrijfFout::Schrijven:
            dialogen_.Meld(SchrijfFoutTekst);
            return Opslag::Mislukt;
        case SchrijfFout::Geen:
            break;
    }
    ZetHuidigBestand(naam);
    return Opslag::Opgeslagen;
}

std::optional<std::string> RegelsPoort(const TFuzzyModel& model) {
    if (model.AantalVariabelen <= 0) return "Er zijn nog geen lidmaatschapsfuncties gedefinieerd";
    return std::nullopt;
}

std::optional<std::string> InferentiePoort(const TFuzzyModel& model) {
    if (model.AantalRegels <= 0) return "Er zijn nog geen regels gedefinieerd";
    return std::nullopt;
}
