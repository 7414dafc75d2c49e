#include "membership/Lidmaatschap.h"

#include <QChart>
#include <QChartView>
#include <QComboBox>
#include <QFrame>
#include <QGraphicsLayout>
#include <QGuiApplication>
#include <QLabel>
#include <QLegend>
#include <QLineSeries>
#include <QPushButton>
#include <QRadioButton>
#include <QScreen>
#include <QShowEvent>
#include <QSignalBlocker>
#include <QValueAxis>
#include <cmath>
#include <cstring>

#include "membership/Variabelen.h"
#include "platform/Grafiek.h"
#include "platform/SpinEdit.h"
#include "platform/Tekens.h"
#include "platform/Vensterbouw.h"

namespace {

// The window's 8 and 10 point faces; Liberation Sans at these pixel sizes keeps every caption
// inside its box.
constexpr int KleinLettertype = 11;
constexpr int GrootLettertype = 13;

const QColor SerieKleuren[MaxLabels] = {QColor(0, 128, 0), QColor(255, 0, 0), QColor(0, 0, 255)};

QString Tekst(const TNaam& naam) {
    return NaarQString(std::string_view(naam, strnlen(naam, MaxNaamLengte)));
}

QLabel* MaakTekst(QWidget* ouder, const char* naam, const char* tekst, int links, int boven,
                  int breedte, int hoogte, bool groot) {
    QLabel* l = Maak<QLabel>(ouder, naam, links, boven, breedte, hoogte);
    l->setText(QString::fromLatin1(tekst));
    if (groot) l->setFont(Lettertype(GrootLettertype));
    return l;
}

}  // namespace

