// The inference window "Output": one crisp value per input, the implication and defuzzification
// settings, and after "EVALUEER !!!!" the fired rules, the chart of one chosen rule, the chart of
// all fired rules with the output's labels, and the crisp outcome. Every change of a setting or an
// input hides the results, so nothing shown ever belongs to other settings than the visible ones.
#pragma once

#include <QDialog>
#include <cstdint>

#include "inference/Evaluatie.h"
#include "model/Model.h"

class QChart;
class QComboBox;
class QLabel;
class QLineEdit;
class QListWidget;
class QPushButton;
class QRadioButton;
class QShowEvent;
class TGrafiekView;
class TSpinEdit;

class TInferentieForm : public QDialog {
    Q_OBJECT
  public:
    TInferentieForm(TFuzzyModel& model, QWidget* parent);
    ~TInferentieForm() override;

    // Handlers.
    void FormActivate();
    void ImplicatieComboBoxChange();
    void MOMRadioButtonClick();
    void COGRadioButtonClick();
    void CSpinEditVariabele1Change();
    void CSpinEditVariabele2Change();
    void CSpinEditVariabele3Change();
    void CSpinEditVariabele4Change();
    void CSpinEditVariabele5Change();
    void OutputButtonClick();
    void OutputRegelsListBoxClick();

    // Window operations.
    void VerbergResultaten();
    void VulRegelsLijst();
    void ToonRegelOutput(int k);
    void ToonTotaleOutput();
    void ZetAsBereik(QChart* chart, int lo, int hi);

  protected:
    void showEvent(QShowEvent* event) override;

  private:
    void SpinEditChange(int rij);

    TFuzzyModel& model_;
    TInferentieToestand Toestand_{};
    // Line k of the list shows rule GevuurdeRegels[k].
    std::int32_t GevuurdeRegels[MaxRegels]{};
    int AantalGevuurd_ = 0;

    QLabel* VariabeleLabel[MaxInputs];
    TSpinEdit* CSpinEditVariabele[MaxInputs];
    QLabel* ImplicatieLabel;
    QComboBox* ImplicatieComboBox;
    QLabel* DefuzzificzatieLabel;
    QRadioButton* MOMRadioButton;
    QRadioButton* COGRadioButton;
    QPushButton* OutputButton;
    QLabel* RegelsDieVurenLabel;
    QListWidget* OutputRegelsListBox;
    TGrafiekView* RegelOutputChart;
    TGrafiekView* TotaleOutputChart;
    QLabel* OutputLabel;
    QLineEdit* UitkomstEdit;
};
