// The main window under the offscreen platform: caption, menu, and the gates of the two windows
// that need a model.
#include <QAction>
#include <QApplication>
#include <QDialog>
#include <QMenu>
#include <QMenuBar>
#include <QMessageBox>
#include <QPushButton>
#include <QTimer>
#include <QtTest>

#include "app/Basis.h"
#include "model/Bestand.h"
#include "platform/QtDialogen.h"
#include "support/GescripteDialogen.h"
#include "support/MaakModel.h"
#include "support/Werkmap.h"

class BasisFormTest : public QObject {
    Q_OBJECT

  private:
    struct Opstelling {
        TWerkmap map;
        TFuzzyModel model{};
        TGescripteDialogen dialogen;
        TBestandsbeheer bestanden{model, dialogen};
        std::unique_ptr<TBasisForm> venster;

        explicit Opstelling(const std::string& sjabloon) {
            TWerkmap::Schrijf("sjabloon.fld", sjabloon);
            venster = std::make_unique<TBasisForm>(model, bestanden, dialogen);
        }
        QAction* Actie(const char* naam) { return venster->findChild<QAction*>(naam); }
    };

    // Which modal window the menu showed; closes it again at once.
    static QString ToonModaalVia(QAction* actie) {
        QString getoond;
        // A timer of this frame: when the menu opens nothing, it must not fire later, into a
        // frame that has returned.
        QTimer klok;
        klok.setSingleShot(true);
        QObject::connect(&klok, &QTimer::timeout, [&getoond]() {
            if (QWidget* w = QApplication::activeModalWidget()) {
                getoond = w->windowTitle();
                w->hide();
            }
        });
        klok.start(0);
        actie->trigger();
        return getoond;
    }

  private Q_SLOTS:
    void initTestCase() { QLocale::setDefault(QLocale::c()); }

    void captionFollowsTheCurrentFile() {
        Opstelling o("0,0,0,0,0,0,0");
        QVERIFY(o.venster->FormCreate());
        QCOMPARE(o.venster->windowTitle(), QStringLiteral("Nieuw Bestand"));
        const std::string pad = o.map.Bestand("oven.FLB");
        TWerkmap::Schrijf(pad, "0,1,0,0,0,0,1,Temp,0,0,40,0,0");
        o.dialogen.teOpenen.push_back(pad);
        o.Actie("Open1")->trigger();
        QCOMPARE(o.venster->windowTitle(), QString::fromStdString(pad));
        QCOMPARE(o.model.AantalVariabelen, 1);
    }

    void menuHoldsTheNineItems_data() {
        QTest::addColumn<QString>("naam");
        QTest::addColumn<QString>("tekst");
        QTest::addColumn<bool>("inMenubalk");
        QTest::newRow("File1") << "File1"
                               << "&Bestand" << true;
        QTest::newRow("New1") << "New1"
                              << "&Nieuw" << false;
        QTest::newRow("Open1") << "Open1"
                               << "&Open" << false;
        QTest::newRow("Save1") << "Save1"
                               << "&Opslaan" << false;
        QTest::newRow("Saveas1") << "Saveas1"
                                 << "&Opslaan als..." << false;
        QTest::newRow("Close1") << "Close1"
                                << "&Afsluiten" << false;
        QTest::newRow("Lidmaatschap") << "LidmaatschapsMenukeuze"
                                      << "&Lidmaatschapsfuncties" << true;
        QTest::newRow("Regels") << "RegelsMenukeuze"
                                << "&Regels" << true;
        QTest::newRow("Inferentie") << "InferentieMenukeuze"
                                    << "&Inferentie" << true;
    }

    void menuHoldsTheNineItems() {
        QFETCH(QString, naam);
        QFETCH(QString, tekst);
        QFETCH(bool, inMenubalk);
        Opstelling o("0,0,0,0,0,0,0");
        QAction* actie = o.venster->findChild<QAction*>(naam);
        QVERIFY(actie);
        QCOMPARE(actie->text(), tekst);
        QVERIFY(actie->isEnabled());
        QCOMPARE(o.venster->menuBar()->actions().contains(actie), inMenubalk);
    }

