// The inference window "Output".
#pragma once

#include <QDialog>

#include "model/Model.h"

class TInferentieForm : public QDialog {
    Q_OBJECT
  public:
    TInferentieForm(TFuzzyModel& model, QWidget* parent);

  private:
    TFuzzyModel& model_;
};
