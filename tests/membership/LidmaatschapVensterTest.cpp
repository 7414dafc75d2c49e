// The membership editor under the offscreen platform: its real widgets found by name, the model
// behind them, the chart's series, and every way of closing with the three answers.
#include <QApplication>
#include <QChart>
#include <QChartView>
#include <QComboBox>
#include <QFile>
#include <QInputDialog>
#include <QLegend>
#include <QLegendMarker>
#include <QLineSeries>
#include <QMessageBox>
#include <QPushButton>
#include <QRadioButton>
#include <QSpinBox>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <QValueAxis>
#include <memory>

#include "app/Bestandsbeheer.h"
#include "membership/Lidmaatschap.h"
#include "model/Bestand.h"
#include "platform/QtDialogen.h"
#include "platform/Tekens.h"
#include "support/GescripteDialogen.h"
#include "support/MaakModel.h"

namespace {

const QColor Groen(0, 128, 0);
const QColor Rood(255, 0, 0);
const QColor Blauw(0, 0, 255);

// A window over its own model, dialogues and file commands; the template lives in a fresh folder.
struct TOpstelling {
    explicit TOpstelling(const TFuzzyModel& begin, TDialogen* andereDialogen = nullptr)
        : model(begin),
          sjabloon(map.filePath(QStringLiteral("sjabloon.fld")).toStdString()),
          bestanden(model, andereDialogen ? *andereDialogen : dialogen, sjabloon),
          venster(model, bestanden, andereDialogen ? *andereDialogen : dialogen, nullptr) {
        SchrijfTekst(sjabloon, "0,0,0,0,0,0,0");
    }

    static void SchrijfTekst(const std::string& pad, const std::string& tekst) {
        QFile f(QString::fromStdString(pad));
        QVERIFY(f.open(QIODevice::WriteOnly));
        f.write(tekst.data(), static_cast<qint64>(tekst.size()));
    }
    static std::string LeesTekst(const std::string& pad) {
        QFile f(QString::fromStdString(pad));
        if (!f.open(QIODevice::ReadOnly)) return "<ontbreekt>";
        return f.readAll().toStdString();
    }

    // Writes `inhoud` as a project file and opens it through the open dialog, so that it is the
    // current file.
    std::string OpenBestand(const TFuzzyModel& inhoud) {
        const std::string pad = map.filePath(QStringLiteral("oven.FLB")).toStdString();
        SchrijfTekst(pad, SchrijfBestand(inhoud));
        dialogen.teOpenen.push_back(pad);
        if (!bestanden.BestandOpenen(false)) return "";
        return pad;
    }

    template <typename T>
    T* Kind(const char* naam) {
        T* w = venster.findChild<T*>(QString::fromLatin1(naam));
        if (!w) qFatal("no control %s", naam);
        return w;
    }
    QChart* Grafiek() { return Kind<QChartView>("MembershipChart")->chart(); }
    QLineSeries* Serie(int nummer) {
        for (QAbstractSeries* s : Grafiek()->series())
            if (s->objectName() == QStringLiteral("Series%1").arg(nummer))
                return qobject_cast<QLineSeries*>(s);
        qFatal("no series %d", nummer);
        return nullptr;
    }
    QValueAxis* AsX() {
        return qobject_cast<QValueAxis*>(Grafiek()->axes(Qt::Horizontal).value(0));
    }
    QStringList ZichtbareLegenda() {
        QStringList namen;
        for (QLegendMarker* m : Grafiek()->legend()->markers())
            if (m->isVisible()) namen << m->label();
        return namen;
    }
    QStringList Items(const char* naam) {
        QStringList items;
        QComboBox* c = Kind<QComboBox>(naam);
        for (int i = 0; i < c->count(); ++i) items << c->itemText(i);
        return items;
    }
    void Klik(const char* naam) { QTest::mouseClick(Kind<QAbstractButton>(naam), Qt::LeftButton); }
    void Kies(const char* naam, int index) {
        QComboBox* c = Kind<QComboBox>(naam);
        c->setCurrentIndex(index);
        Q_EMIT c->activated(index);
    }
    void Stap(const char* naam, Qt::Key toets) { QTest::keyClick(Kind<QSpinBox>(naam), toets); }
    int Waarde(const char* naam) { return Kind<QSpinBox>(naam)->value(); }
    bool Zichtbaar(const char* naam) { return Kind<QWidget>(naam)->isVisible(); }
    bool Aan(const char* naam) { return Kind<QWidget>(naam)->isEnabled(); }

