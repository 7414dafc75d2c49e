#include "app/Basis.h"

#include <QCloseEvent>
#include <QFile>
#include <QFont>
#include <QMenuBar>
#include <algorithm>

#include "inference/Inferentie.h"
#include "membership/Lidmaatschap.h"
#include "rules/Regels.h"

TBasisForm::TBasisForm(TFuzzyModel& model, TBestandsbeheer& bestanden, TDialogen& dialogen)
    : QMainWindow(nullptr), model_(model), bestanden_(bestanden), dialogen_(dialogen) {
    setObjectName(QStringLiteral("BasisForm"));
    setWindowTitle(QStringLiteral("Fuzzy Logic"));
    move(208, 193);
    QFont lettertype(QStringLiteral("Liberation Sans"));
    lettertype.setPixelSize(12);
    setFont(lettertype);

    QMenuBar* balk = menuBar();
    balk->setObjectName(QStringLiteral("MainMenu"));
    QMenu* bestand = balk->addMenu(QStringLiteral("&Bestand"));
    bestand->menuAction()->setObjectName(QStringLiteral("File1"));
    MaakActie(bestand, "New1", QStringLiteral("&Nieuw"), &TBasisForm::bestandNieuwClick);
    MaakActie(bestand, "Open1", QStringLiteral("&Open"), &TBasisForm::BestandOpenClick);
    MaakActie(bestand, "Save1", QStringLiteral("&Opslaan"), &TBasisForm::BestandOpslaanClick);
    MaakActie(bestand, "Saveas1", QStringLiteral("&Opslaan als..."),
              &TBasisForm::BestandOpslaanAlsClick);
    MaakActie(bestand, "Close1", QStringLiteral("&Afsluiten"), &TBasisForm::BestandAfsluitenClick);
    MaakActie(nullptr, "LidmaatschapsMenukeuze", QStringLiteral("&Lidmaatschapsfuncties"),
              &TBasisForm::LidmaatschapsMenukeuzeClick);
    MaakActie(nullptr, "RegelsMenukeuze", QStringLiteral("&Regels"),
              &TBasisForm::RegelsMenukeuzeClick);
    MaakActie(nullptr, "InferentieMenukeuze", QStringLiteral("&Inferentie"),
              &TBasisForm::InferentieMenukeuzeClick);

    // Qt does not wrap a menu bar that is too narrow, as the original platform did, but hides
    // items behind a chevron: the window is widened until every menu caption shows.
    balk->setFont(lettertype);
    bestand->setFont(lettertype);
    resize(std::max(306, balk->sizeHint().width()), 108);

    bestanden_.BijTitelWijziging = [this](const std::string& titel) {
        setWindowTitle(QFile::decodeName(titel.c_str()));
    };
}

TBasisForm::~TBasisForm() { bestanden_.BijTitelWijziging = nullptr; }

QAction* TBasisForm::MaakActie(QMenu* menu, const char* naam, const QString& tekst,
                               void (TBasisForm::*handler)()) {
    QAction* actie = menu ? menu->addAction(tekst) : menuBar()->addAction(tekst);
    actie->setObjectName(QString::fromLatin1(naam));
    connect(actie, &QAction::triggered, this, handler);
    return actie;
}

bool TBasisForm::FormCreate() { return bestanden_.FormCreate(); }

void TBasisForm::MaakVensters() {
    LidmaatschapForm_ = std::make_unique<TLidmaatschapForm>(model_, bestanden_, dialogen_, this);
    RegelsForm_ = std::make_unique<TRegelsForm>(model_, bestanden_, dialogen_, this);
    InferentieForm_ = std::make_unique<TInferentieForm>(model_, this);
}

void TBasisForm::bestandNieuwClick() { bestanden_.bestandNieuwClick(); }
void TBasisForm::BestandOpenClick() { bestanden_.BestandOpenClick(); }
void TBasisForm::BestandOpslaanClick() { bestanden_.BestandOpslaanClick(); }
void TBasisForm::BestandOpslaanAlsClick() { bestanden_.BestandOpslaanAlsClick(); }
void TBasisForm::BestandAfsluitenClick() { close(); }

void TBasisForm::closeEvent(QCloseEvent* event) {
    if (bestanden_.Beeindigd() || bestanden_.FormCloseQuery())
        event->accept();
    else
        event->ignore();
}

void TBasisForm::LidmaatschapsMenukeuzeClick() {
    if (LidmaatschapForm_) LidmaatschapForm_->exec();
}

void TBasisForm::RegelsMenukeuzeClick() {
    if (auto melding = RegelsPoort(model_)) {
        dialogen_.Meld(*melding);
        return;
    }
    if (RegelsForm_) RegelsForm_->exec();
}

void TBasisForm::InferentieMenukeuzeClick() {
    if (auto melding = InferentiePoort(model_)) {
        dialogen_.Meld(*melding);
        return;
    }
    if (InferentieForm_) InferentieForm_->exec();
}
