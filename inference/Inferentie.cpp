#include "inference/Inferentie.h"

#include <QAreaSeries>
#include <QChart>
#include <QComboBox>
#include <QGuiApplication>
#include <QLabel>
#include <QLineEdit>
#include <QLineSeries>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QScreen>
#include <QShowEvent>
#include <QSignalBlocker>
#include <QValueAxis>

#include "platform/Grafiek.h"
#include "platform/SpinEdit.h"
#include "platform/Tekens.h"
#include "platform/Vensterbouw.h"
#include "rules/RegelTekst.h"

namespace {

constexpr int NormaalPixels = 11;
constexpr int VetPixels = 13;
constexpr int RegelHoogte = 16;

const QColor Groen(0, 128, 0);
const QColor Rood(255, 0, 0);
const QColor Geel(255, 255, 0);

// A label whose width follows its text, as the window's labels always did.
QLabel* MaakLabel(QWidget* ouder, const QString& naam, int x, int y, const QString& tekst) {
    QLabel* label = new QLabel(tekst, ouder);
    label->setObjectName(naam);
    label->setFont(Lettertype(VetPixels, true));
    label->move(x, y);
    label->adjustSize();
    return label;
}

void ZetLabelTekst(QLabel* label, const QString& tekst) {
    label->setText(tekst);
    label->adjustSize();
}

QLineSeries* MaakLijn(const char* naam, const QColor& kleur) {
    auto* lijn = new QLineSeries();
    lijn->setObjectName(QString::fromLatin1(naam));
    lijn->setPen(QPen(kleur, 2));
    lijn->setPointsVisible(false);
    return lijn;
}

QAreaSeries* MaakVlak(const char* naam, bool bovenlijn) {
    auto* vlak = new QAreaSeries();
    vlak->setUpperSeries(new QLineSeries(vlak));
    vlak->setObjectName(QString::fromLatin1(naam));
    vlak->setBrush(Rood);
    vlak->setPen(bovenlijn ? QPen(Rood.darker(150), 1) : QPen(Qt::NoPen));
    vlak->setPointsVisible(false);
    return vlak;
}

void ZetTrapezium(QLineSeries* lijn, const TFuzzyLabel& l) {
    lijn->replace(QList<QPointF>{
        {double(l.A), 0.0}, {double(l.B), 1.0}, {double(l.C), 1.0}, {double(l.D), 0.0}});
}

void ZetPunten(QAreaSeries* vlak, const TRegelResultaat& resultaat) {
    QList<QPointF> punten;
    for (const TPunt& p : resultaat.Punten) punten.append(QPointF(p.X, p.Y));
    vlak->upperSeries()->replace(punten);
}

}  // namespace

