// The rule editor "Regels": the rule list with its commands and the six composer rows. The rules
// of the editing live in the core (rules/Regellijst.h, rules/Regelrijen.h); this window forwards
// the user's actions there and mirrors the resulting state into its controls.
#pragma once

#include <QDialog>

#include "app/Bestandsbeheer.h"
#include "model/Model.h"
#include "model/Resultaat.h"
#include "platform/Dialogen.h"
#include "rules/Regellijst.h"

class QComboBox;
class QLabel;
class QLineEdit;
class QListWidget;
class QPushButton;

class TRegelsForm : public QDialog {
    Q_OBJECT
  public:
    TRegelsForm(TFuzzyModel& model, TBestandsbeheer& bestanden, TDialogen& dialogen,
                QWidget* parent);

    const TRegelEditor& Editor() const { return editor_; }

    // Each opening: rebuilds the variable boxes and the list from the model.
    void FormActivate();
    // True when the window may close; asks "Wijzigingen opslaan ?" unless the program is ending.
    bool FormCloseQuery();

    // Escape, the close box and close() all end here.
    void reject() override;

    void RegelsListBoxClick();
    void SelectieOmlaagKnopClick();
    void SelectieOmhoogKnopClick();
    void VoegToeKnopClick();
    void VervangKnopClick();
    void VerwijderKnopClick();
    void VerplaatsNaarBovenKnopClick();
    void VerplaatsNaarOnderKnopClick();
    void OKEnOvernemenButtonClick();

    void Variabele1ComboBoxChange();
    void Variabele2ComboBoxChange();
    void Variabele3ComboBoxChange();
    void Variabele4ComboBoxChange();
    void Variabele5ComboBoxChange();
    void Variabele6ComboBoxChange();
    void Koppel1ComboBoxChange();
    void Koppel2ComboBoxChange();
    void Koppel3ComboBoxChange();
    void Koppel4ComboBoxChange();
    void Koppel5ComboBoxChange();

  protected:
    void showEvent(QShowEvent* event) override;

  private:
    void VariabeleComboBoxChange(int rij);
    void KoppelComboBoxChange(int rij);
    // Shows the messages of a command, then the state it left.
    void Toon(const Resultaat& resultaat);
    void Spiegel();

    TFuzzyModel& model_;
    TBestandsbeheer& bestanden_;
    TDialogen& dialogen_;
    TRegelEditor editor_;
    // Set while the controls are brought in line with the state, so that the list's own change
    // signal is not taken for the user's selection.
    bool spiegelen_ = false;

    QPushButton* VerwijderKnop;
    QPushButton* SelectieOmlaagKnop;
    QPushButton* SelectieOmhoogKnop;
    QLabel* StaticText1;
    QLineEdit* RegelAanduidingEdit;
    QPushButton* VerplaatsNaarBovenKnop;
    QPushButton* VerplaatsNaarOnderKnop;
    QPushButton* VervangKnop;
    QListWidget* RegelsListBox;
    QPushButton* VoegToeKnop;
    QLabel* AlsTekst;
    QComboBox* Variabele1ComboBox;
    QComboBox* Koppel1ComboBox;
    QComboBox* Label1ComboBox;
    QComboBox* Variabele2ComboBox;
    QComboBox* Variabele3ComboBox;
    QComboBox* Variabele4ComboBox;
    QComboBox* Variabele5ComboBox;
    QComboBox* Variabele6ComboBox;
    QLabel* Istekst1;
    QComboBox* Koppel2ComboBox;
    QComboBox* Koppel3ComboBox;
    QComboBox* Koppel4ComboBox;
    QComboBox* Koppel5ComboBox;
    QComboBox* Label2ComboBox;
    QComboBox* Label3ComboBox;
    QComboBox* Label4ComboBox;
    QComboBox* Label5ComboBox;
    QComboBox* Label6ComboBox;
    QLabel* IsTekst2;
    QLabel* IsTekst3;
    QLabel* IsTekst4;
    QLabel* IsTekst5;
    QLabel* IsTekst6;
    QPushButton* OKEnOvernemenButton;

    // The same controls by row, for mirroring; index 0 is row 1. Row 6 has no connector box.
    QComboBox* VariabeleBoxen_[MaxTermen];
    QLabel* IsTeksten_[MaxTermen];
    QComboBox* LabelBoxen_[MaxTermen];
    QComboBox* KoppelBoxen_[AantalKoppelBoxen];
};