    QTemporaryDir map;
    TFuzzyModel model;
    TGescripteDialogen dialogen;
    std::string sjabloon;
    TBestandsbeheer bestanden;
    TLidmaatschapForm venster;
};

QList<QPointF> Trapezium(int a, int b, int c, int d) {
    return {{double(a), 0.0}, {double(b), 1.0}, {double(c), 1.0}, {double(d), 0.0}};
}

TFuzzyModel DrieLabels() {
    return MaakModel()
        .Input("Temp", 0, 40)
        .Label("Koud", 0, 0, 10, 18)
        .Label("Lauw", 14, 19, 22, 27)
        .Label("Heet", 23, 30, 40, 40)
        .Output("Kachel", -5, 100)
        .Label("Uit", 0, 0, 0, 20);
}

const char* const BoundControls[] = {"MinLabel",         "MinCSpinEdit", "MaxLabel",
                                     "MaxCSpinEdit",     "TypeLabel",    "InputRadioButton",
                                     "OutputRadioButton"};
const char* const PuntControls[] = {"LabelComboBox", "A_Label",     "A_CSpinEdit",
                                    "B_Label",       "B_CSpinEdit", "C_Label",
                                    "C_CSpinEdit",   "D_Label",     "D_CSpinEdit"};

}  // namespace

class LidmaatschapVensterTest : public QObject {
    Q_OBJECT
  private Q_SLOTS:
    void initTestCase() { QLocale::setDefault(QLocale::c()); }

    void venster() {
        TOpstelling o(MaakModel().Model());
        QCOMPARE(o.venster.windowTitle(), QStringLiteral("Lidmaatschapsfuncties"));
        QCOMPARE(o.venster.size(), QSize(688, 545));
        QCOMPARE(o.venster.minimumSize(), o.venster.maximumSize());
        QCOMPARE(o.Kind<QWidget>("MembershipChart")->geometry(), QRect(0, 0, 688, 337));
        QCOMPARE(o.Grafiek()->title(), QStringLiteral("Lidmaatschapsfuncties"));
        QCOMPARE(o.Kind<QWidget>("LabelPanel")->geometry(), QRect(288, 344, 321, 193));
        QCOMPARE(o.Kind<QWidget>("D_CSpinEdit")->geometry(), QRect(48, 152, 121, 22));
        QCOMPARE(o.Kind<QWidget>("D_CSpinEdit")->parentWidget()->objectName(),
                 QStringLiteral("LabelPanel"));
        QCOMPARE(o.Kind<QPushButton>("OKEnAfsluitenButton")->text(), QStringLiteral("OK"));
        QCOMPARE(o.AsX()->min(), 0.0);
        QCOMPARE(o.AsX()->max(), 24.0);
        QCOMPARE(o.Waarde("MaxCSpinEdit"), 2);
        QVERIFY(!o.Kind<QComboBox>("VariabeleComboBox")->isEditable());
        QVERIFY(!o.Kind<QComboBox>("LabelComboBox")->isEditable());
        for (int n = 1; n <= 3; ++n) QVERIFY(!o.Serie(n)->pointsVisible());
        QCOMPARE(o.Serie(1)->pen().color(), Groen);
        QCOMPARE(o.Serie(2)->pen().color(), Rood);
        QCOMPARE(o.Serie(3)->pen().color(), Blauw);
    }

    void openenZonderVariabelen() {
        TOpstelling o(MaakModel().Model());
        o.venster.show();
        QVERIFY(o.Items("VariabeleComboBox").isEmpty());
        QVERIFY(o.Aan("NieuweVariabeleButton"));
        QVERIFY(!o.Aan("VerwijderVariabeleButton"));
        QVERIFY(!o.Aan("HernoemVariabeleButton"));
        for (const char* naam : BoundControls) QVERIFY2(!o.Zichtbaar(naam), naam);
        QVERIFY(!o.Zichtbaar("LabelPanel"));
        for (int n = 1; n <= 3; ++n) QVERIFY(!o.Serie(n)->isVisible());
        QVERIFY(o.ZichtbareLegenda().isEmpty());
        QVERIFY(o.Zichtbaar("MembershipChart"));
    }

