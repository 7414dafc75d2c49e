// Everything that waits for a person goes through this interface, so that every flow of the
// workbench also runs headless (scripted in tests). Texts are Windows-1252 bytes.
#pragma once

#include <optional>
#include <string>

enum class Antwoord { Ja, Nee, Annuleren };

class TDialogen {
  public:
    virtual ~TDialogen() = default;
    // A refusal or error: caption "FUZZY LOGIC", one OK button, the exclamation icon.
    virtual void Meld(const std::string& tekst) = 0;
    // A question: caption "FUZZY LOGIC", Yes, No and Cancel, no icon.
    virtual Antwoord Vraag(const std::string& tekst) = 0;
    // The input box; Cancel gives the empty text.
    virtual std::string VraagNaam(const std::string& titel, const std::string& prompt) = 0;
    // File dialogs for "Fuzzy Logic Bestand" (*.FLB); nullopt when cancelled.
    virtual std::optional<std::string> KiesBestandOmTeOpenen() = 0;
    virtual std::optional<std::string> KiesBestandOmOpTeSlaan(const std::string& huidig) = 0;
    // Ends the program: closes any open modal window, asks nothing more, exit status 0.
    virtual void Beeindig() = 0;
};
