#include "rules/Regels.h"

#include <QComboBox>
#include <QIcon>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPainter>
#include <QPixmap>
#include <QPolygon>
#include <QPushButton>
#include <QScreen>
#include <QStyledItemDelegate>

#include "platform/Tekens.h"
#include "platform/Vensterbouw.h"

namespace {

// The 16 x 16 red arrow of the two selection buttons, on a transparent background.
QIcon Pijl(bool omlaag) {
    QPixmap pixmap(16, 16);
    pixmap.fill(Qt::transparent);
    QPainter painter(&pixmap);
    painter.setRenderHint(QPainter::Antialiasing, false);
    // Drawn pointing down; the up arrow is its mirror image.
    QPolygon pijl({{6, 1}, {9, 1}, {9, 8}, {13, 8}, {8, 14}, {7, 14}, {2, 8}, {6, 8}});
    if (!omlaag)
        for (QPoint& p : pijl) p.setY(15 - p.y());
    painter.setPen(QColor(128, 0, 0));
    painter.setBrush(QColor(255, 0, 0));
    painter.drawPolygon(pijl);
    painter.end();
    return QIcon(pixmap);
}

// The drop-down lists show 13-pixel item lines.
class TRegelHoogte : public QStyledItemDelegate {
  public:
    using QStyledItemDelegate::QStyledItemDelegate;
    QSize sizeHint(const QStyleOptionViewItem& optie, const QModelIndex& index) const override {
        return QSize(QStyledItemDelegate::sizeHint(optie, index).width(), 13);
    }
};

QPushButton* Knop(QWidget* ouder, const char* naam, const QString& tekst, int x, int y, int b,
                  int h) {
    auto* knop = new QPushButton(tekst, ouder);
    knop->setObjectName(QString::fromLatin1(naam));
    knop->setGeometry(x, y, b, h);
    // Enter in a combo box must not press a command button.
    knop->setAutoDefault(false);
    return knop;
}

QLabel* Tekst(QWidget* ouder, const char* naam, const QString& tekst, int x, int y, int b, int h,
              int pixels) {
    auto* label = new QLabel(tekst, ouder);
    label->setObjectName(QString::fromLatin1(naam));
    label->setGeometry(x, y, b, h);
    label->setFont(Lettertype(pixels, true));
    return label;
}

QComboBox* Box(QWidget* ouder, const QString& naam, int x, int y, int b) {
    auto* box = new QComboBox(ouder);
    box->setObjectName(naam);
    box->setGeometry(x, y, b, 21);
    box->setFont(Lettertype(11, true));
    box->setEditable(false);
    box->setItemDelegate(new TRegelHoogte(box));
    box->hide();
    return box;
}

bool ZelfdeItems(const QComboBox* box, const std::vector<std::string>& items) {
    if (box->count() != static_cast<int>(items.size())) return false;
    for (int k = 0; k < box->count(); ++k)
        if (box->itemText(k) != NaarQString(items[k])) return false;
    return true;
}

// A list is refilled only when its items differ, and then drawn once.
void SpiegelBox(QComboBox* box, const TKeuzeBox& staat) {
    if (!ZelfdeItems(box, staat.Items)) {
        box->setUpdatesEnabled(false);
        box->clear();
        for (const std::string& item : staat.Items) box->addItem(NaarQString(item));
        box->setUpdatesEnabled(true);
    }
    box->setCurrentIndex(staat.Gekozen);
    box->setVisible(staat.Getoond);
}

}  // namespace

