// The "Regels" window on the offscreen platform, driven through its real controls.
#include <QAction>
#include <QComboBox>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTimer>
#include <QtTest>
#include <memory>

#include "app/Basis.h"
#include "app/Bestandsbeheer.h"
#include "model/Bestand.h"
#include "rules/RegelTekst.h"
#include "rules/Regels.h"
#include "support/GescripteDialogen.h"
#include "support/MaakModel.h"

namespace {

MaakModel Variabelen() {
    return MaakModel()
        .Input("Temp", 0, 40)
        .Label("Koud", 0, 0, 10, 20)
        .Label("Warm", 20, 30, 40, 40)
        .Input("Vocht", 0, 100)
        .Label("Droog", 0, 0, 20, 40)
        .Label("Nat", 40, 60, 100, 100)
        .Output("Kachel", 0, 100)
        .Label("Laag", 0, 0, 20, 50)
        .Label("Hoog", 50, 80, 100, 100);
}

TFuzzyModel MetRegels(int n) {
    MaakModel m = Variabelen();
    for (int k = 0; k < n; ++k)
        m.Regel({{0, k % 2, KoppelEN}, {1, (k / 2) % 2, KoppelDAN}, {2, (k / 4) % 2, KoppelGeen}});
    return m;
}

bool Schrijf(const QString& pad, const TFuzzyModel& model) {
    QFile bestand(pad);
    if (!bestand.open(QIODevice::WriteOnly)) return false;
    const std::string tekst = SchrijfBestand(model);
    return bestand.write(tekst.data(), static_cast<qint64>(tekst.size())) ==
           static_cast<qint64>(tekst.size());
}

// The number of rules in a project file on disk, -1 when it cannot be read.
int RegelsOpSchijf(const QString& pad) {
    QFile bestand(pad);
    if (!bestand.open(QIODevice::ReadOnly)) return -1;
    TFuzzyModel model{};
    if (!LeesBestand(model, bestand.readAll().toStdString())) return -1;
    return model.AantalRegels;
}

}  // namespace

class RegelsVensterTest : public QObject {
    Q_OBJECT

    TFuzzyModel model{};
    std::unique_ptr<TGescripteDialogen> dialogen;
    std::unique_ptr<TBestandsbeheer> bestanden;
    std::unique_ptr<TRegelsForm> form;
    std::unique_ptr<QTemporaryDir> map;
    // The window the helpers below look in.
    QWidget* venster = nullptr;

    QString Pad(const char* naam) const { return map->filePath(QString::fromLatin1(naam)); }

    // The window over a model; the template is a file with the variables and no rules.
    void Maak(const TFuzzyModel& begin) {
        map = std::make_unique<QTemporaryDir>();
        QVERIFY(map->isValid());
        QVERIFY(Schrijf(Pad("sjabloon.fld"), MetRegels(0)));
        model = begin;
        dialogen = std::make_unique<TGescripteDialogen>();
        bestanden =
            std::make_unique<TBestandsbeheer>(model, *dialogen, Pad("sjabloon.fld").toStdString());
        form = std::make_unique<TRegelsForm>(model, *bestanden, *dialogen, nullptr);
        venster = form.get();
    }

    template <typename T>
    T* Element(const char* naam) {
        T* element = venster->findChild<T*>(QString::fromLatin1(naam));
        if (!element) qFatal("geen element %s", naam);
        return element;
    }
    QComboBox* Box(const QString& naam) { return Element<QComboBox>(naam.toLatin1().constData()); }
    bool Getoond(const char* naam) { return !Element<QWidget>(naam)->isHidden(); }

    // As the user chooses an item: only in a box that is shown.
    void Kies(const char* naam, int index) {
        QComboBox* box = Element<QComboBox>(naam);
        QVERIFY2(box->isVisible(), naam);
        QVERIFY(index < box->count());
        box->setCurrentIndex(index);
        Q_EMIT box->activated(index);
    }
    void Klik(const char* naam) { QTest::mouseClick(Element<QPushButton>(naam), Qt::LeftButton); }
    QString Nummer() { return Element<QLineEdit>("RegelAanduidingEdit")->text(); }