TLidmaatschapForm::TLidmaatschapForm(TFuzzyModel& model, TBestandsbeheer& bestanden,
                                     TDialogen& dialogen, QWidget* parent)
    : QDialog(parent), model_(model), bestanden_(bestanden), dialogen_(dialogen) {
    setObjectName(QStringLiteral("LidmaatschapForm"));
    setWindowTitle(QStringLiteral("Lidmaatschapsfuncties"));
    setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                   Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint);
    setFixedSize(688, 545);
    setFont(Lettertype(KleinLettertype));

    MaakGrafiek();

    VariabeleLabel =
        MaakTekst(this, "VariabeleLabel", "VARIABELE", 120, 352, 74, 16, /*groot=*/true);
    VariabeleComboBox = Maak<QComboBox>(this, "VariabeleComboBox", 120, 376, 145, 21);
    VariabeleComboBox->setEditable(false);
    NieuweVariabeleButton = Maak<QPushButton>(this, "NieuweVariabeleButton", 8, 376, 105, 25);
    NieuweVariabeleButton->setText(QStringLiteral("Nieuwe variabele"));
    VerwijderVariabeleButton = Maak<QPushButton>(this, "VerwijderVariabeleButton", 8, 408, 105, 25);
    VerwijderVariabeleButton->setText(QStringLiteral("Verwijder variabele"));
    VerwijderVariabeleButton->setEnabled(false);
    HernoemVariabeleButton = Maak<QPushButton>(this, "HernoemVariabeleButton", 8, 440, 105, 25);
    HernoemVariabeleButton->setText(QStringLiteral("Hernoem variabele"));
    HernoemVariabeleButton->setEnabled(false);

    MinLabel = MaakTekst(this, "MinLabel", "MIN :", 168, 408, 26, 13, false);
    MinCSpinEdit = Maak<TSpinEdit>(this, "MinCSpinEdit", 208, 400, 57, 22);
    MaxLabel = MaakTekst(this, "MaxLabel", "MAX:", 168, 432, 26, 13, false);
    MaxCSpinEdit = Maak<TSpinEdit>(this, "MaxCSpinEdit", 208, 424, 57, 22);
    MaxCSpinEdit->setValue(2);
    TypeLabel = MaakTekst(this, "TypeLabel", "TYPE", 168, 456, 36, 16, true);
    InputRadioButton = Maak<QRadioButton>(this, "InputRadioButton", 208, 456, 57, 17);
    InputRadioButton->setText(QStringLiteral("Input"));
    OutputRadioButton = Maak<QRadioButton>(this, "OutputRadioButton", 208, 480, 57, 17);
    OutputRadioButton->setText(QStringLiteral("Output"));
    // The window keeps the two exclusive itself: a kind from a file may be neither.
    InputRadioButton->setAutoExclusive(false);
    OutputRadioButton->setAutoExclusive(false);

    LabelPanel = Maak<QFrame>(this, "LabelPanel", 288, 344, 321, 193);
    LabelPanel->setFrameStyle(QFrame::Panel | QFrame::Raised);
    LabelPanel->hide();
    LabelLabel = MaakTekst(LabelPanel, "LabelLabel", "LABEL", 24, 8, 41, 16, true);
    LabelComboBox = Maak<QComboBox>(LabelPanel, "LabelComboBox", 24, 28, 145, 21);
    LabelComboBox->setEditable(false);
    A_Label = MaakTekst(LabelPanel, "A_Label", "A:", 24, 56, 12, 16, true);
    B_Label = MaakTekst(LabelPanel, "B_Label", "B:", 24, 88, 12, 16, true);
    C_Label = MaakTekst(LabelPanel, "C_Label", "C:", 24, 120, 12, 16, true);
    D_Label = MaakTekst(LabelPanel, "D_Label", "D:", 24, 152, 13, 16, true);
    A_CSpinEdit = Maak<TSpinEdit>(LabelPanel, "A_CSpinEdit", 48, 56, 121, 22);
    B_CSpinEdit = Maak<TSpinEdit>(LabelPanel, "B_CSpinEdit", 48, 88, 121, 22);
    C_CSpinEdit = Maak<TSpinEdit>(LabelPanel, "C_CSpinEdit", 48, 120, 121, 22);
    D_CSpinEdit = Maak<TSpinEdit>(LabelPanel, "D_CSpinEdit", 48, 152, 121, 22);
    NieuweLabelButton = Maak<QPushButton>(LabelPanel, "NieuweLabelButton", 184, 32, 105, 25);
    NieuweLabelButton->setText(QStringLiteral("Nieuw label"));
    VerwijderLabelButton = Maak<QPushButton>(LabelPanel, "VerwijderLabelButton", 184, 72, 105, 25);
    VerwijderLabelButton->setText(QStringLiteral("Verwijder label"));
    HernoemLabelButton = Maak<QPushButton>(LabelPanel, "HernoemLabelButton", 184, 112, 105, 25);
    HernoemLabelButton->setText(QStringLiteral("Hernoem label"));
    for (QPushButton* b : {NieuweLabelButton, VerwijderLabelButton, HernoemLabelButton})
        b->setEnabled(false);
    for (QWidget* w :
         std::initializer_list<QWidget*>{LabelComboBox, A_Label, B_Label, C_Label, D_Label,
                                         A_CSpinEdit, B_CSpinEdit, C_CSpinEdit, D_CSpinEdit})
        w->hide();

    OKEnAfsluitenButton = Maak<QPushButton>(this, "OKEnAfsluitenButton", 16, 512, 145, 25);
    OKEnAfsluitenButton->setText(QStringLiteral("OK"));

    // Enter must not press whichever button last had the focus.
    for (QPushButton* b : findChildren<QPushButton*>()) b->setAutoDefault(false);

    connect(VariabeleComboBox, &QComboBox::activated, this,
            &TLidmaatschapForm::VariabeleComboBoxChange);
    connect(NieuweVariabeleButton, &QPushButton::clicked, this,
            &TLidmaatschapForm::NieuweVariabeleButtonClick);
    connect(VerwijderVariabeleButton, &QPushButton::clicked, this,
            &TLidmaatschapForm::VerwijderVariabeleButtonClick);
    connect(HernoemVariabeleButton, &QPushButton::clicked, this,
            &TLidmaatschapForm::HernoemVariabeleButtonClick);
    connect(MinCSpinEdit, &QSpinBox::valueChanged, this, &TLidmaatschapForm::MinCSpinEditChange);
    connect(MaxCSpinEdit, &QSpinBox::valueChanged, this, &TLidmaatschapForm::MaxCSpinEditChange);
    connect(InputRadioButton, &QRadioButton::clicked, this,
            &TLidmaatschapForm::InputRadioButtonClick);
    connect(OutputRadioButton, &QRadioButton::clicked, this,
            &TLidmaatschapForm::OutputRadioButtonClick);
    connect(NieuweLabelButton, &QPushButton::clicked, this,
            &TLidmaatschapForm::NieuweLabelButtonClick);
    connect(LabelComboBox, &QComboBox::activated, this, &TLidmaatschapForm::LabelComboBoxChange);
    connect(VerwijderLabelButton, &QPushButton::clicked, this,
            &TLidmaatschapForm::VerwijderLabelButtonClick);
    connect(HernoemLabelButton, &QPushButton::clicked, this,
            &TLidmaatschapForm::HernoemLabelButtonClick);
    connect(A_CSpinEdit, &QSpinBox::valueChanged, this, &TLidmaatschapForm::A_CSpinEditChange);
    connect(B_CSpinEdit, &QSpinBox::valueChanged, this, &TLidmaatschapForm::B_CSpinEditChange);
    connect(C_CSpinEdit, &QSpinBox::valueChanged, this, &TLidmaatschapForm::C_CSpinEditChange);
    connect(D_CSpinEdit, &QSpinBox::valueChanged, this, &TLidmaatschapForm::D_CSpinEditChange);
    connect(OKEnAfsluitenButton, &QPushButton::clicked, this,
            &TLidmaatschapForm::OKEnAfsluitenButtonClick);
}