    // Every showing starts at the first variable, whatever was selected before, and the axis
    // follows that variable.
    void openenToontEersteVariabeleMetLaatsteLabel() {
        TOpstelling o(DrieLabels());
        o.model.GekozenVariabele = 2;
        o.venster.show();
        o.Kies("VariabeleComboBox", 1);
        QCOMPARE(o.model.GekozenVariabele, 2);
        QCOMPARE(o.Waarde("MinCSpinEdit"), -5);
        QVERIFY(o.Kind<QRadioButton>("OutputRadioButton")->isChecked());
        o.venster.hide();
        o.venster.show();

        QCOMPARE(o.model.GekozenVariabele, 1);
        QCOMPARE(o.Items("VariabeleComboBox"), QStringList({"Temp", "Kachel"}));
        QCOMPARE(o.Kind<QComboBox>("VariabeleComboBox")->currentIndex(), 0);
        QCOMPARE(o.Items("LabelComboBox"), QStringList({"Koud", "Lauw", "Heet"}));
        QCOMPARE(o.Kind<QComboBox>("LabelComboBox")->currentIndex(), 2);
        QCOMPARE(o.Waarde("A_CSpinEdit"), 23);
        QCOMPARE(o.Waarde("B_CSpinEdit"), 30);
        QCOMPARE(o.Waarde("C_CSpinEdit"), 40);
        QCOMPARE(o.Waarde("D_CSpinEdit"), 40);
        QCOMPARE(o.Waarde("MinCSpinEdit"), 0);
        QCOMPARE(o.Waarde("MaxCSpinEdit"), 40);
        QVERIFY(o.Kind<QRadioButton>("InputRadioButton")->isChecked());
        QVERIFY(!o.Kind<QRadioButton>("OutputRadioButton")->isChecked());
        QCOMPARE(o.AsX()->min(), 0.0);
        QCOMPARE(o.AsX()->max(), 40.0);
        for (const char* naam : BoundControls) QVERIFY2(o.Zichtbaar(naam), naam);
        for (const char* naam : PuntControls) QVERIFY2(o.Zichtbaar(naam), naam);
        QVERIFY(!o.Aan("NieuweLabelButton"));
        QVERIFY(o.Aan("VerwijderLabelButton"));
        QVERIFY(o.Aan("HernoemLabelButton"));
        QCOMPARE(o.Serie(1)->points(), Trapezium(0, 0, 10, 18));
        QCOMPARE(o.Serie(2)->points(), Trapezium(14, 19, 22, 27));
        QCOMPARE(o.Serie(3)->points(), Trapezium(23, 30, 40, 40));
        for (int n = 1; n <= 3; ++n) QVERIFY(o.Serie(n)->isVisible());
        QCOMPARE(o.ZichtbareLegenda(), QStringList({"Koud", "Lauw", "Heet"}));
        QVERIFY(o.dialogen.meldingen.empty());
    }

    // The spin edits already show 0 and 2 before the first showing: the axis still moves from
    // its initial 0..24 to the variable's range.
    void asVolgtOokBijOngewijzigdeSpinEdits() {
        TOpstelling o(MaakModel().Input("Klein", 0, 2).Model());
        o.venster.show();
        QCOMPARE(o.AsX()->min(), 0.0);
        QCOMPARE(o.AsX()->max(), 2.0);
    }

    // Points out of order from a file are shown as they are, without a message.
    void puntenUitVolgordeGevenBijTonenGeenMelding() {
        TOpstelling o(MaakModel().Input("x", 10, 5).Label("rommel", 9, 3, 1, 20).Model());
        o.venster.show();
        QCOMPARE(o.Waarde("B_CSpinEdit"), 3);
        QCOMPARE(o.Serie(1)->points(), Trapezium(9, 3, 1, 20));
        QVERIFY(o.dialogen.meldingen.empty());
        // A real step on such a label gives every message of the failing checks.
        o.Stap("B_CSpinEdit", Qt::Key_Down);
        QCOMPARE(o.dialogen.meldingen,
                 std::vector<std::string>(
                     {"De waarde kan niet kleiner worden dan de minimum-waarde van de variabele",
                      "De waarde van b kan niet kleiner worden dan de waarde van a",
                      "De waarde van b kan niet groter worden dan de waarde van c"}));
        QCOMPARE(o.Waarde("B_CSpinEdit"), 3);
    }

