#include "inference/Inferentie.h"

TInferentieForm::TInferentieForm(TFuzzyModel& model, QWidget* parent)
    : QDialog(parent), model_(model) {
    setObjectName(QStringLiteral("InferentieForm"));
    setWindowTitle(QStringLiteral("Output"));
    setFixedSize(817, 603);
}