void TLidmaatschapForm::MaakGrafiek() {
    grafiek_ = new QChart();
    grafiek_->setTitle(QStringLiteral("Lidmaatschapsfuncties"));
    QFont titel = Lettertype(GrootLettertype);
    titel.setBold(true);
    grafiek_->setTitleFont(titel);
    grafiek_->setBackgroundBrush(Qt::white);
    grafiek_->setBackgroundRoundness(0);
    grafiek_->layout()->setContentsMargins(0, 0, 0, 0);
    grafiek_->setAnimationOptions(QChart::NoAnimation);
    grafiek_->legend()->setAlignment(Qt::AlignRight);
    grafiek_->legend()->setFont(Lettertype(KleinLettertype));
    grafiek_->legend()->setVisible(true);

    MembershipChart = new QChartView(grafiek_, this);
    MembershipChart->setObjectName(QStringLiteral("MembershipChart"));
    MembershipChart->setGeometry(0, 0, 688, 337);
    MembershipChart->setRubberBand(QChartView::NoRubberBand);
    MembershipChart->setInteractive(false);
    MembershipChart->setRenderHint(QPainter::Antialiasing);

    asX_ = new QValueAxis();
    asX_->setObjectName(QStringLiteral("BottomAxis"));
    asX_->setLabelsFont(Lettertype(KleinLettertype));
    asY_ = new QValueAxis();
    asY_->setObjectName(QStringLiteral("LeftAxis"));
    grafiek_->addAxis(asX_, Qt::AlignBottom);
    grafiek_->addAxis(asY_, Qt::AlignLeft);
    asX_->setRange(0.0, 24.0);
    ZetAsBereik(asX_, 0.0, 24.0);
    ZetHoogteAs(asY_);

    for (int j = 0; j < MaxLabels; ++j) {
        QLineSeries* s = new QLineSeries();
        s->setObjectName(QStringLiteral("Series%1").arg(j + 1));
        s->setName(QStringLiteral("LidmaatschapVariabele1Label%1").arg(j + 1));
        QPen pen(SerieKleuren[j]);
        pen.setWidth(2);
        s->setPen(pen);
        s->setPointsVisible(false);
        s->setPointLabelsVisible(false);
        grafiek_->addSeries(s);
        s->attachAxis(asX_);
        s->attachAxis(asY_);
        s->setVisible(false);
        Series[j] = s;
    }
}

void TLidmaatschapForm::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    if (event->spontaneous()) return;
    if (QScreen* scherm = screen()) {
        QRect kader = frameGeometry();
        kader.moveCenter(scherm->availableGeometry().center());
        move(kader.topLeft());
    }
    FormActivate();
}