    void variabeleEnLabelMaken() {
        TOpstelling o(MaakModel().Model());
        o.venster.show();
        o.dialogen.namen = {"Temp", "Koud"};

        o.Klik("NieuweVariabeleButton");
        QCOMPARE(o.Items("VariabeleComboBox"), QStringList({"Temp"}));
        QCOMPARE(o.Kind<QComboBox>("VariabeleComboBox")->currentIndex(), 0);
        QCOMPARE(o.Waarde("MinCSpinEdit"), 0);
        QCOMPARE(o.Waarde("MaxCSpinEdit"), 1);
        QCOMPARE(o.AsX()->min(), 0.0);
        QCOMPARE(o.AsX()->max(), 1.0);
        QVERIFY(o.Zichtbaar("LabelPanel"));
        QVERIFY(o.Aan("NieuweLabelButton"));
        QVERIFY(!o.Aan("VerwijderLabelButton"));
        QVERIFY(!o.Aan("HernoemLabelButton"));
        for (const char* naam : PuntControls) QVERIFY2(!o.Zichtbaar(naam), naam);
        QVERIFY(o.Kind<QRadioButton>("InputRadioButton")->isChecked());
        QVERIFY(!o.Kind<QRadioButton>("OutputRadioButton")->isChecked());
        QVERIFY(o.Aan("VerwijderVariabeleButton"));
        QVERIFY(o.Aan("HernoemVariabeleButton"));

        o.Klik("NieuweLabelButton");
        QCOMPARE(o.model.VariabeleLijst[0].AantalLabels, 1);
        QCOMPARE(o.Items("LabelComboBox"), QStringList({"Koud"}));
        for (const char* naam : PuntControls) QVERIFY2(o.Zichtbaar(naam), naam);
        QVERIFY(o.Serie(1)->isVisible());
        QCOMPARE(o.Serie(1)->points(), Trapezium(0, 0, 0, 0));
        QCOMPARE(o.ZichtbareLegenda(), QStringList({"Koud"}));

        // Widening from the right: D first, then B is held by C.
        o.Stap("D_CSpinEdit", Qt::Key_Up);
        QCOMPARE(o.model.VariabeleLijst[0].Labels[0].D, 1);
        QCOMPARE(o.Serie(1)->points(), Trapezium(0, 0, 0, 1));
        o.Stap("B_CSpinEdit", Qt::Key_Up);
        QCOMPARE(o.dialogen.meldingen,
                 std::vector<std::string>(
                     {"De waarde van b kan niet groter worden dan de waarde van c"}));
        QCOMPARE(o.Waarde("B_CSpinEdit"), 0);
        QCOMPARE(o.model.VariabeleLijst[0].Labels[0].B, 0);
        QVERIFY(o.dialogen.AllesGebruikt());
    }

    void zesVariabelenZetKnopUit() {
        TOpstelling o(MaakModel().Model());
        o.venster.show();
        o.dialogen.namen = {"a", "b", "c", "d", "e", "f"};
        for (int i = 0; i < 6; ++i) o.Klik("NieuweVariabeleButton");
        QCOMPARE(o.model.AantalVariabelen, 6);
        QVERIFY(!o.Aan("NieuweVariabeleButton"));
        QVERIFY(o.Kind<QRadioButton>("OutputRadioButton")->isChecked());
        QCOMPARE(o.Kind<QComboBox>("VariabeleComboBox")->currentIndex(), 5);
    }

