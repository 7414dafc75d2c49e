#include "rules/Regels.h"

TRegelsForm::TRegelsForm(TFuzzyModel& model, TBestandsbeheer& bestanden, TDialogen& dialogen,
                         QWidget* parent)
    : QDialog(parent), model_(model), bestanden_(bestanden), dialogen_(dialogen) {
    setObjectName(QStringLiteral("RegelsForm"));
    setWindowTitle(QStringLiteral("Regels"));
    setFixedSize(813, 406);
}