    void menuBarOrder() {
        Opstelling o("0,0,0,0,0,0,0");
        QStringList teksten;
        for (QAction* a : o.venster->menuBar()->actions()) teksten << a->text();
        QCOMPARE(teksten,
                 (QStringList{"&Bestand", "&Lidmaatschapsfuncties", "&Regels", "&Inferentie"}));
        QStringList bestand;
        for (QAction* a : o.Actie("File1")->menu()->actions()) bestand << a->text();
        QCOMPARE(bestand,
                 (QStringList{"&Nieuw", "&Open", "&Opslaan", "&Opslaan als...", "&Afsluiten"}));
    }

    void gatesRefuseWithTheirMessages_data() {
        QTest::addColumn<QString>("sjabloon");
        QTest::addColumn<QString>("menu");
        QTest::addColumn<QString>("melding");
        QTest::addColumn<QString>("venster");
        QTest::newRow("regelsZonderVariabelen")
            << "0,0,0,0,0,0,0"
            << "RegelsMenukeuze"
            << "Er zijn nog geen lidmaatschapsfuncties gedefinieerd"
            << "";
        QTest::newRow("regelsMetVariabele") << "0,1,0,0,0,0,0,A,0,0,1,0,0"
                                            << "RegelsMenukeuze"
                                            << ""
                                            << "Regels";
        QTest::newRow("inferentieZonderRegels") << "0,1,0,0,0,0,0,A,0,0,1,0,0"
                                                << "InferentieMenukeuze"
                                                << "Er zijn nog geen regels gedefinieerd"
                                                << "";
        QTest::newRow("inferentieMetRegel")
            << "0,1,1,1,0,0,0,A,0,0,1,1,0,a,0,0,1,1,B,1,0,1,1,0,b,0,0,1,1,2,0,0,2,1,0,0"
            << "InferentieMenukeuze"
            << ""
            << "Output";
        QTest::newRow("lidmaatschapAltijd") << "0,0,0,0,0,0,0"
                                            << "LidmaatschapsMenukeuze"
                                            << ""
                                            << "Lidmaatschapsfuncties";
    }

    void gatesRefuseWithTheirMessages() {
        QFETCH(QString, sjabloon);
        QFETCH(QString, menu);
        QFETCH(QString, melding);
        QFETCH(QString, venster);
        Opstelling o(sjabloon.toStdString());
        QVERIFY(o.venster->FormCreate());
        o.venster->MaakVensters();
        const QString getoond = ToonModaalVia(o.Actie(menu.toLatin1().constData()));
        QCOMPARE(getoond, venster);
        const std::vector<std::string> verwacht =
            melding.isEmpty() ? std::vector<std::string>{}
                              : std::vector<std::string>{melding.toStdString()};
        QVERIFY(o.dialogen.meldingen == verwacht);
    }

    void questionsSpeakDutch() {
        LaadNederlandseVertalingen();
        QMessageBox box(QMessageBox::NoIcon, "FUZZY LOGIC", "Huidige file bewaren ?",
                        QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel);
        QStringList teksten;
        for (auto knop : {QMessageBox::Yes, QMessageBox::No, QMessageBox::Cancel})
            teksten << box.button(knop)->text().remove('&');
        QCOMPARE(teksten, (QStringList{"Ja", "Nee", "Annuleren"}));
    }

    // Ending the program from inside a modal window: the window closes without its close
    // question and its exec() returns, so no handler goes on behind it.
    void endingTheProgramClosesTheModalWindow() {
        QDialog dialoog;
        TQtDialogen dialogen;
        QTimer::singleShot(0, [&dialogen]() { dialogen.Beeindig(); });
        dialoog.exec();
        QVERIFY(!dialoog.isVisible());
    }

    void exitAsksAndCancelKeepsTheWindow() {
        Opstelling o("0,0,0,0,0,0,0");
        QVERIFY(o.venster->FormCreate());
        o.venster->show();
        o.dialogen.antwoorden.push_back(Antwoord::Annuleren);
        o.Actie("Close1")->trigger();
        QVERIFY(o.venster->isVisible());
        o.dialogen.antwoorden.push_back(Antwoord::Nee);
        o.Actie("Close1")->trigger();
        QVERIFY(!o.venster->isVisible());
        QVERIFY(o.dialogen.vragen == std::vector<std::string>(2, "Huidige file bewaren ?"));
    }
};

QTEST_MAIN(BasisFormTest)
#include "BasisFormTest.moc"