    // A refused step puts the control back on the stored value, with one message.
    void weigeringZetBesturingTerug_data() {
        QTest::addColumn<QString>("besturing");
        QTest::addColumn<int>("toets");
        QTest::addColumn<int>("terug");
        QTest::addColumn<QString>("melding");
        QTest::newRow("Min boven punt")
            << "MinCSpinEdit" << int(Qt::Key_Up) << 0
            << "De minimum waarde kan niet groter zijn dan een punt in een label";
        QTest::newRow("Max onder punt") << "MaxCSpinEdit" << int(Qt::Key_Down) << 10
                                        << "De maximum waarde kan niet kleiner zijn dan een punt "
                                           "in een label";
        QTest::newRow("A onder Min") << "A_CSpinEdit" << int(Qt::Key_Down) << 0
                                     << "De waarde kan niet kleiner worden dan de minimum-waarde "
                                        "van de variabele";
        QTest::newRow("D boven Max") << "D_CSpinEdit" << int(Qt::Key_Up) << 10
                                     << "De waarde kan niet groter worden dan de maximum-waarde "
                                        "van de variabele";
        QTest::newRow("B boven C") << "B_CSpinEdit" << int(Qt::Key_Up) << 5
                                   << "De waarde van b kan niet groter worden dan de waarde van c";
    }
    void weigeringZetBesturingTerug() {
        QFETCH(QString, besturing);
        QFETCH(int, toets);
        QFETCH(int, terug);
        QFETCH(QString, melding);
        TOpstelling o(MaakModel().Input("x", 0, 10).Label("vol", 0, 5, 5, 10).Model());
        o.venster.show();
        const TFuzzyModel voor = o.model;
        const QByteArray naam = besturing.toLatin1();
        o.Stap(naam.constData(), static_cast<Qt::Key>(toets));
        QCOMPARE(o.dialogen.meldingen, std::vector<std::string>({melding.toStdString()}));
        QCOMPARE(o.Waarde(naam.constData()), terug);
        QVERIFY(o.model == voor);
        QCOMPARE(o.AsX()->max(), 10.0);
    }

    void grensAanpassenVerschuiftDeAs() {
        TOpstelling o(MaakModel().Input("x", 0, 10).Label("l", 2, 3, 4, 5).Model());
        o.venster.show();
        o.Stap("MaxCSpinEdit", Qt::Key_Up);
        o.Stap("MinCSpinEdit", Qt::Key_Down);
        QCOMPARE(o.model.VariabeleLijst[0].Max, 11);
        QCOMPARE(o.model.VariabeleLijst[0].Min, -1);
        QCOMPARE(o.AsX()->min(), -1.0);
        QCOMPARE(o.AsX()->max(), 11.0);
        QVERIFY(o.dialogen.meldingen.empty());
    }

    void soortKnoppen_data() {
        QTest::addColumn<QString>("knop");
        QTest::addColumn<bool>("metOutput");
        QTest::addColumn<bool>("wordtOutput");
        QTest::addColumn<QString>("melding");
        QTest::newRow("naar output") << "OutputRadioButton" << false << true << "";
        QTest::newRow("naar output terwijl er een is")
            << "OutputRadioButton" << true << false
            << "Het maximaal aantal outputvariabelen is bereikt";
        // In Qt a click on a checked button would uncheck it; the kind stays shown.
        QTest::newRow("input nogmaals") << "InputRadioButton" << false << false << "";
    }
    void soortKnoppen() {
        QFETCH(QString, knop);
        QFETCH(bool, metOutput);
        QFETCH(bool, wordtOutput);
        QFETCH(QString, melding);
        MaakModel m;
        m.Input("x", 0, 10);
        if (metOutput) m.Output("y", 0, 10);
        TOpstelling o(m.Model());
        o.venster.show();
        o.Klik(knop.toLatin1().constData());
        QCOMPARE(int(o.model.VariabeleLijst[0].IsOutput), wordtOutput ? 1 : 0);
        QCOMPARE(o.Kind<QRadioButton>("OutputRadioButton")->isChecked(), wordtOutput);
        QCOMPARE(o.Kind<QRadioButton>("InputRadioButton")->isChecked(), !wordtOutput);
        std::vector<std::string> verwacht;
        if (!melding.isEmpty()) verwacht.push_back(melding.toStdString());
        QCOMPARE(o.dialogen.meldingen, verwacht);
    }

