// The main window's file commands as plain logic over the model, the current file name, the file
// system and the dialogue layer: start-up, New, Open, Save, Save As with its backup, Exit, and the
// re-reading that the editors use to throw changes away.
#pragma once

#include <functional>
#include <optional>
#include <string>

#include "app/Schrijven.h"
#include "model/Model.h"
#include "platform/Dialogen.h"

enum class Opslag { Opgeslagen, Geannuleerd, Mislukt };

// Project texts are a few kilobytes; anything far larger is not a project file.
constexpr std::size_t MaxBestandsgrootte = 1 << 20;

class TBestandsbeheer {
  public:
    TBestandsbeheer(TFuzzyModel& model, TDialogen& dialogen,
                    std::string sjabloonBestand = "sjabloon.fld");

    // Resets the counts and reads the template; false when the program has been told to end.
    bool FormCreate();
    // Exit and the close box: true when the main window may close.
    bool FormCloseQuery();
    void bestandNieuwClick();
    void BestandOpenClick();
    Opslag BestandOpslaanClick();
    Opslag BestandOpslaanAlsClick();
    // Both return true when the file was read into the model.
    bool DefaultBestandOpenen();
    bool BestandOpenen(bool Herladen);
    // The editors' "Wijzigingen opslaan ?" on closing: true when the editor may close.
    bool WijzigingenOpslaanBijSluiten();

    const std::string& HuidigBestand() const { return HuidigBestand_; }
    const std::string& SjabloonBestand() const { return SjabloonBestand_; }
    // "Nieuw Bestand" while no file is current, else the file's name.
    std::string Titel() const;
    // True once a fatal error has told the program to end; handlers stop touching the model.
    bool Beeindigd() const { return beeindigd_; }

    // Called whenever the caption may have changed.
    std::function<void(const std::string&)> BijTitelWijziging;
    // The write call of every save; tests replace it to make a write fail.
    TSchrijfFunctie Schrijf;

  private:
    enum class Laden { Gelezen, OpenFout, FormaatFout };
    Laden LaadBestand(const std::string& naam);
    Opslag SchrijfNaar(const std::string& naam, bool metBackup);
    void ZetHuidigBestand(std::string naam);
    void Beeindig(const std::string& melding);
    bool VraagBewaren();  // false on Cancel

    TFuzzyModel& model_;
    TDialogen& dialogen_;
    std::string SjabloonBestand_;
    std::string HuidigBestand_;
    bool beeindigd_ = false;
};

// The menu's gates: the message that refuses opening the rule editor or the inference window.
std::optional<std::string> RegelsPoort(const TFuzzyModel& model);
std::optional<std::string> InferentiePoort(const TFuzzyModel& model);