TRegelsForm::TRegelsForm(TFuzzyModel& model, TBestandsbeheer& bestanden, TDialogen& dialogen,
                         QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                          Qt::WindowCloseButtonHint),
      model_(model),
      bestanden_(bestanden),
      dialogen_(dialogen) {
    setObjectName(QStringLiteral("RegelsForm"));
    setWindowTitle(QStringLiteral("Regels"));
    setFixedSize(813, 406);
    setFont(Lettertype(11, false));

    // Created in tab order.
    VerwijderKnop = Knop(this, "VerwijderKnop", QStringLiteral("Verwijder"), 32, 248, 57, 25);
    SelectieOmlaagKnop = Knop(this, "SelectieOmlaagKnop", QString(), 8, 8, 25, 25);
    SelectieOmlaagKnop->setIcon(Pijl(true));
    SelectieOmlaagKnop->setIconSize(QSize(16, 16));
    SelectieOmlaagKnop->setAccessibleName(QStringLiteral("Volgende regel"));
    SelectieOmlaagKnop->setToolTip(QStringLiteral("Volgende regel"));
    SelectieOmhoogKnop = Knop(this, "SelectieOmhoogKnop", QString(), 8, 216, 25, 25);
    SelectieOmhoogKnop->setIcon(Pijl(false));
    SelectieOmhoogKnop->setIconSize(QSize(16, 16));
    SelectieOmhoogKnop->setAccessibleName(QStringLiteral("Vorige regel"));
    SelectieOmhoogKnop->setToolTip(QStringLiteral("Vorige regel"));
    StaticText1 = Tekst(this, "StaticText1", QStringLiteral("Regel :"), 120, 248, 58, 23, 16);
    RegelAanduidingEdit = new QLineEdit(this);
    RegelAanduidingEdit->setObjectName(QStringLiteral("RegelAanduidingEdit"));
    RegelAanduidingEdit->setGeometry(184, 248, 33, 21);
    // Nothing reads the number back.
    RegelAanduidingEdit->setReadOnly(true);
    VerplaatsNaarBovenKnop =
        Knop(this, "VerplaatsNaarBovenKnop", QStringLiteral("Omhoog"), 32, 344, 57, 25);
    VerplaatsNaarOnderKnop =
        Knop(this, "VerplaatsNaarOnderKnop", QStringLiteral("OmLaag"), 32, 376, 57, 25);
    VervangKnop = Knop(this, "VervangKnop", QStringLiteral("Vervang"), 32, 280, 57, 25);
    RegelsListBox = new QListWidget(this);
    RegelsListBox->setObjectName(QStringLiteral("RegelsListBox"));
    RegelsListBox->setGeometry(32, 8, 769, 233);
    RegelsListBox->setFont(Lettertype(13, true));
    RegelsListBox->setSelectionMode(QAbstractItemView::SingleSelection);
    RegelsListBox->setUniformItemSizes(true);
    VoegToeKnop = Knop(this, "VoegToeKnop", QStringLiteral("Voeg toe"), 32, 312, 57, 25);
    AlsTekst = Tekst(this, "AlsTekst", QStringLiteral("ALS"), 416, 248, 26, 18, 11);

    auto variabeleBox = [this](int rij) {
        return Box(this, QStringLiteral("Variabele%1ComboBox").arg(rij), 448, 248 + 24 * (rij - 1),
                   145);
    };
    auto koppelBox = [this](int rij) {
        QComboBox* box =
            Box(this, QStringLiteral("Koppel%1ComboBox").arg(rij), 392, 272 + 24 * (rij - 1), 49);
        for (const std::string& item : editor_.Rijen[rij].Koppel.Items)
            box->addItem(NaarQString(item));
        // A narrower arrow keeps "DAN" readable in the 49-pixel box.
        box->setStyleSheet(
            QStringLiteral("QComboBox { padding-left: 3px; padding-right: 0px; }"
                           "QComboBox::drop-down { width: 14px; }"));
        return box;
    };
    auto labelBox = [this](int rij) {
        return Box(this, QStringLiteral("Label%1ComboBox").arg(rij), 656, 248 + 24 * (rij - 1),
                   145);
    };
    auto isTekst = [this](int rij, const char* naam) {
        QLabel* label =
            Tekst(this, naam, QStringLiteral("IS"), 616, 248 + 24 * (rij - 1), 14, 18, 11);
        label->hide();
        return label;
    };
    Variabele1ComboBox = variabeleBox(1);
    Koppel1ComboBox = koppelBox(1);
    Label1ComboBox = labelBox(1);
    Variabele2ComboBox = variabeleBox(2);
    Variabele3ComboBox = variabeleBox(3);
    Variabele4ComboBox = variabeleBox(4);
    Variabele5ComboBox = variabeleBox(5);
    Variabele6ComboBox = variabeleBox(6);
    Istekst1 = isTekst(1, "Istekst1");
    Koppel2ComboBox = koppelBox(2);
    Koppel3ComboBox = koppelBox(3);
    Koppel4ComboBox = koppelBox(4);
    Koppel5ComboBox = koppelBox(5);
    Label2ComboBox = labelBox(2);
    Label3ComboBox = labelBox(3);
    Label4ComboBox = labelBox(4);
    Label5ComboBox = labelBox(5);
    Label6ComboBox = labelBox(6);
    IsTekst2 = isTekst(2, "IsTekst2");
    IsTekst3 = isTekst(3, "IsTekst3");
    IsTekst4 = isTekst(4, "IsTekst4");
    IsTekst5 = isTekst(5, "IsTekst5");
    IsTekst6 = isTekst(6, "IsTekst6");
    OKEnOvernemenButton =
        Knop(this, "OKEnOvernemenButton", QStringLiteral("OK"), 136, 368, 153, 25);

    QComboBox* variabelen[] = {Variabele1ComboBox, Variabele2ComboBox, Variabele3ComboBox,
                               Variabele4ComboBox, Variabele5ComboBox, Variabele6ComboBox};
    QLabel* isTeksten[] = {Istekst1, IsTekst2, IsTekst3, IsTekst4, IsTekst5, IsTekst6};
    QComboBox* labels[] = {Label1ComboBox, Label2ComboBox, Label3ComboBox,
                           Label4ComboBox, Label5ComboBox, Label6ComboBox};
    QComboBox* koppels[] = {Koppel1ComboBox, Koppel2ComboBox, Koppel3ComboBox, Koppel4ComboBox,
                            Koppel5ComboBox};
    for (int i = 0; i < MaxTermen; ++i) {
        VariabeleBoxen_[i] = variabelen[i];
        IsTeksten_[i] = isTeksten[i];
        LabelBoxen_[i] = labels[i];
    }
    for (int i = 0; i < AantalKoppelBoxen; ++i) KoppelBoxen_[i] = koppels[i];

    connect(VerwijderKnop, &QPushButton::clicked, this, &TRegelsForm::VerwijderKnopClick);
    connect(SelectieOmlaagKnop, &QPushButton::clicked, this, &TRegelsForm::SelectieOmlaagKnopClick);
    connect(SelectieOmhoogKnop, &QPushButton::clicked, this, &TRegelsForm::SelectieOmhoogKnopClick);
    connect(VerplaatsNaarBovenKnop, &QPushButton::clicked, this,
            &TRegelsForm::VerplaatsNaarBovenKnopClick);
    connect(VerplaatsNaarOnderKnop, &QPushButton::clicked, this,
            &TRegelsForm::VerplaatsNaarOnderKnopClick);
    connect(VervangKnop, &QPushButton::clicked, this, &TRegelsForm::VervangKnopClick);
    connect(VoegToeKnop, &QPushButton::clicked, this, &TRegelsForm::VoegToeKnopClick);
    connect(OKEnOvernemenButton, &QPushButton::clicked, this,
            &TRegelsForm::OKEnOvernemenButtonClick);
    // A mouse click selects (also the line already selected); the keys move the current line.
    connect(RegelsListBox, &QListWidget::itemClicked, this, &TRegelsForm::RegelsListBoxClick);
    connect(RegelsListBox, &QListWidget::currentRowChanged, this, [this](int) {
        if (!spiegelen_) RegelsListBoxClick();
    });

    connect(Variabele1ComboBox, &QComboBox::activated, this,
            &TRegelsForm::Variabele1ComboBoxChange);
    connect(Variabele2ComboBox, &QComboBox::activated, this,
            &TRegelsForm::Variabele2ComboBoxChange);
    connect(Variabele3ComboBox, &QComboBox::activated, this,
            &TRegelsForm::Variabele3ComboBoxChange);
    connect(Variabele4ComboBox, &QComboBox::activated, this,
            &TRegelsForm::Variabele4ComboBoxChange);
    connect(Variabele5ComboBox, &QComboBox::activated, this,
            &TRegelsForm::Variabele5ComboBoxChange);
    connect(Variabele6ComboBox, &QComboBox::activated, this,
            &TRegelsForm::Variabele6ComboBoxChange);
    connect(Koppel1ComboBox, &QComboBox::activated, this, &TRegelsForm::Koppel1ComboBoxChange);
    connect(Koppel2ComboBox, &QComboBox::activated, this, &TRegelsForm::Koppel2ComboBoxChange);
    connect(Koppel3ComboBox, &QComboBox::activated, this, &TRegelsForm::Koppel3ComboBoxChange);
    connect(Koppel4ComboBox, &QComboBox::activated, this, &TRegelsForm::Koppel4ComboBoxChange);
    connect(Koppel5ComboBox, &QComboBox::activated, this, &TRegelsForm::Koppel5ComboBoxChange);
    // The label boxes have no change handler; the user's choice only goes into the rows.
    for (QComboBox* box : LabelBoxen_)
        connect(box, &QComboBox::activated, this, [this, box](int index) {
            for (int i = 0; i < MaxTermen; ++i)
                if (LabelBoxen_[i] == box) editor_.Rijen.Rij[i].Label.Gekozen = index;
        });

    Spiegel();
}