    void hernoemen() {
        TOpstelling o(DrieLabels());
        o.venster.show();
        o.Kies("LabelComboBox", 1);
        o.dialogen.namen = {"Zacht", "Binnen"};
        o.Klik("HernoemLabelButton");
        QCOMPARE(o.Items("LabelComboBox"), QStringList({"Koud", "Zacht", "Heet"}));
        QCOMPARE(o.Kind<QComboBox>("LabelComboBox")->currentIndex(), 1);
        QCOMPARE(o.ZichtbareLegenda(), QStringList({"Koud", "Zacht", "Heet"}));
        o.Klik("HernoemVariabeleButton");
        QCOMPARE(o.Items("VariabeleComboBox"), QStringList({"Binnen", "Kachel"}));
        QCOMPARE(o.Kind<QComboBox>("VariabeleComboBox")->currentIndex(), 0);
        QCOMPARE(QString::fromStdString(o.dialogen.naamVragen[1].prompt),
                 QStringLiteral("Geef een nieuwe naam voor variabele Temp :"));
    }

    void middelsteLabelVerwijderen() {
        TOpstelling o(DrieLabels());
        o.venster.show();
        o.Kies("LabelComboBox", 1);
        QCOMPARE(o.Waarde("A_CSpinEdit"), 14);
        o.Klik("VerwijderLabelButton");

        QCOMPARE(o.Items("LabelComboBox"), QStringList({"Koud", "Heet"}));
        QCOMPARE(o.Kind<QComboBox>("LabelComboBox")->currentIndex(), 0);
        QCOMPARE(o.Waarde("A_CSpinEdit"), 0);
        QCOMPARE(o.Waarde("D_CSpinEdit"), 18);
        QVERIFY(o.Serie(1)->isVisible());
        QVERIFY(o.Serie(2)->isVisible());
        QVERIFY(!o.Serie(3)->isVisible());
        QCOMPARE(o.Serie(1)->pen().color(), Groen);
        QCOMPARE(o.Serie(2)->pen().color(), Rood);
        QCOMPARE(o.Serie(2)->points(), Trapezium(23, 30, 40, 40));
        QCOMPARE(o.ZichtbareLegenda(), QStringList({"Koud", "Heet"}));
        QVERIFY(o.Aan("NieuweLabelButton"));
    }

    void gebruiktLabelBlijftStaan() {
        TOpstelling o(DrieLabels());
        o.model.AantalRegels = 1;
        o.model.RegelLijst[0] = {2, {{0, 1, KoppelDAN}, {1, 0, KoppelGeen}}};
        o.venster.show();
        o.Kies("LabelComboBox", 1);
        const TFuzzyModel voor = o.model;
        o.Klik("VerwijderLabelButton");
        QCOMPARE(o.dialogen.meldingen,
                 std::vector<std::string>({"Dit label wordt o.a. gebruikt in regel 1, \r\n"
                                           "weggooien van dit label gaat niet"}));
        QVERIFY(o.model == voor);
        QCOMPARE(o.Items("LabelComboBox"), QStringList({"Koud", "Lauw", "Heet"}));
        QCOMPARE(o.Kind<QComboBox>("LabelComboBox")->currentIndex(), 1);
        for (int n = 1; n <= 3; ++n) QVERIFY(o.Serie(n)->isVisible());
    }

    void enigeVariabeleVerwijderen() {
        TOpstelling o(MaakModel().Input("Alleen", 0, 9).Label("l", 0, 1, 2, 3).Model());
        o.venster.show();
        QVERIFY(o.Serie(1)->isVisible());
        o.Klik("VerwijderVariabeleButton");
        QCOMPARE(o.model.AantalVariabelen, 0);
        QVERIFY(o.Items("VariabeleComboBox").isEmpty());
        QVERIFY(!o.Aan("VerwijderVariabeleButton"));
        QVERIFY(!o.Aan("HernoemVariabeleButton"));
        QVERIFY(o.Aan("NieuweVariabeleButton"));
        for (const char* naam : BoundControls) QVERIFY2(!o.Zichtbaar(naam), naam);
        QVERIFY(!o.Zichtbaar("LabelPanel"));
        QVERIFY(!o.Serie(1)->isVisible());
        QVERIFY(o.ZichtbareLegenda().isEmpty());
    }