    // "rk" per row: the row's three controls shown ('r'), hidden ('-') or mixed ('?'), and its
    // connector box ('k' shown, '.' hidden).
    QString Zichtbaar() {
        QString s;
        for (int rij = 1; rij <= 6; ++rij) {
            const int n =
                !Box(QStringLiteral("Variabele%1ComboBox").arg(rij))->isHidden() +
                !Element<QLabel>(rij == 1
                                     ? "Istekst1"
                                     : QStringLiteral("IsTekst%1").arg(rij).toLatin1().constData())
                     ->isHidden() +
                !Box(QStringLiteral("Label%1ComboBox").arg(rij))->isHidden();
            s += n == 3 ? u'r' : n == 0 ? u'-' : u'?';
            if (rij < 6)
                s += Box(QStringLiteral("Koppel%1ComboBox").arg(rij))->isHidden() ? u'.' : u'k';
            if (rij < 6) s += u' ';
        }
        return s;
    }

  private Q_SLOTS:
    void initTestCase() { QLocale::setDefault(QLocale::c()); }
    void cleanup() {
        venster = nullptr;
        form.reset();
        bestanden.reset();
        dialogen.reset();
        map.reset();
    }

    void besturingselementen_data() {
        QTest::addColumn<QString>("naam");
        QTest::addColumn<QString>("soort");
        QTest::addColumn<QRect>("plaats");
        QTest::addColumn<QString>("tekst");
        QTest::addColumn<bool>("getoond");
        auto rij = [](const char* naam, const char* soort, QRect plaats, const char* tekst,
                      bool getoond) {
            QTest::newRow(naam) << QString::fromLatin1(naam) << QString::fromLatin1(soort) << plaats
                                << QString::fromLatin1(tekst) << getoond;
        };
        rij("VerwijderKnop", "QPushButton", {32, 248, 57, 25}, "Verwijder", true);
        rij("SelectieOmlaagKnop", "QPushButton", {8, 8, 25, 25}, "", true);
        rij("SelectieOmhoogKnop", "QPushButton", {8, 216, 25, 25}, "", true);
        rij("StaticText1", "QLabel", {120, 248, 58, 23}, "Regel :", true);
        rij("RegelAanduidingEdit", "QLineEdit", {184, 248, 33, 21}, "", true);
        rij("VerplaatsNaarBovenKnop", "QPushButton", {32, 344, 57, 25}, "Omhoog", true);
        rij("VerplaatsNaarOnderKnop", "QPushButton", {32, 376, 57, 25}, "OmLaag", true);
        rij("VervangKnop", "QPushButton", {32, 280, 57, 25}, "Vervang", true);
        rij("RegelsListBox", "QListWidget", {32, 8, 769, 233}, "", true);
        rij("VoegToeKnop", "QPushButton", {32, 312, 57, 25}, "Voeg toe", true);
        rij("AlsTekst", "QLabel", {416, 248, 26, 18}, "ALS", true);
        rij("OKEnOvernemenButton", "QPushButton", {136, 368, 153, 25}, "OK", true);
        rij("Istekst1", "QLabel", {616, 248, 14, 18}, "IS", false);
        static const char* const isNamen[] = {"IsTekst2", "IsTekst3", "IsTekst4", "IsTekst5",
                                              "IsTekst6"};
        static QByteArray namen[18];
        for (int i = 0; i < 6; ++i) {
            const int y = 248 + 24 * i;
            namen[i] = QByteArray("Variabele") + QByteArray::number(i + 1) + "ComboBox";
            namen[6 + i] = QByteArray("Label") + QByteArray::number(i + 1) + "ComboBox";
            rij(namen[i].constData(), "QComboBox", {448, y, 145, 21}, "", false);
            rij(namen[6 + i].constData(), "QComboBox", {656, y, 145, 21}, "", false);
            if (i < 5) {
                namen[12 + i] = QByteArray("Koppel") + QByteArray::number(i + 1) + "ComboBox";
                rij(namen[12 + i].constData(), "QComboBox", {392, y + 24, 49, 21},
                    i < 4 ? "EN|DAN" : "EN|DAN|", false);
                rij(isNamen[i], "QLabel", {616, y + 24, 14, 18}, "IS", false);
            }
        }
    }

