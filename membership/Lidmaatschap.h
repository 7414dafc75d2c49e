// The membership-function editor "Lidmaatschapsfuncties".
#pragma once

#include <QDialog>

#include "app/Bestandsbeheer.h"
#include "model/Model.h"
#include "platform/Dialogen.h"

class TLidmaatschapForm : public QDialog {
    Q_OBJECT
  public:
    TLidmaatschapForm(TFuzzyModel& model, TBestandsbeheer& bestanden, TDialogen& dialogen,
                      QWidget* parent);

  private:
    TFuzzyModel& model_;
    TBestandsbeheer& bestanden_;
    TDialogen& dialogen_;
};
