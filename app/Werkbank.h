// The workbench as the program starts it: the one model, the dialogue layer, the file commands and
// the four windows, created in their fixed order. Shared by the program and by what measures or
// pictures its start.
#pragma once

#include "app/Basis.h"
#include "app/Bestandsbeheer.h"
#include "model/Model.h"
#include "platform/QtDialogen.h"

class TWerkbank {
public:
    TWerkbank() = default;
    TWerkbank(const TWerkbank&) = delete;
    TWerkbank& operator=(const TWerkbank&) = delete;

    // Reads the template and shows the main window; false when the program has been told to end.
    bool Start() {
        if (!BasisForm.FormCreate()) return false;
        BasisForm.MaakVensters();
        BasisForm.show();
        return true;
    }

    TFuzzyModel FuzzyModel{};  // all-zero at start, as the knowledge base always was
    TQtDialogen Dialogen;
    TBestandsbeheer Bestanden{FuzzyModel, Dialogen};
    TBasisForm BasisForm{FuzzyModel, Bestanden, Dialogen};
};