    void besturingselementen() {
        QFETCH(QString, naam);
        QFETCH(QString, soort);
        QFETCH(QRect, plaats);
        QFETCH(QString, tekst);
        QFETCH(bool, getoond);
        Maak(MetRegels(0));
        QCOMPARE(form->windowTitle(), QStringLiteral("Regels"));
        QCOMPARE(form->minimumSize(), QSize(813, 406));
        QCOMPARE(form->maximumSize(), QSize(813, 406));
        const Qt::WindowFlags vlaggen = form->windowFlags();
        QVERIFY(vlaggen & Qt::WindowCloseButtonHint);
        QVERIFY(!(vlaggen & (Qt::WindowMinimizeButtonHint | Qt::WindowMaximizeButtonHint |
                             Qt::WindowContextHelpButtonHint)));

        QWidget* element = form->findChild<QWidget*>(naam);
        QVERIFY(element);
        QCOMPARE(QString::fromLatin1(element->metaObject()->className()), soort);
        QCOMPARE(element->geometry(), plaats);
        QCOMPARE(!element->isHidden(), getoond);
        if (auto* knop = qobject_cast<QPushButton*>(element)) {
            QCOMPARE(knop->text(), tekst);
            if (tekst.isEmpty()) {
                QCOMPARE(knop->iconSize(), QSize(16, 16));
                QVERIFY(!knop->icon().isNull());
                QVERIFY(!knop->accessibleName().isEmpty());
            }
        } else if (auto* label = qobject_cast<QLabel*>(element)) {
            QCOMPARE(label->text(), tekst);
        } else if (auto* box = qobject_cast<QComboBox*>(element)) {
            QVERIFY(!box->isEditable());
            QStringList items;
            for (int k = 0; k < box->count(); ++k) items << box->itemText(k);
            QCOMPARE(items.join(u'|'), tekst);
        }
    }

    // Each arrow is red on a transparent background, and the two point opposite ways.
    void pijlen() {
        Maak(MetRegels(0));
        const QImage omlaag =
            Element<QPushButton>("SelectieOmlaagKnop")->icon().pixmap(16, 16).toImage();
        const QImage omhoog =
            Element<QPushButton>("SelectieOmhoogKnop")->icon().pixmap(16, 16).toImage();
        QCOMPARE(omlaag.size(), QSize(16, 16));
        QCOMPARE(omlaag.pixelColor(0, 0).alpha(), 0);
        QCOMPARE(omlaag.pixelColor(8, 5), QColor(Qt::red));
        // Down: the wide head at the bottom; up: at the top.
        QCOMPARE(omlaag.pixelColor(6, 10), QColor(Qt::red));
        QCOMPARE(omlaag.pixelColor(4, 5).alpha(), 0);
        QCOMPARE(omhoog.pixelColor(6, 5), QColor(Qt::red));
        QCOMPARE(omhoog.pixelColor(4, 10).alpha(), 0);
    }