void TLidmaatschapForm::Meld(const Resultaat& r) {
    for (const std::string& melding : r.meldingen) dialogen_.Meld(melding);
}

void TLidmaatschapForm::ZetStil(TSpinEdit* spin, int waarde) {
    const QSignalBlocker stil(spin);
    spin->setValue(waarde);
}

int TLidmaatschapForm::GekozenIndex() const {
    const int v = model_.GekozenVariabele - 1;
    if (!IsVariabele(model_, v) || VariabeleComboBox->currentIndex() != v) return -1;
    return v;
}

int TLidmaatschapForm::GekozenLabel() const {
    const int v = GekozenIndex();
    const int k = LabelComboBox->currentIndex();
    return v >= 0 && IsLabel(model_, v, k) ? k : -1;
}

void TLidmaatschapForm::ZetSoort() {
    const int v = GekozenIndex();
    if (v < 0) return;
    const std::int8_t soort = model_.VariabeleLijst[v].IsOutput;
    InputRadioButton->setChecked(soort == 0);
    OutputRadioButton->setChecked(soort == 1);
}

void TLidmaatschapForm::ZetAs() {
    const int v = GekozenIndex();
    if (v < 0) return;
    const TVariabele& var = model_.VariabeleLijst[v];
    ZetAsBereik(asX_, var.Min, var.Max);
}

void TLidmaatschapForm::VerbergLabelVelden() {
    for (QWidget* w :
         std::initializer_list<QWidget*>{LabelComboBox, A_Label, A_CSpinEdit, B_CSpinEdit, B_Label,
                                         C_CSpinEdit, C_Label, D_CSpinEdit, D_Label})
        w->hide();
    LabelComboBox->clear();
    VerwijderLabelButton->setEnabled(false);
    HernoemLabelButton->setEnabled(false);
}

void TLidmaatschapForm::FormActivate() {
    VariabeleComboBox->clear();
    for (int i = 0; i < model_.AantalVariabelen; ++i)
        VariabeleComboBox->addItem(Tekst(model_.VariabeleLijst[i].Naam));
    VariabeleComboBox->setCurrentIndex(-1);

    NieuweVariabeleButton->setEnabled(model_.AantalVariabelen < MaxVariabelen);
    VerwijderVariabeleButton->setEnabled(model_.AantalVariabelen > 0);
    HernoemVariabeleButton->setEnabled(model_.AantalVariabelen > 0);

    for (QWidget* w :
         std::initializer_list<QWidget*>{MinLabel, MinCSpinEdit, MaxLabel, MaxCSpinEdit, TypeLabel,
                                         InputRadioButton, OutputRadioButton, LabelPanel})
        w->hide();
    for (QLineSeries* s : Series) s->setVisible(false);

    if (model_.AantalVariabelen > 0) ToonVariabele(0);
}

void TLidmaatschapForm::ToonVariabele(int i) {
    if (!IsVariabele(model_, i)) return;
    model_.GekozenVariabele = i + 1;
    VariabeleComboBox->setCurrentIndex(i);
    VerwijderVariabeleButton->setEnabled(true);
    HernoemVariabeleButton->setEnabled(true);
    for (QWidget* w :
         std::initializer_list<QWidget*>{MinLabel, MinCSpinEdit, MaxLabel, MaxCSpinEdit, TypeLabel,
                                         InputRadioButton, OutputRadioButton})
        w->show();
    MinCSpinEdit->setEnabled(true);
    MaxCSpinEdit->setEnabled(true);
    ZetSoort();

    const TVariabele& var = model_.VariabeleLijst[i];
    ZetStil(MaxCSpinEdit, var.Max);
    ZetStil(MinCSpinEdit, var.Min);
    // Always, also when both spin edits already showed these bounds: the axis follows the
    // variable shown, not the one shown before.
    ZetAs();

    LabelPanel->show();
    if (var.AantalLabels > 0) {
        ToonLabels(var.AantalLabels - 1);
    } else {
        for (QLineSeries* s : Series) s->setVisible(false);
        VerbergLabelVelden();
    }
    NieuweLabelButton->setEnabled(var.AantalLabels < MaxLabels);
}