TInferentieForm::TInferentieForm(TFuzzyModel& model, QWidget* parent)
    : QDialog(parent), model_(model) {
    setObjectName(QStringLiteral("InferentieForm"));
    setWindowTitle(QStringLiteral("Output"));
    setWindowFlag(Qt::WindowContextHelpButtonHint, false);
    setFixedSize(817, 603);
    setFont(Lettertype(NormaalPixels, false));

    static const char* const labelNamen[MaxInputs] = {"Variabele1Label", "Variabele2Label",
                                                      "Variabele3Label", "Variabele4Label",
                                                      "Variabele5Label"};
    static const char* const spinNamen[MaxInputs] = {"CSpinEditVariabele1", "CSpinEditVariabele2",
                                                     "CSpinEditVariabele3", "CSpinEditVariabele4",
                                                     "CSpinEditVariabele5"};
    for (int k = 0; k < MaxInputs; ++k) {
        const int y = 16 + 24 * k;
        VariabeleLabel[k] = MaakLabel(this, QString::fromLatin1(labelNamen[k]), 8, y,
                                      QString::fromLatin1(labelNamen[k]));
        VariabeleLabel[k]->hide();
        CSpinEditVariabele[k] = Maak<TSpinEdit>(this, spinNamen[k], 448, y, 49, 22);
        CSpinEditVariabele[k]->hide();
    }

    ImplicatieLabel = MaakLabel(this, QStringLiteral("ImplicatieLabel"), 520, 16,
                                QStringLiteral("Kies een implicatiemethode :"));
    ImplicatieComboBox = Maak<QComboBox>(this, "ImplicatieComboBox", 744, 16, 65, 21);
    ImplicatieComboBox->addItems(
        {QStringLiteral("Ra"), QStringLiteral("Rm"), QStringLiteral("Rc")});
    DefuzzificzatieLabel = MaakLabel(this, QStringLiteral("DefuzzificzatieLabel"), 520, 72,
                                     QStringLiteral("Kies de defuzzificatiemethode :"));
    MOMRadioButton = Maak<QRadioButton>(this, "MOMRadioButton", 520, 96, 201, 17);
    MOMRadioButton->setText(QStringLiteral("Gemiddelde van maxima"));
    COGRadioButton = Maak<QRadioButton>(this, "COGRadioButton", 520, 120, 113, 17);
    COGRadioButton->setText(QStringLiteral("Zwaartepunt"));
    // A file may hold a method code that is neither 0 nor 1: then neither carries the mark, which
    // Qt's automatic exclusivity would not allow. The click handlers keep them exclusive.
    for (QRadioButton* knop : {MOMRadioButton, COGRadioButton}) {
        knop->setAutoExclusive(false);
        knop->setFont(Lettertype(VetPixels, true));
    }
    OutputButton = Maak<QPushButton>(this, "OutputButton", 696, 120, 115, 33);
    OutputButton->setText(QStringLiteral("EVALUEER !!!!"));
    OutputButton->setAutoDefault(false);

    RegelsDieVurenLabel = MaakLabel(this, QStringLiteral("RegelsDieVurenLabel"), 8, 144,
                                    QStringLiteral("Regels die vuren :"));
    OutputRegelsListBox = Maak<QListWidget>(this, "OutputRegelsListBox", 8, 160, 801, 169);
    OutputRegelsListBox->setSelectionMode(QAbstractItemView::SingleSelection);
    OutputRegelsListBox->setFont(Lettertype(VetPixels, true));
    OutputRegelsListBox->setUniformItemSizes(true);

    RegelOutputChart = Maak<TGrafiekView>(this, "RegelOutputChart", 8, 336, 393, 241);
    RegelOutputChart->chart()->setTitle(QStringLiteral("Output van gekozen regel"));
    QLineSeries* lijn1 = MaakLijn("LineSeries1", Groen);
    lijn1->setName(QStringLiteral("Lidmaatschap van outputvariabele"));
    RegelOutputChart->VoegSerieToe(lijn1);
    QAreaSeries* vlak1 = MaakVlak("Series1", true);
    vlak1->setName(QStringLiteral("Output na regelevaluatie"));
    RegelOutputChart->VoegSerieToe(vlak1);

    TotaleOutputChart = Maak<TGrafiekView>(this, "TotaleOutputChart", 408, 336, 401, 241);
    TotaleOutputChart->chart()->setTitle(QStringLiteral("Totale Output"));
    TotaleOutputChart->ZetTitelKader(true);
    TotaleOutputChart->VoegSerieToe(MaakLijn("LineSeries2", Groen));
    TotaleOutputChart->VoegSerieToe(MaakLijn("Series2", Qt::black));
    TotaleOutputChart->VoegSerieToe(MaakLijn("Series3", Geel));
    for (int r = 0; r < MaxRegels; ++r) {
        const QByteArray naam = "Series" + QByteArray::number(r + 4);
        TotaleOutputChart->VoegSerieToe(MaakVlak(naam.constData(), false));
    }

    OutputLabel = MaakLabel(this, QStringLiteral("OutputLabel"), 408, 584, QString());
    UitkomstEdit = Maak<QLineEdit>(this, "UitkomstEdit", 752, 580, 57, 21);
    UitkomstEdit->setText(QStringLiteral("0"));

    for (QWidget* w :
         {static_cast<QWidget*>(RegelsDieVurenLabel), static_cast<QWidget*>(OutputRegelsListBox),
          static_cast<QWidget*>(RegelOutputChart), static_cast<QWidget*>(TotaleOutputChart),
          static_cast<QWidget*>(OutputLabel), static_cast<QWidget*>(UitkomstEdit)})
        w->hide();

    QWidget* tabVolgorde[] = {ImplicatieComboBox,    OutputButton,          OutputRegelsListBox,
                              RegelOutputChart,      TotaleOutputChart,     COGRadioButton,
                              MOMRadioButton,        UitkomstEdit,          CSpinEditVariabele[0],
                              CSpinEditVariabele[1], CSpinEditVariabele[2], CSpinEditVariabele[3],
                              CSpinEditVariabele[4]};
    for (std::size_t i = 1; i < std::size(tabVolgorde); ++i)
        setTabOrder(tabVolgorde[i - 1], tabVolgorde[i]);

    connect(ImplicatieComboBox, &QComboBox::activated, this,
            &TInferentieForm::ImplicatieComboBoxChange);
    connect(MOMRadioButton, &QRadioButton::clicked, this, &TInferentieForm::MOMRadioButtonClick);
    connect(COGRadioButton, &QRadioButton::clicked, this, &TInferentieForm::COGRadioButtonClick);
    connect(CSpinEditVariabele[0], &QSpinBox::valueChanged, this,
            &TInferentieForm::CSpinEditVariabele1Change);
    connect(CSpinEditVariabele[1], &QSpinBox::valueChanged, this,
            &TInferentieForm::CSpinEditVariabele2Change);
    connect(CSpinEditVariabele[2], &QSpinBox::valueChanged, this,
            &TInferentieForm::CSpinEditVariabele3Change);
    connect(CSpinEditVariabele[3], &QSpinBox::valueChanged, this,
            &TInferentieForm::CSpinEditVariabele4Change);
    connect(CSpinEditVariabele[4], &QSpinBox::valueChanged, this,
            &TInferentieForm::CSpinEditVariabele5Change);
    connect(OutputButton, &QPushButton::clicked, this, &TInferentieForm::OutputButtonClick);
    // Mouse and arrow keys alike; the window's own selection is made with signals blocked.
    connect(OutputRegelsListBox, &QListWidget::currentRowChanged, this,
            &TInferentieForm::OutputRegelsListBoxClick);
}