    void openenZonderRegels() {
        Maak(MetRegels(0));
        form->show();
        QCOMPARE(Nummer(), QStringLiteral("0"));
        QCOMPARE(Element<QListWidget>("RegelsListBox")->count(), 0);
        QCOMPARE(Zichtbaar(), QStringLiteral("rk -. -. -. -. -"));
        QComboBox* variabele = Box(QStringLiteral("Variabele1ComboBox"));
        QCOMPARE(variabele->count(), 3);
        QCOMPARE(variabele->currentText(), QStringLiteral("Temp"));
        QCOMPARE(Box(QStringLiteral("Label1ComboBox"))->currentText(), QStringLiteral("Koud"));
        QCOMPARE(Box(QStringLiteral("Label1ComboBox"))->count(), 2);
        QCOMPARE(Box(QStringLiteral("Koppel1ComboBox"))->currentIndex(), -1);
        for (int rij = 2; rij <= 6; ++rij)
            QCOMPARE(Box(QStringLiteral("Variabele%1ComboBox").arg(rij))->currentIndex(), -1);
    }

    void openenMetRegels() {
        Maak(MetRegels(3));
        form->show();
        auto* lijst = Element<QListWidget>("RegelsListBox");
        QCOMPARE(lijst->count(), 3);
        for (int k = 0; k < 3; ++k)
            QCOMPARE(lijst->item(k)->text(), QString::fromStdString(RegelTekst(model, k)));
        QCOMPARE(lijst->currentRow(), 0);
        QVERIFY(lijst->item(0)->isSelected());
        QCOMPARE(Nummer(), QStringLiteral("1"));
        QCOMPARE(Zichtbaar(), QStringLiteral("rk rk r. -. -. -"));
        QCOMPARE(Box(QStringLiteral("Variabele2ComboBox"))->currentText(), QStringLiteral("Vocht"));
        QCOMPARE(Box(QStringLiteral("Koppel2ComboBox"))->currentText(), QStringLiteral("DAN"));
        QCOMPARE(Box(QStringLiteral("Label3ComboBox"))->currentText(), QStringLiteral("Laag"));
        // Opening again starts at rule 1, whatever was selected before.
        Klik("SelectieOmlaagKnop");
        QCOMPARE(Nummer(), QStringLiteral("2"));
        form->hide();
        form->show();
        QCOMPARE(Nummer(), QStringLiteral("1"));
        QCOMPARE(lijst->currentRow(), 0);
    }

    void typischeSamenstelling() {
        Maak(MetRegels(0));
        form->show();
        Kies("Koppel1ComboBox", 0);
        QCOMPARE(Zichtbaar(), QStringLiteral("rk rk -. -. -. -"));
        Kies("Variabele2ComboBox", 1);
        QComboBox* label2 = Box(QStringLiteral("Label2ComboBox"));
        QCOMPARE(label2->count(), 2);
        QCOMPARE(label2->currentText(), QStringLiteral("Droog"));
        Kies("Koppel2ComboBox", 1);
        QCOMPARE(Zichtbaar(), QStringLiteral("rk rk r. -. -. -"));
        Kies("Variabele3ComboBox", 2);
        Kies("Label3ComboBox", 1);
        Klik("VoegToeKnop");

        QVERIFY(dialogen->meldingen.empty());
        QCOMPARE(model.AantalRegels, 1);
        const TRegel& regel = model.RegelLijst[0];
        QCOMPARE(regel.AantalTermen, 3);
        const int verwacht[3][3] = {{0, 0, KoppelEN}, {1, 0, KoppelDAN}, {2, 1, KoppelGeen}};
        for (int t = 0; t < 3; ++t) {
            QCOMPARE(regel.Termen[t].Variabele, verwacht[t][0]);
            QCOMPARE(regel.Termen[t].Label, verwacht[t][1]);
            QCOMPARE(int(regel.Termen[t].Koppel), verwacht[t][2]);
        }
        auto* lijst = Element<QListWidget>("RegelsListBox");
        QCOMPARE(lijst->count(), 1);
        QCOMPARE(lijst->item(0)->text(),
                 QStringLiteral("ALS Temp IS Koud EN Vocht IS Droog DAN Kachel IS Hoog"));
        QCOMPARE(lijst->currentRow(), 0);
        QCOMPARE(Nummer(), QStringLiteral("1"));
    }