    void gebruikteVariabeleBlijftStaan() {
        TOpstelling o(DrieLabels());
        o.model.AantalRegels = 1;
        o.model.RegelLijst[0] = {2, {{0, 0, KoppelDAN}, {1, 0, KoppelGeen}}};
        o.venster.show();
        o.Klik("VerwijderVariabeleButton");
        QCOMPARE(o.dialogen.meldingen,
                 std::vector<std::string>({"Deze variabele wordt o.a. gebruikt in regel 1, \r\n"
                                           "weggooien van deze variabele gaat niet"}));
        QCOMPARE(o.model.AantalVariabelen, 2);
        QCOMPARE(o.Items("VariabeleComboBox"), QStringList({"Temp", "Kachel"}));
    }

    // Every way of closing asks the question: Cancel stays, No closes.
    void sluitwegen_data() {
        QTest::addColumn<int>("weg");
        QTest::newRow("OK-knop") << 0;
        QTest::newRow("sluitvak") << 1;
        QTest::newRow("Escape") << 2;
    }
    void sluitwegen() {
        QFETCH(int, weg);
        TOpstelling o(DrieLabels());
        o.venster.show();
        auto sluit = [&] {
            if (weg == 0) o.Klik("OKEnAfsluitenButton");
            if (weg == 1) o.venster.close();
            if (weg == 2) QTest::keyClick(&o.venster, Qt::Key_Escape);
        };
        const TFuzzyModel getoond = o.model;
        o.dialogen.antwoorden = {Antwoord::Annuleren, Antwoord::Nee};
        sluit();
        QVERIFY(o.venster.isVisible());
        QVERIFY(o.model == getoond);
        sluit();
        QVERIFY(!o.venster.isVisible());
        QCOMPARE(o.dialogen.vragen,
                 std::vector<std::string>({"Wijzigingen opslaan ?", "Wijzigingen opslaan ?"}));
    }

    void jaSlaatOpEnSluit() {
        TOpstelling o(MaakModel().Model());
        const std::string pad = o.OpenBestand(DrieLabels());
        QVERIFY(!pad.empty());
        o.venster.show();
        o.dialogen.namen = {"Extra"};
        o.Klik("NieuweVariabeleButton");
        o.dialogen.antwoorden = {Antwoord::Ja};
        o.Klik("OKEnAfsluitenButton");
        QVERIFY(!o.venster.isVisible());
        QCOMPARE(TOpstelling::LeesTekst(pad), SchrijfBestand(o.model));
        QCOMPARE(o.model.AantalVariabelen, 3);
    }

    // No throws away what every window changed since the last save, by reading the file again.
    void neeLeestHetBestandOpnieuw() {
        TOpstelling o(MaakModel().Model());
        const std::string pad = o.OpenBestand(DrieLabels());
        QVERIFY(!pad.empty());
        o.venster.show();
        o.dialogen.namen = {"Extra"};
        o.Klik("NieuweVariabeleButton");
        o.Stap("MaxCSpinEdit", Qt::Key_Up);
        o.model.ImplicatieMethode = 2;  // as the inference window would
        // The file changed on disk meanwhile: what is read is the file, not a copy in memory.
        TFuzzyModel opSchijf = DrieLabels();
        opSchijf.VariabeleLijst[1].Max = 77;
        TOpstelling::SchrijfTekst(pad, SchrijfBestand(opSchijf));

        o.dialogen.antwoorden = {Antwoord::Nee};
        o.Klik("OKEnAfsluitenButton");
        QVERIFY(!o.venster.isVisible());
        QCOMPARE(SchrijfBestand(o.model), SchrijfBestand(opSchijf));
        QCOMPARE(o.bestanden.HuidigBestand(), pad);
    }

    void neeZonderBestandLeestHetSjabloon() {
        TOpstelling o(MaakModel().Model());
        TOpstelling::SchrijfTekst(o.sjabloon, SchrijfBestand(DrieLabels()));
        QVERIFY(o.bestanden.FormCreate());
        o.venster.show();
        o.Klik("VerwijderVariabeleButton");
        QCOMPARE(o.model.AantalVariabelen, 1);
        o.dialogen.antwoorden = {Antwoord::Nee};
        o.Klik("OKEnAfsluitenButton");
        QVERIFY(!o.venster.isVisible());
        QCOMPARE(SchrijfBestand(o.model), SchrijfBestand(DrieLabels()));
    }