TInferentieForm::~TInferentieForm() = default;

void TInferentieForm::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    // A window restored by the window system is not opened anew.
    if (event->spontaneous()) return;
    if (QScreen* scherm = screen())
        move(scherm->availableGeometry().center() - QPoint(width() / 2, height() / 2));
    FormActivate();
}

void TInferentieForm::FormActivate() {
    VerbergResultaten();

    // Checking a button from here raises no click; the end state is what the click handlers would
    // leave, and a code that is neither 0 nor 1 leaves both unchecked.
    MOMRadioButton->setChecked(model_.DefuzzificatieMethode == 0);
    COGRadioButton->setChecked(model_.DefuzzificatieMethode == 1);

    // An index outside the items leaves the box without a selection.
    ImplicatieComboBox->setCurrentIndex(model_.ImplicatieMethode);

    const int rijen = KoppelInputs(model_, Toestand_);
    for (int k = 0; k < rijen; ++k) {
        const TVariabele& v = model_.VariabeleLijst[Toestand_.InputRijen[k].Variabele];
        ZetLabelTekst(VariabeleLabel[k], QStringLiteral("Kies een gefuzzificeerde waarde voor ") +
                                             NaarQString(v.Naam) + QStringLiteral(" :"));
        VariabeleLabel[k]->show();
        CSpinEditVariabele[k]->show();
        // Each of these may move the shown value and so run the change handler, which stores the
        // shown value in row k: the row ends at Min either way.
        CSpinEditVariabele[k]->setMaximum(v.Max);
        CSpinEditVariabele[k]->setMinimum(v.Min);
        CSpinEditVariabele[k]->setValue(v.Min);
    }
    for (int k = rijen; k < MaxInputs; ++k) {
        VariabeleLabel[k]->hide();
        CSpinEditVariabele[k]->hide();
    }
}

void TInferentieForm::ImplicatieComboBoxChange() {
    model_.ImplicatieMethode = ImplicatieComboBox->currentIndex();
    VerbergResultaten();
}

void TInferentieForm::MOMRadioButtonClick() {
    // Without automatic exclusivity a click on the checked button would uncheck it.
    MOMRadioButton->setChecked(true);
    model_.DefuzzificatieMethode = 0;
    COGRadioButton->setChecked(false);
    VerbergResultaten();
}

void TInferentieForm::COGRadioButtonClick() {
    COGRadioButton->setChecked(true);
    model_.DefuzzificatieMethode = 1;
    MOMRadioButton->setChecked(false);
    VerbergResultaten();
}

void TInferentieForm::SpinEditChange(int rij) {
    ZetInputWaarde(Toestand_, rij, CSpinEditVariabele[rij]->value());
    VerbergResultaten();
}

void TInferentieForm::CSpinEditVariabele1Change() { SpinEditChange(0); }
void TInferentieForm::CSpinEditVariabele2Change() { SpinEditChange(1); }
void TInferentieForm::CSpinEditVariabele3Change() { SpinEditChange(2); }
void TInferentieForm::CSpinEditVariabele4Change() { SpinEditChange(3); }
void TInferentieForm::CSpinEditVariabele5Change() { SpinEditChange(4); }

void TInferentieForm::OutputButtonClick() {
    FuzzificeerInputs(model_, Toestand_);
    EvalueerRegels(model_, Toestand_);
    if (Toestand_.ErIsGevuurd) {
        ZetLabelTekst(RegelsDieVurenLabel, QStringLiteral("De volgende regels hebben gevuurd :"));
        RegelsDieVurenLabel->show();
        OutputRegelsListBox->show();
        VulRegelsLijst();
        {
            const QSignalBlocker stil(OutputRegelsListBox);
            OutputRegelsListBox->setCurrentRow(0);
        }
        ToonRegelOutput(0);
        TotaleOutputChart->show();
        ToonTotaleOutput();
    } else {
        ZetLabelTekst(RegelsDieVurenLabel, QStringLiteral("Er heeft geen regel gevuurd"));
        RegelsDieVurenLabel->show();
    }
}