    // A refusal is shown through the dialogue layer and leaves list, rows and model as they were.
    void weigeringen_data() {
        QTest::addColumn<int>("aantal");
        QTest::addColumn<QString>("knop");
        QTest::addColumn<QString>("melding");
        QTest::newRow("tien regels") << 10 << "VoegToeKnop"
                                     << "Het maximaal aantal regels is al bereikt";
        QTest::newRow("toevoegen") << 2 << "VoegToeKnop"
                                   << "Een variabele is meer dan 1 maal gebruikt, dit kan niet";
        QTest::newRow("vervangen") << 2 << "VervangKnop"
                                   << "Een variabele is meer dan 1 maal gebruikt, dit kan niet";
    }

    void weigeringen() {
        QFETCH(int, aantal);
        QFETCH(QString, knop);
        QFETCH(QString, melding);
        Maak(MetRegels(aantal));
        form->show();
        Kies("Variabele2ComboBox", 0);
        const TFuzzyModel voor = model;
        const QString zichtbaar = Zichtbaar();
        Klik(knop.toLatin1().constData());
        QCOMPARE(dialogen->meldingen, std::vector<std::string>{melding.toStdString()});
        QVERIFY(model == voor);
        QCOMPARE(Element<QListWidget>("RegelsListBox")->count(), aantal);
        QCOMPARE(Zichtbaar(), zichtbaar);
        QCOMPARE(Box(QStringLiteral("Variabele2ComboBox"))->currentText(), QStringLiteral("Temp"));
        QCOMPARE(Nummer(), QStringLiteral("1"));
    }

    void lijstEnPijlen() {
        Maak(MetRegels(4));
        form->show();
        auto* lijst = Element<QListWidget>("RegelsListBox");
        QTest::mouseClick(lijst->viewport(), Qt::LeftButton, {},
                          lijst->visualItemRect(lijst->item(2)).center());
        QCOMPARE(Nummer(), QStringLiteral("3"));
        QCOMPARE(Box(QStringLiteral("Label2ComboBox"))->currentIndex(), 1);
        QTest::keyClick(lijst, Qt::Key_Down);
        QCOMPARE(Nummer(), QStringLiteral("4"));
        QCOMPARE(Box(QStringLiteral("Label1ComboBox"))->currentIndex(), 1);
        // At the last rule the arrow keeps the selection and reloads the rows.
        Kies("Label1ComboBox", 0);
        Klik("SelectieOmlaagKnop");
        QCOMPARE(Nummer(), QStringLiteral("4"));
        QCOMPARE(Box(QStringLiteral("Label1ComboBox"))->currentIndex(), 1);
        Klik("SelectieOmhoogKnop");
        QCOMPARE(Nummer(), QStringLiteral("3"));
        QCOMPARE(lijst->currentRow(), 2);

        // Rule 3 moves up: it is rule 2 now, still selected.
        const TRegel derde = model.RegelLijst[2];
        const QString tekst = lijst->item(2)->text();
        Klik("VerplaatsNaarBovenKnop");
        QCOMPARE(Nummer(), QStringLiteral("2"));
        QCOMPARE(lijst->currentRow(), 1);
        QCOMPARE(lijst->item(1)->text(), tekst);
        QCOMPARE(model.RegelLijst[1].Termen[0].Label, derde.Termen[0].Label);
        QCOMPARE(model.RegelLijst[1].Termen[1].Label, derde.Termen[1].Label);

        // Deleting the last rule selects the new last.
        Klik("SelectieOmlaagKnop");
        Klik("SelectieOmlaagKnop");
        QCOMPARE(Nummer(), QStringLiteral("4"));
        Klik("VerwijderKnop");
        QCOMPARE(model.AantalRegels, 3);
        QCOMPARE(lijst->count(), 3);
        QCOMPARE(lijst->currentRow(), 2);
        QCOMPARE(Nummer(), QStringLiteral("3"));
    }