void TRegelsForm::showEvent(QShowEvent* event) {
    // Every opening rebuilds from the model. Qt's activation event also follows each message box
    // shown over this window, which must not reset the rows, so the opening is the trigger.
    if (QScreen* scherm = screen()) move(scherm->availableGeometry().center() - rect().center());
    FormActivate();
    QDialog::showEvent(event);
}

void TRegelsForm::FormActivate() {
    Activeren(editor_, model_);
    Spiegel();
}

bool TRegelsForm::FormCloseQuery() {
    if (bestanden_.Beeindigd()) return true;
    return bestanden_.WijzigingenOpslaanBijSluiten();
}

void TRegelsForm::reject() {
    if (FormCloseQuery()) QDialog::reject();
}

void TRegelsForm::OKEnOvernemenButtonClick() { close(); }

void TRegelsForm::Toon(const Resultaat& resultaat) {
    for (const std::string& melding : resultaat.meldingen) dialogen_.Meld(melding);
    Spiegel();
}

void TRegelsForm::RegelsListBoxClick() {
    Toon(RegelKiezen(editor_, model_, RegelsListBox->currentRow()));
}
void TRegelsForm::SelectieOmlaagKnopClick() { Toon(VolgendeRegel(editor_, model_)); }
void TRegelsForm::SelectieOmhoogKnopClick() { Toon(VorigeRegel(editor_, model_)); }
void TRegelsForm::VoegToeKnopClick() { Toon(RegelToevoegen(editor_, model_)); }
void TRegelsForm::VervangKnopClick() { Toon(RegelVervangen(editor_, model_)); }
void TRegelsForm::VerwijderKnopClick() { Toon(RegelVerwijderen(editor_, model_)); }
void TRegelsForm::VerplaatsNaarBovenKnopClick() { Toon(RegelOmhoog(editor_, model_)); }
void TRegelsForm::VerplaatsNaarOnderKnopClick() { Toon(RegelOmlaag(editor_, model_)); }