void TLidmaatschapForm::ToonLabels(int k) {
    const int v = GekozenIndex();
    if (v < 0) return;
    const TVariabele& var = model_.VariabeleLijst[v];
    for (int j = 0; j < MaxLabels; ++j) Series[j]->setVisible(j < var.AantalLabels);
    LabelComboBox->clear();
    for (int j = 0; j < var.AantalLabels; ++j) {
        LabelComboBox->addItem(Tekst(var.Labels[j].Naam));
        ToonLabel(j);
    }
    ToonLabel(k);
}

void TLidmaatschapForm::ToonLabel(int k) {
    const int v = GekozenIndex();
    if (v < 0 || !IsLabel(model_, v, k)) return;
    for (QWidget* w :
         std::initializer_list<QWidget*>{LabelComboBox, A_Label, A_CSpinEdit, B_CSpinEdit, B_Label,
                                         C_CSpinEdit, C_Label, D_CSpinEdit, D_Label})
        w->show();
    VerwijderLabelButton->setEnabled(true);
    HernoemLabelButton->setEnabled(true);
    LabelComboBox->setCurrentIndex(k);

    const TFuzzyLabel& label = model_.VariabeleLijst[v].Labels[k];
    ZetStil(D_CSpinEdit, label.D);
    ZetStil(C_CSpinEdit, label.C);
    ZetStil(B_CSpinEdit, label.B);
    ZetStil(A_CSpinEdit, label.A);

    // In this order also where points coincide, so a flank at one X is a vertical stroke.
    QLineSeries* s = Series[k];
    s->setVisible(true);
    s->replace(QList<QPointF>{{double(label.A), 0.0},
                              {double(label.B), 1.0},
                              {double(label.C), 1.0},
                              {double(label.D), 0.0}});
    s->setName(Tekst(label.Naam));
}

void TLidmaatschapForm::VariabeleComboBoxChange(int index) { ToonVariabele(index); }

void TLidmaatschapForm::NieuweVariabeleButtonClick() {
    const Resultaat r = NieuweVariabele(model_, dialogen_);
    Meld(r);
    if (r.uitkomst != Uitkomst::Gewijzigd) return;
    const int n = model_.AantalVariabelen - 1;
    VariabeleComboBox->addItem(Tekst(model_.VariabeleLijst[n].Naam));
    ToonVariabele(n);
    NieuweVariabeleButton->setEnabled(model_.AantalVariabelen < MaxVariabelen);
}

void TLidmaatschapForm::VerwijderVariabeleButtonClick() {
    const int v = GekozenIndex();
    if (v < 0) return;
    const Resultaat r = VerwijderVariabele(model_, v);
    Meld(r);
    if (r.uitkomst == Uitkomst::Gewijzigd) FormActivate();
}

void TLidmaatschapForm::HernoemVariabeleButtonClick() {
    const int v = GekozenIndex();
    if (v < 0) return;
    const Resultaat r = HernoemVariabele(model_, v, dialogen_);
    Meld(r);
    if (r.uitkomst != Uitkomst::Gewijzigd) return;
    VariabeleComboBox->setItemText(v, Tekst(model_.VariabeleLijst[v].Naam));
    VariabeleComboBox->setCurrentIndex(v);
}

void TLidmaatschapForm::MinCSpinEditChange(int waarde) {
    const int v = GekozenIndex();
    if (v < 0) return;
    ZetAs();
    const Resultaat r = ZetMinimum(model_, v, waarde);
    Meld(r);
    if (r.uitkomst == Uitkomst::Gewijzigd)
        ZetAs();
    else
        ZetStil(MinCSpinEdit, model_.VariabeleLijst[v].Min);
}

void TLidmaatschapForm::MaxCSpinEditChange(int waarde) {
    const int v = GekozenIndex();
    if (v < 0) return;
    ZetAs();
    const Resultaat r = ZetMaximum(model_, v, waarde);
    Meld(r);
    if (r.uitkomst == Uitkomst::Gewijzigd)
        ZetAs();
    else
        ZetStil(MaxCSpinEdit, model_.VariabeleLijst[v].Max);
}