    void verwijderEnigeRegel() {
        Maak(MetRegels(1));
        form->show();
        const QString zichtbaar = Zichtbaar();
        Klik("VerwijderKnop");
        QCOMPARE(model.AantalRegels, 0);
        auto* lijst = Element<QListWidget>("RegelsListBox");
        QCOMPARE(lijst->count(), 0);
        QCOMPARE(Nummer(), QStringLiteral("1"));
        QCOMPARE(Zichtbaar(), zichtbaar);
        Klik("VoegToeKnop");
        QCOMPARE(model.AantalRegels, 1);
        QCOMPARE(lijst->count(), 1);
        QCOMPARE(lijst->currentRow(), 0);
    }

    // Every way of closing asks the one question. The project file holds two rules; the window
    // deletes one before closing.
    void sluiten_data() {
        QTest::addColumn<QString>("manier");
        QTest::addColumn<int>("antwoord");
        QTest::addColumn<bool>("open");
        QTest::addColumn<int>("inModel");
        QTest::addColumn<int>("opSchijf");
        const char* const manieren[] = {"OK", "Escape", "sluitknop"};
        for (const char* manier : manieren) {
            const QByteArray m(manier);
            QTest::newRow(m + " ja") << QString(m) << int(Antwoord::Ja) << false << 1 << 1;
            QTest::newRow(m + " nee") << QString(m) << int(Antwoord::Nee) << false << 2 << 2;
            QTest::newRow(m + " annuleren")
                << QString(m) << int(Antwoord::Annuleren) << true << 1 << 2;
        }
    }

    void sluiten() {
        QFETCH(QString, manier);
        QFETCH(int, antwoord);
        QFETCH(bool, open);
        QFETCH(int, inModel);
        QFETCH(int, opSchijf);
        Maak(MetRegels(0));
        const QString project = Pad("kas.FLB");
        QVERIFY(Schrijf(project, MetRegels(2)));
        dialogen->teOpenen.push_back(project.toStdString());
        QVERIFY(bestanden->BestandOpenen(false));
        QCOMPARE(model.AantalRegels, 2);
        form->show();
        Klik("VerwijderKnop");
        QCOMPARE(model.AantalRegels, 1);

        dialogen->antwoorden.push_back(Antwoord(antwoord));
        if (manier == QLatin1String("OK"))
            Klik("OKEnOvernemenButton");
        else if (manier == QLatin1String("Escape"))
            QTest::keyClick(form.get(), Qt::Key_Escape);
        else
            form->close();

        QCOMPARE(dialogen->vragen, std::vector<std::string>{"Wijzigingen opslaan ?"});
        QVERIFY(dialogen->AllesGebruikt());
        QVERIFY(dialogen->meldingen.empty());
        QCOMPARE(form->isVisible(), open);
        QCOMPARE(model.AantalRegels, inModel);
        QCOMPARE(RegelsOpSchijf(project), opSchijf);
        QCOMPARE(bestanden->HuidigBestand(), project.toStdString());
    }

    // No without a current file reads the template again.
    void neeZonderBestandLeestSjabloon() {
        Maak(MetRegels(2));
        form->show();
        dialogen->antwoorden.push_back(Antwoord::Nee);
        form->close();
        QVERIFY(!form->isVisible());
        QCOMPARE(model.AantalRegels, 0);
        QCOMPARE(SchrijfBestand(model), SchrijfBestand(MetRegels(0)));
    }