void TInferentieForm::OutputRegelsListBoxClick() {
    ToonRegelOutput(OutputRegelsListBox->currentRow());
}

void TInferentieForm::VerbergResultaten() {
    RegelsDieVurenLabel->hide();
    OutputRegelsListBox->hide();
    RegelOutputChart->hide();
    TotaleOutputChart->hide();
    OutputLabel->hide();
    UitkomstEdit->hide();
    Toestand_.ErIsGevuurd = false;
}

void TInferentieForm::VulRegelsLijst() {
    const QSignalBlocker stil(OutputRegelsListBox);
    OutputRegelsListBox->setUpdatesEnabled(false);
    OutputRegelsListBox->clear();
    int k = 0;
    for (int r = 0; r < model_.AantalRegels && r < MaxRegels; ++r) {
        if (!Toestand_.RegelResultaten[r].Gevuurd) continue;
        auto* regel =
            new QListWidgetItem(QStringLiteral("Regel ") + QString::number(r + 1) +
                                QStringLiteral(" : ") + NaarQString(RegelTekst(model_, r)));
        regel->setSizeHint(QSize(
            OutputRegelsListBox->fontMetrics().horizontalAdvance(regel->text()) + 8, RegelHoogte));
        OutputRegelsListBox->addItem(regel);
        GevuurdeRegels[k++] = r;
    }
    AantalGevuurd_ = k;
    OutputRegelsListBox->setUpdatesEnabled(true);
}

void TInferentieForm::ToonRegelOutput(int k) {
    if (k < 0 || k >= AantalGevuurd_) return;
    const int r = GevuurdeRegels[k];
    RegelOutputChart->show();
    const TRegel& regel = model_.RegelLijst[r];
    // A rule fires only with a conclusion that names a variable and one of its labels.
    const int n = regel.AantalTermen < MaxTermen ? regel.AantalTermen : MaxTermen;
    const TRegelTerm& conclusie = regel.Termen[n - 1];
    const TVariabele& v = model_.VariabeleLijst[conclusie.Variabele];
    ZetAsBereik(RegelOutputChart->chart(), v.Min, v.Max);

    const QList<QAbstractSeries*> series = RegelOutputChart->chart()->series();
    ZetTrapezium(static_cast<QLineSeries*>(series[0]), v.Labels[conclusie.Label]);
    ZetPunten(static_cast<QAreaSeries*>(series[1]), Toestand_.RegelResultaten[r]);
    RegelOutputChart->chart()->setTitle(
        QStringLiteral("Bijdrage van regel ") + QString::number(r + 1) +
        QStringLiteral(" aan outputvariabele ") + NaarQString(v.Naam));
}

void TInferentieForm::ToonTotaleOutput() {
    const QList<QAbstractSeries*> series = TotaleOutputChart->chart()->series();
    for (QAbstractSeries* serie : series) serie->setVisible(false);

    const int lo = static_cast<int>(RegelOutputChart->OnderAs()->min());
    const int hi = static_cast<int>(RegelOutputChart->OnderAs()->max());
    ZetAsBereik(TotaleOutputChart->chart(), lo, hi);

    const int o = OutputVariabele(model_);
    // A model whose rules conclude on an input only has no output variable to draw or name.
    const TVariabele* uit = o >= 0 ? &model_.VariabeleLijst[o] : nullptr;
    for (int j = 0; uit && j < uit->AantalLabels && j < MaxLabels; ++j) {
        series[j]->setVisible(true);
        ZetTrapezium(static_cast<QLineSeries*>(series[j]), uit->Labels[j]);
    }
    for (int r = 0; r < model_.AantalRegels && r < MaxRegels; ++r) {
        if (!Toestand_.RegelResultaten[r].Gevuurd) continue;
        series[r + 3]->setVisible(true);
        ZetPunten(static_cast<QAreaSeries*>(series[r + 3]), Toestand_.RegelResultaten[r]);
    }

    const std::int32_t u = BerekenUitkomst(model_, Toestand_);
    ZetLabelTekst(OutputLabel, QStringLiteral("Uitkomst van variabele ") +
                                   (uit ? NaarQString(uit->Naam) : QString()) +
                                   QStringLiteral(" :"));
    OutputLabel->show();
    UitkomstEdit->setText(QString::number(u));
    UitkomstEdit->show();
}

void TInferentieForm::ZetAsBereik(QChart* chart, int lo, int hi) {
    const QList<QAbstractAxis*> assen = chart->axes(Qt::Horizontal);
    if (assen.isEmpty()) return;
    ::ZetAsBereik(static_cast<QValueAxis*>(assen.front()), lo, hi);
}