// A click on the button that is already checked unchecks it in Qt; mirroring the stored kind
// after every outcome puts it back.
void TLidmaatschapForm::InputRadioButtonClick() {
    const int v = GekozenIndex();
    if (v < 0) return;
    Meld(MaakInput(model_, v));
    ZetSoort();
}

void TLidmaatschapForm::OutputRadioButtonClick() {
    const int v = GekozenIndex();
    if (v < 0) return;
    Meld(MaakOutput(model_, v));
    ZetSoort();
}

void TLidmaatschapForm::NieuweLabelButtonClick() {
    const int v = GekozenIndex();
    if (v < 0) return;
    const Resultaat r = NieuwLabel(model_, v, dialogen_);
    Meld(r);
    if (r.uitkomst != Uitkomst::Gewijzigd) return;
    const TVariabele& var = model_.VariabeleLijst[v];
    ToonLabels(var.AantalLabels - 1);
    NieuweLabelButton->setEnabled(var.AantalLabels < MaxLabels);
}

void TLidmaatschapForm::LabelComboBoxChange(int index) { ToonLabel(index); }

void TLidmaatschapForm::VerwijderLabelButtonClick() {
    const int v = GekozenIndex();
    const int k = GekozenLabel();
    if (v < 0 || k < 0) return;
    for (QLineSeries* s : Series) s->setVisible(false);
    const Resultaat r = VerwijderLabel(model_, v, k);
    Meld(r);
    const TVariabele& var = model_.VariabeleLijst[v];
    if (var.AantalLabels > 0)
        // After a refusal the label that was selected stays selected.
        ToonLabels(r.uitkomst == Uitkomst::Gewijzigd ? 0 : k);
    else
        VerbergLabelVelden();
    NieuweLabelButton->setEnabled(var.AantalLabels < MaxLabels);
}

void TLidmaatschapForm::HernoemLabelButtonClick() {
    const int v = GekozenIndex();
    const int k = GekozenLabel();
    if (v < 0 || k < 0) return;
    const Resultaat r = HernoemLabel(model_, v, k, dialogen_);
    Meld(r);
    if (r.uitkomst != Uitkomst::Gewijzigd) return;
    LabelComboBox->setItemText(k, Tekst(model_.VariabeleLijst[v].Labels[k].Naam));
    LabelComboBox->setCurrentIndex(k);
    ToonLabel(k);
}

void TLidmaatschapForm::PuntGewijzigd(TLabelPunt punt, TSpinEdit* spin, int waarde) {
    const int v = GekozenIndex();
    const int k = GekozenLabel();
    if (v < 0 || k < 0) return;
    Meld(ZetLabelPunt(model_, v, k, punt, waarde));
    ZetStil(spin, Punt(model_.VariabeleLijst[v].Labels[k], punt));
    ToonLabel(k);
}

void TLidmaatschapForm::A_CSpinEditChange(int waarde) {
    PuntGewijzigd(TLabelPunt::A, A_CSpinEdit, waarde);
}
void TLidmaatschapForm::B_CSpinEditChange(int waarde) {
    PuntGewijzigd(TLabelPunt::B, B_CSpinEdit, waarde);
}
void TLidmaatschapForm::C_CSpinEditChange(int waarde) {
    PuntGewijzigd(TLabelPunt::C, C_CSpinEdit, waarde);
}
void TLidmaatschapForm::D_CSpinEditChange(int waarde) {
    PuntGewijzigd(TLabelPunt::D, D_CSpinEdit, waarde);
}

void TLidmaatschapForm::OKEnAfsluitenButtonClick() { close(); }

bool TLidmaatschapForm::FormCloseQuery() {
    if (bestanden_.Beeindigd()) return true;
    return bestanden_.WijzigingenOpslaanBijSluiten();
}

// QDialog's Escape key and close box both end in reject() and so in done(); the OK button
// closes, which rejects as well.
void TLidmaatschapForm::done(int resultaat) {
    if (!FormCloseQuery()) return;
    QDialog::done(resultaat);
}
