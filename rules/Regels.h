// The rule editor "Regels".
#pragma once

#include <QDialog>

#include "app/Bestandsbeheer.h"
#include "model/Model.h"
#include "platform/Dialogen.h"

class TRegelsForm : public QDialog {
    Q_OBJECT
  public:
    TRegelsForm(TFuzzyModel& model, TBestandsbeheer& bestanden, TDialogen& dialogen,
                QWidget* parent);

  private:
    TFuzzyModel& model_;
    TBestandsbeheer& bestanden_;
    TDialogen& dialogen_;
};
