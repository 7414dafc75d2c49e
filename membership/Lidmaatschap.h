// The membership-function editor "Lidmaatschapsfuncties": the variables with their range and
// kind, the labels with their trapezoid points, and a chart of the selected variable's labels.
// Every change goes straight into the model through the operations of Variabelen.h and Labels.h;
// the window only mirrors the model into its controls.
#pragma once

#include <QDialog>

#include "app/Bestandsbeheer.h"
#include "membership/Labels.h"
#include "model/Model.h"
#include "model/Resultaat.h"
#include "platform/Dialogen.h"

class QChart;
class QChartView;
class QComboBox;
class QFrame;
class QLabel;
class QLineSeries;
class QPushButton;
class QRadioButton;
class QValueAxis;
class TSpinEdit;

class TLidmaatschapForm : public QDialog {
    Q_OBJECT
  public:
    TLidmaatschapForm(TFuzzyModel& model, TBestandsbeheer& bestanden, TDialogen& dialogen,
                      QWidget* parent);

    void ToonVariabele(int i);
    void ToonLabel(int k);
    void FormActivate();
    // True when the window may close: asks "Wijzigingen opslaan ?" unless the program is ending.
    bool FormCloseQuery();

    // Every way of closing (OK, the close box, Escape) ends here.
    void done(int resultaat) override;

  public Q_SLOTS:
    void VariabeleComboBoxChange(int index);
    void NieuweVariabeleButtonClick();
    void VerwijderVariabeleButtonClick();
    void HernoemVariabeleButtonClick();
    void MinCSpinEditChange(int waarde);
    void MaxCSpinEditChange(int waarde);
    void InputRadioButtonClick();
    void OutputRadioButtonClick();
    void NieuweLabelButtonClick();
    void LabelComboBoxChange(int index);
    void VerwijderLabelButtonClick();
    void HernoemLabelButtonClick();
    void A_CSpinEditChange(int waarde);
    void B_CSpinEditChange(int waarde);
    void C_CSpinEditChange(int waarde);
    void D_CSpinEditChange(int waarde);
    void OKEnAfsluitenButtonClick();

  protected:
    void showEvent(QShowEvent* event) override;

  private:
    void MaakGrafiek();
    // Shows the messages of a refusal, one box each.
    void Meld(const Resultaat& r);
    // A value set by the program raises no change handler: that handler would only store the
    // value the model already holds, and a file's out-of-order points would raise messages on
    // merely being shown.
    void ZetStil(TSpinEdit* spin, int waarde);
    void ZetSoort();
    void ZetAs();
    void VerbergLabelVelden();
    // Draws every label of the selected variable and shows label k.
    void ToonLabels(int k);
    void PuntGewijzigd(TLabelPunt punt, TSpinEdit* spin, int waarde);
    int GekozenIndex() const;  // -1 when no existing variable is selected
    int GekozenLabel() const;  // -1 when no existing label is selected

    TFuzzyModel& model_;
    TBestandsbeheer& bestanden_;
    TDialogen& dialogen_;

    QChartView* MembershipChart;
    QChart* grafiek_;
    QValueAxis* asX_;
    QValueAxis* asY_;
    QLineSeries* Series[MaxLabels];

    QLabel* VariabeleLabel;
    QComboBox* VariabeleComboBox;
    QPushButton* NieuweVariabeleButton;
    QPushButton* VerwijderVariabeleButton;
    QPushButton* HernoemVariabeleButton;
    QLabel* MinLabel;
    TSpinEdit* MinCSpinEdit;
    QLabel* MaxLabel;
    TSpinEdit* MaxCSpinEdit;
    QLabel* TypeLabel;
    QRadioButton* InputRadioButton;
    QRadioButton* OutputRadioButton;
    QFrame* LabelPanel;
    QLabel* LabelLabel;
    QComboBox* LabelComboBox;
    QLabel* A_Label;
    QLabel* B_Label;
    QLabel* C_Label;
    QLabel* D_Label;
    TSpinEdit* A_CSpinEdit;
    TSpinEdit* B_CSpinEdit;
    TSpinEdit* C_CSpinEdit;
    TSpinEdit* D_CSpinEdit;
    QPushButton* NieuweLabelButton;
    QPushButton* VerwijderLabelButton;
    QPushButton* HernoemLabelButton;
    QPushButton* OKEnAfsluitenButton;
};