void TRegelsForm::VariabeleComboBoxChange(int rij) {
    VariabeleGekozen(editor_.Rijen, model_, rij, VariabeleBoxen_[rij - 1]->currentIndex());
    Spiegel();
}

void TRegelsForm::KoppelComboBoxChange(int rij) {
    KoppelGekozen(editor_.Rijen, rij, KoppelBoxen_[rij - 1]->currentIndex());
    Spiegel();
}

void TRegelsForm::Variabele1ComboBoxChange() { VariabeleComboBoxChange(1); }
void TRegelsForm::Variabele2ComboBoxChange() { VariabeleComboBoxChange(2); }
void TRegelsForm::Variabele3ComboBoxChange() { VariabeleComboBoxChange(3); }
void TRegelsForm::Variabele4ComboBoxChange() { VariabeleComboBoxChange(4); }
void TRegelsForm::Variabele5ComboBoxChange() { VariabeleComboBoxChange(5); }
void TRegelsForm::Variabele6ComboBoxChange() { VariabeleComboBoxChange(6); }
void TRegelsForm::Koppel1ComboBoxChange() { KoppelComboBoxChange(1); }
void TRegelsForm::Koppel2ComboBoxChange() { KoppelComboBoxChange(2); }
void TRegelsForm::Koppel3ComboBoxChange() { KoppelComboBoxChange(3); }
void TRegelsForm::Koppel4ComboBoxChange() { KoppelComboBoxChange(4); }
void TRegelsForm::Koppel5ComboBoxChange() { KoppelComboBoxChange(5); }

void TRegelsForm::Spiegel() {
    spiegelen_ = true;
    for (int i = 0; i < MaxTermen; ++i) {
        const TRegelRij& rij = editor_.Rijen.Rij[i];
        SpiegelBox(VariabeleBoxen_[i], rij.Variabele);
        IsTeksten_[i]->setVisible(rij.IsGetoond);
        SpiegelBox(LabelBoxen_[i], rij.Label);
        if (i < AantalKoppelBoxen) SpiegelBox(KoppelBoxen_[i], rij.Koppel);
    }

    const int aantal = static_cast<int>(editor_.Lijnen.size());
    RegelsListBox->setUpdatesEnabled(false);
    while (RegelsListBox->count() > aantal)
        delete RegelsListBox->takeItem(RegelsListBox->count() - 1);
    for (int k = 0; k < aantal; ++k) {
        const QString tekst = NaarQString(editor_.Lijnen[k]);
        if (k < RegelsListBox->count()) {
            if (RegelsListBox->item(k)->text() != tekst) RegelsListBox->item(k)->setText(tekst);
        } else {
            auto* lijn = new QListWidgetItem(tekst, RegelsListBox);
            lijn->setSizeHint(QSize(0, 16));
        }
    }
    RegelsListBox->setCurrentRow(editor_.GeselecteerdeLijn);
    if (editor_.GeselecteerdeLijn < 0) RegelsListBox->clearSelection();
    RegelsListBox->setUpdatesEnabled(true);

    RegelAanduidingEdit->setText(QString::fromStdString(editor_.Aanduiding));
    spiegelen_ = false;
}
