// The dialogue layer on real Qt message boxes, input boxes and file dialogs.
#pragma once

#include <QWidget>

#include "platform/Dialogen.h"

class TQtDialogen : public TDialogen {
  public:
    void Meld(const std::string& tekst) override;
    Antwoord Vraag(const std::string& tekst) override;
    std::string VraagNaam(const std::string& titel, const std::string& prompt) override;
    std::optional<std::string> KiesBestandOmTeOpenen() override;
    std::optional<std::string> KiesBestandOmOpTeSlaan(const std::string& huidig) override;
    void Beeindig() override;

  private:
    static QWidget* Eigenaar();
};

// Loads Qt's own Dutch texts so the standard buttons read "Ja", "Nee", "Annuleren".
void LaadNederlandseVertalingen();
