#include "membership/Lidmaatschap.h"

TLidmaatschapForm::TLidmaatschapForm(TFuzzyModel& model, TBestandsbeheer& bestanden,
                                     TDialogen& dialogen, QWidget* parent)
    : QDialog(parent), model_(model), bestanden_(bestanden), dialogen_(dialogen) {
    setObjectName(QStringLiteral("LidmaatschapForm"));
    setWindowTitle(QStringLiteral("Lidmaatschapsfuncties"));
    setFixedSize(688, 545);
}