    void mislukteOpslagHoudtHetVensterOpen() {
        TOpstelling o(MaakModel().Model());
        const std::string pad = o.OpenBestand(DrieLabels());
        o.venster.show();
        o.dialogen.namen = {"Extra"};
        o.Klik("NieuweVariabeleButton");
        const TFuzzyModel bewerkt = o.model;
        o.bestanden.Schrijf = [](int, const void*, std::size_t) -> ssize_t { return -1; };
        o.dialogen.antwoorden = {Antwoord::Ja};
        o.Klik("OKEnAfsluitenButton");
        QVERIFY(o.venster.isVisible());
        QCOMPARE(o.dialogen.meldingen.size(), std::size_t{1});
        QVERIFY(o.model == bewerkt);
        QCOMPARE(TOpstelling::LeesTekst(pad), SchrijfBestand(DrieLabels()));
    }

    void opslaanAlsGeannuleerdSluit() {
        TOpstelling o(DrieLabels());
        o.venster.show();
        const TFuzzyModel getoond = o.model;
        o.dialogen.antwoorden = {Antwoord::Ja};
        o.dialogen.opTeSlaan = {std::nullopt};
        o.Klik("OKEnAfsluitenButton");
        QVERIFY(!o.venster.isVisible());
        QVERIFY(o.dialogen.meldingen.empty());
        QVERIFY(o.model == getoond);
    }

    // Once the program has been told to end, closing asks nothing.
    void beeindigdSluitZonderVraag() {
        TOpstelling o(MaakModel().Model());
        const std::string pad = o.OpenBestand(DrieLabels());
        o.venster.show();
        QVERIFY(QFile::remove(QString::fromStdString(pad)));
        QVERIFY(!o.bestanden.BestandOpenen(true));
        QVERIFY(o.bestanden.Beeindigd());
        o.venster.close();
        QVERIFY(!o.venster.isVisible());
        QVERIFY(o.dialogen.vragen.empty());
    }

    // The real input box: a character outside Windows-1252 reaches the core as a character the
    // name check refuses, not as a '?'.
    void invoervakTekensBuitenWindows1252_data() {
        QTest::addColumn<QString>("getypt");
        QTest::addColumn<QString>("melding");
        QTest::addColumn<QByteArray>("opgeslagen");
        const QString geweigerd =
            QStringLiteral("Een naam mag geen komma, spatie of bijzonder teken bevatten");
        QTest::newRow("Griekse letter")
            << QStringLiteral("\u03A9mega") << geweigerd << QByteArray();
        QTest::newRow("buiten het BMP")
            << QStringLiteral("a\U0001F600") << geweigerd << QByteArray();
        QTest::newRow("Windows-1252")
            << QStringLiteral("Caf\u00E9\u20AC") << QString() << QByteArray("Caf\xE9\x80");
        QTest::newRow("na tien tekens")
            << QStringLiteral("abcdefghij\u03A9") << QString() << QByteArray("abcdefghij");
    }
    void invoervakTekensBuitenWindows1252() {
        QFETCH(QString, getypt);
        QFETCH(QString, melding);
        QFETCH(QByteArray, opgeslagen);
        TQtDialogen qt;
        TOpstelling o(MaakModel().Model(), &qt);
        o.venster.show();
        QStringList getoond;
        QTimer bediener;
        bediener.setInterval(5);
        connect(&bediener, &QTimer::timeout, [&] {
            QWidget* w = QApplication::activeModalWidget();
            if (auto* invoer = qobject_cast<QInputDialog*>(w)) {
                invoer->setTextValue(getypt);
                invoer->accept();
            } else if (auto* box = qobject_cast<QMessageBox*>(w)) {
                getoond << box->text();
                box->accept();
            }
        });
        bediener.start();
        o.Klik("NieuweVariabeleButton");
        bediener.stop();
        if (melding.isEmpty()) {
            QVERIFY(getoond.isEmpty());
            QCOMPARE(o.model.AantalVariabelen, 1);
            QCOMPARE(QByteArray(o.model.VariabeleLijst[0].Naam), opgeslagen);
        } else {
            QCOMPARE(getoond, QStringList({melding}));
            QCOMPARE(o.model.AantalVariabelen, 0);
        }
    }
};

QTEST_MAIN(LidmaatschapVensterTest)
#include "LidmaatschapVensterTest.moc"
