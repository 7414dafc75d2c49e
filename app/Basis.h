// The main window: its menu, its caption, and the modal showing of the three other windows.
#pragma once

#include <QMainWindow>
#include <memory>

#include "app/Bestandsbeheer.h"
#include "model/Model.h"
#include "platform/Dialogen.h"

class QAction;
class TLidmaatschapForm;
class TRegelsForm;
class TInferentieForm;

class TBasisForm : public QMainWindow {
    Q_OBJECT
  public:
    TBasisForm(TFuzzyModel& model, TBestandsbeheer& bestanden, TDialogen& dialogen);
    ~TBasisForm() override;

    // Reads the template; false when the program has been told to end.
    bool FormCreate();
    // Creates the three other windows, after FormCreate, in the order the program always had.
    void MaakVensters();

    TLidmaatschapForm* LidmaatschapForm() const { return LidmaatschapForm_.get(); }
    TRegelsForm* RegelsForm() const { return RegelsForm_.get(); }
    TInferentieForm* InferentieForm() const { return InferentieForm_.get(); }

  public Q_SLOTS:
    void bestandNieuwClick();
    void BestandOpenClick();
    void BestandOpslaanClick();
    void BestandOpslaanAlsClick();
    void BestandAfsluitenClick();
    void LidmaatschapsMenukeuzeClick();
    void RegelsMenukeuzeClick();
    void InferentieMenukeuzeClick();

  protected:
    void closeEvent(QCloseEvent* event) override;

  private:
    QAction* MaakActie(QMenu* menu, const char* naam, const QString& tekst,
                       void (TBasisForm::*handler)());

    TFuzzyModel& model_;
    TBestandsbeheer& bestanden_;
    TDialogen& dialogen_;
    std::unique_ptr<TLidmaatschapForm> LidmaatschapForm_;
    std::unique_ptr<TRegelsForm> RegelsForm_;
    std::unique_ptr<TInferentieForm> InferentieForm_;
};