    void mislukteOpslagHoudtOpen() {
        Maak(MetRegels(0));
        const QString project = Pad("kas.FLB");
        QVERIFY(Schrijf(project, MetRegels(2)));
        dialogen->teOpenen.push_back(project.toStdString());
        QVERIFY(bestanden->BestandOpenen(false));
        bestanden->Schrijf = [](int, const void*, std::size_t) -> ssize_t { return -1; };
        form->show();
        Klik("VerwijderKnop");
        dialogen->antwoorden.push_back(Antwoord::Ja);
        Klik("OKEnOvernemenButton");
        QVERIFY(form->isVisible());
        QCOMPARE(dialogen->meldingen.size(), std::size_t(1));
        QCOMPARE(model.AantalRegels, 1);
        QCOMPARE(RegelsOpSchijf(project), 2);
    }

    // Once the program has been told to end, the window closes without asking.
    void beeindigdSluitZonderVraag() {
        Maak(MetRegels(0));
        TBestandsbeheer zonderSjabloon(model, *dialogen, Pad("ontbreekt.fld").toStdString());
        QVERIFY(!zonderSjabloon.FormCreate());
        QVERIFY(zonderSjabloon.Beeindigd());
        model = MetRegels(1);
        TRegelsForm eindigend(model, zonderSjabloon, *dialogen, nullptr);
        eindigend.show();
        eindigend.close();
        QVERIFY(!eindigend.isVisible());
        QVERIFY(dialogen->vragen.empty());
    }

    // Shown modally, as the main window does: Cancel keeps exec() running, No ends it.
    void modaal() {
        Maak(MetRegels(1));
        dialogen->antwoorden = {Antwoord::Annuleren, Antwoord::Nee};
        bool modaalGetoond = false;
        bool bleefOpen = false;
        QTimer::singleShot(0, this, [&] {
            modaalGetoond = QApplication::activeModalWidget() == form.get();
            Klik("OKEnOvernemenButton");
            bleefOpen = form->isVisible();
            Klik("OKEnOvernemenButton");
        });
        // Should the window stay open after all, the test fails instead of waiting.
        QTimer::singleShot(10000, form.get(), [this] { form->hide(); });
        form->exec();
        QVERIFY(modaalGetoond);
        QVERIFY(bleefOpen);
        QCOMPARE(dialogen->vragen.size(), std::size_t(2));
        QVERIFY(dialogen->AllesGebruikt());
        QVERIFY(!form->isVisible());
    }

    // From the main window's menu on a fresh template: a rule composed, added, and saved through
    // the main window's Save As when the editor closes.
    void vanuitHetHoofdvenster() {
        Maak(MetRegels(0));
        form.reset();
        model = TFuzzyModel{};
        TBasisForm basis(model, *bestanden, *dialogen);
        QVERIFY(basis.FormCreate());
        basis.MaakVensters();
        venster = basis.RegelsForm();
        const QString project = Pad("nieuw.FLB");
        dialogen->antwoorden.push_back(Antwoord::Ja);
        dialogen->opTeSlaan.push_back(project.toStdString());
        bool modaalGetoond = false;
        QTimer::singleShot(0, this, [&] {
            modaalGetoond = QApplication::activeModalWidget() == venster;
            Kies("Koppel1ComboBox", 1);
            Kies("Variabele2ComboBox", 2);
            Klik("VoegToeKnop");
            Klik("OKEnOvernemenButton");
        });
        QTimer::singleShot(10000, venster, [this] { venster->hide(); });
        basis.findChild<QAction*>(QStringLiteral("RegelsMenukeuze"))->trigger();
        QVERIFY(modaalGetoond);
        QVERIFY(!venster->isVisible());
        QVERIFY(dialogen->meldingen.empty());
        QVERIFY(dialogen->AllesGebruikt());
        QCOMPARE(model.AantalRegels, 1);
        QCOMPARE(RegelTekst(model, 0), std::string("ALS Temp IS Koud DAN Kachel IS Laag"));
        QCOMPARE(RegelsOpSchijf(project), 1);
        QCOMPARE(bestanden->HuidigBestand(), project.toStdString());
    }
};

QTEST_MAIN(RegelsVensterTest)
#include "RegelsVensterTest.moc"
