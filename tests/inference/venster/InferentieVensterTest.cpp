// The window "Output" driven through its widgets on small models: activation, the three states,
// the fired-rule list, both charts and the outcome.
#include <QAreaSeries>
#include <QChart>
#include <QChartView>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QLineSeries>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QSpinBox>
#include <QTest>
#include <QValueAxis>
#include <memory>

#include "inference/Evaluatie.h"
#include "inference/Inferentie.h"
#include "support/MaakModel.h"

namespace {

// Temp (0) and Vocht (2) are inputs around the output Kachel (1), so binding must skip it.
// At the minimum of both inputs rules 2 and 5 fire, at Temp 15 rules 2, 4 and 5, at Temp 40 rule 4.
MaakModel Basis(int kachelLabels = 3) {
    MaakModel m;
    m.Input("Temp", 0, 40).Label("Koud", -10, 0, 10, 20).Label("Warm", 10, 20, 40, 50);
    m.Output("Kachel", 0, 100);
    if (kachelLabels > 0) m.Label("Laag", 0, 0, 20, 50);
    if (kachelLabels > 1) m.Label("Midden", 20, 50, 50, 80);
    if (kachelLabels > 2) m.Label("Hoog", 50, 80, 100, 100);
    m.Input("Vocht", 0, 100).Label("Droog", -10, 0, 30, 60).Label("Nat", 40, 70, 100, 110);
    return m;
}

MaakModel MetRegels(MaakModel m) {
    return m.Regel({{0, 1, KoppelEN}, {2, 1, KoppelDAN}, {1, 0, KoppelGeen}})
        .Regel({{0, 0, KoppelDAN}, {1, 2, KoppelGeen}})
        .Regel({{2, 1, KoppelDAN}, {1, 1, KoppelGeen}})
        .Regel({{0, 1, KoppelDAN}, {1, 0, KoppelGeen}})
        .Regel({{0, 0, KoppelEN}, {2, 0, KoppelDAN}, {1, 1, KoppelGeen}});
}

// Only rules that need Vocht IS Nat: nothing fires at the minimum.
TFuzzyModel AlleenNat() {
    return Basis()
        .Regel({{0, 1, KoppelEN}, {2, 1, KoppelDAN}, {1, 0, KoppelGeen}})
        .Regel({{2, 1, KoppelDAN}, {1, 1, KoppelGeen}});
}

// The engine's own evaluation of the model at the given inputs, for comparison.
TInferentieToestand Evalueer(const TFuzzyModel& model, const QList<int>& waarden) {
    TInferentieToestand t{};
    KoppelInputs(model, t);
    for (int k = 0; k < waarden.size(); ++k) ZetInputWaarde(t, k, waarden[k]);
    FuzzificeerInputs(model, t);
    EvalueerRegels(model, t);
    return t;
}

QList<QPointF> Trapezium(const TFuzzyLabel& l) {
    return {{double(l.A), 0.0}, {double(l.B), 1.0}, {double(l.C), 1.0}, {double(l.D), 0.0}};
}

QList<QPointF> Punten(const TRegelResultaat& res) {
    QList<QPointF> p;
    for (const TPunt& punt : res.Punten) p.append({punt.X, punt.Y});
    return p;
}

QList<QPointF> PuntenVan(QAbstractSeries* serie) {
    if (auto* vlak = qobject_cast<QAreaSeries*>(serie)) return vlak->upperSeries()->points();
    return static_cast<QLineSeries*>(serie)->points();
}

// The model outlives the window that holds a reference to it.
struct Venster {
    explicit Venster(const TFuzzyModel& m) : model(m) {
        form = std::make_unique<TInferentieForm>(model, nullptr);
    }
    template <typename T>
    T* W(const QString& naam) const {
        T* w = form->findChild<T*>(naam);
        if (!w) qFatal("no widget %s", qPrintable(naam));
        return w;
    }
    QLabel* Label(const QString& n) const { return W<QLabel>(n); }
    QSpinBox* Spin(int n) const {
        return W<QSpinBox>(QStringLiteral("CSpinEditVariabele%1").arg(n));
    }
    QListWidget* Lijst() const { return W<QListWidget>(QStringLiteral("OutputRegelsListBox")); }
    QChart* Grafiek(const char* n) const { return W<QChartView>(QString::fromLatin1(n))->chart(); }
    QLineEdit* Uitkomst() const { return W<QLineEdit>(QStringLiteral("UitkomstEdit")); }
    QRadioButton* Mom() const { return W<QRadioButton>(QStringLiteral("MOMRadioButton")); }
    QRadioButton* Cog() const { return W<QRadioButton>(QStringLiteral("COGRadioButton")); }
    QComboBox* Implicatie() const { return W<QComboBox>(QStringLiteral("ImplicatieComboBox")); }

    void Evalueer() const { QTest::mouseClick(W<QPushButton>("OutputButton"), Qt::LeftButton); }
    void KlikRegel(int regel) const {
        QListWidget* lijst = Lijst();
        QTest::mouseClick(lijst->viewport(), Qt::LeftButton, {},
                          lijst->visualItemRect(lijst->item(regel)).center());
    }
    QStringList Regels() const {
        QStringList r;
        for (int i = 0; i < Lijst()->count(); ++i) r << Lijst()->item(i)->text();
        return r;
    }
    // The results that every change must hide.
    QList<QWidget*> Resultaten() const {
        return {Label("RegelsDieVurenLabel"),
                Lijst(),
                W<QChartView>("RegelOutputChart"),
                W<QChartView>("TotaleOutputChart"),
                Label("OutputLabel"),
                Uitkomst()};
    }
    QStringList ZichtbareResultaten() const {
        QStringList r;
        for (QWidget* w : Resultaten())
            if (w->isVisible()) r << w->objectName();
        return r;
    }
    QStringList ZichtbareSeries() const {
        QStringList r;
        for (QAbstractSeries* s : Grafiek("TotaleOutputChart")->series())
            if (s->isVisible()) r << s->objectName();
        return r;
    }

    TFuzzyModel model;
    std::unique_ptr<TInferentieForm> form;
};

const QStringList AlleResultaten = {"RegelsDieVurenLabel", "OutputRegelsListBox",
                                    "RegelOutputChart",    "TotaleOutputChart",
                                    "OutputLabel",         "UitkomstEdit"};

}  // namespace

class InferentieVensterTest : public QObject {
    Q_OBJECT
  private Q_SLOTS:
    void initTestCase() { QLocale::setDefault(QLocale::c()); }

    void activatieBindtAlleenDeInputs() {
        TFuzzyModel m = MetRegels(Basis());
        m.VariabeleLijst[0].Min = 5;  // a Min other than a spin box's own start value
        Venster v(m);
        QCOMPARE(v.Grafiek("RegelOutputChart")->title(),
                 QStringLiteral("Output van gekozen regel"));
        v.form->show();

        QCOMPARE(v.Label("Variabele1Label")->text(),
                 QStringLiteral("Kies een gefuzzificeerde waarde voor Temp :"));
        QCOMPARE(v.Label("Variabele2Label")->text(),
                 QStringLiteral("Kies een gefuzzificeerde waarde voor Vocht :"));
        for (int n = 1; n <= 5; ++n) {
            const bool gebonden = n <= 2;
            QCOMPARE(v.Label(QStringLiteral("Variabele%1Label").arg(n))->isVisible(), gebonden);
            QCOMPARE(v.Spin(n)->isVisible(), gebonden);
        }
        QCOMPARE(v.Spin(1)->minimum(), 5);
        QCOMPARE(v.Spin(1)->maximum(), 40);
        QCOMPARE(v.Spin(1)->value(), 5);
        QCOMPARE(v.Spin(2)->minimum(), 0);
        QCOMPARE(v.Spin(2)->maximum(), 100);
        QCOMPARE(v.ZichtbareResultaten(), QStringList());

        // Another value during this visit; the next visit starts at Min again, in the spin edit
        // and in the evaluation (Temp 30 would fire rule 4, Temp 5 fires rules 2 and 5).
        v.Spin(1)->setValue(30);
        v.Spin(2)->setValue(80);
        v.form->hide();
        v.form->show();
        QCOMPARE(v.Spin(1)->value(), 5);
        QCOMPARE(v.Spin(2)->value(), 0);
        v.Evalueer();
        QCOMPARE(v.Regels().size(), 2);
        QVERIFY(v.Regels()[0].startsWith(QStringLiteral("Regel 2 : ")));

        // One input removed between visits: only row 1 is left.
        v.form->hide();
        v.model = MaakModel()
                      .Input("Druk", -10, 10)
                      .Label("Laag", -10, -10, 0, 5)
                      .Output("Klep", 0, 10)
                      .Label("Dicht", 0, 0, 2, 4)
                      .Regel({{0, 0, KoppelDAN}, {1, 0, KoppelGeen}});
        v.form->show();
        QCOMPARE(v.Label("Variabele1Label")->text(),
                 QStringLiteral("Kies een gefuzzificeerde waarde voor Druk :"));
        QCOMPARE(v.Spin(1)->value(), -10);
        QVERIFY(v.Spin(1)->isVisible());
        for (int n = 2; n <= 5; ++n) QVERIFY(!v.Spin(n)->isVisible());
        QVERIFY(!v.Label("Variabele2Label")->isVisible());
    }

    void activatieToontDeMethodenEnSchrijftNiets_data() {
        QTest::addColumn<int>("implicatie");
        QTest::addColumn<int>("defuzzificatie");
        QTest::addColumn<int>("gekozen");
        QTest::addColumn<bool>("mom");
        QTest::addColumn<bool>("cog");
        QTest::newRow("Ra, maxima") << 0 << 0 << 0 << true << false;
        QTest::newRow("Rc, zwaartepunt") << 2 << 1 << 2 << false << true;
        QTest::newRow("geen keuze, onbekende methode") << -1 << 7 << -1 << false << false;
        QTest::newRow("implicatie buiten de lijst") << 5 << 1 << -1 << false << true;
    }
    void activatieToontDeMethodenEnSchrijftNiets() {
        QFETCH(int, implicatie);
        QFETCH(int, defuzzificatie);
        QFETCH(int, gekozen);
        QFETCH(bool, mom);
        QFETCH(bool, cog);
        const TFuzzyModel voor = MetRegels(Basis()).Methoden(implicatie, defuzzificatie);
        Venster v(voor);
        for (int bezoek = 0; bezoek < 2; ++bezoek) {
            v.form->show();
            QCOMPARE(v.Implicatie()->currentIndex(), gekozen);
            QCOMPARE(v.Mom()->isChecked(), mom);
            QCOMPARE(v.Cog()->isChecked(), cog);
            QVERIFY(v.model == voor);
            // Other marks and another choice during this visit must not survive into the next.
            QTest::mouseClick(mom ? v.Cog() : v.Mom(), Qt::LeftButton);
            v.Implicatie()->setFocus();
            QTest::keyClick(v.Implicatie(), gekozen == 2 ? Qt::Key_Up : Qt::Key_Down);
            QVERIFY(!(v.model == voor));
            v.form->hide();
            v.model = voor;
        }
    }

    void methodeKnoppenZijnExclusief() {
        Venster v(MetRegels(Basis()).Methoden(0, 7));
        v.form->show();
        QVERIFY(!v.Mom()->isChecked() && !v.Cog()->isChecked());

        QTest::mouseClick(v.Mom(), Qt::LeftButton);
        QCOMPARE(v.model.DefuzzificatieMethode, 0);
        QVERIFY(v.Mom()->isChecked() && !v.Cog()->isChecked());
        // A click on the checked button keeps its mark.
        QTest::mouseClick(v.Mom(), Qt::LeftButton);
        QCOMPARE(v.model.DefuzzificatieMethode, 0);
        QVERIFY(v.Mom()->isChecked() && !v.Cog()->isChecked());

        QTest::mouseClick(v.Cog(), Qt::LeftButton);
        QCOMPARE(v.model.DefuzzificatieMethode, 1);
        QVERIFY(!v.Mom()->isChecked() && v.Cog()->isChecked());

        // The implication: the user's choice goes into the model at once.
        v.Implicatie()->setFocus();
        QTest::keyClick(v.Implicatie(), Qt::Key_Down);
        QCOMPARE(v.Implicatie()->currentIndex(), 1);
        QCOMPARE(v.model.ImplicatieMethode, 1);
        QTest::keyClick(v.Implicatie(), Qt::Key_Down);
        QCOMPARE(v.model.ImplicatieMethode, 2);
        QCOMPARE(v.model.DefuzzificatieMethode, 1);
    }

    void evaluatieToontDeGevuurdeRegels() {
        Venster v(MetRegels(Basis()));
        v.form->show();
        v.Evalueer();

        QCOMPARE(v.ZichtbareResultaten(), AlleResultaten);
        QCOMPARE(v.Label("RegelsDieVurenLabel")->text(),
                 QStringLiteral("De volgende regels hebben gevuurd :"));
        QCOMPARE(
            v.Regels(),
            QStringList({"Regel 2 : ALS Temp IS Koud DAN Kachel IS Hoog",
                         "Regel 5 : ALS Temp IS Koud EN Vocht IS Droog DAN Kachel IS Midden"}));
        QCOMPARE(v.Lijst()->currentRow(), 0);
        QVERIFY(v.Lijst()->item(0)->isSelected());

        const TInferentieToestand motor = Evalueer(v.model, {0, 0});
        QChart* regel = v.Grafiek("RegelOutputChart");
        QCOMPARE(regel->title(), QStringLiteral("Bijdrage van regel 2 aan outputvariabele Kachel"));
        QCOMPARE(PuntenVan(regel->series()[0]), Trapezium(v.model.VariabeleLijst[1].Labels[2]));
        QCOMPARE(PuntenVan(regel->series()[1]), Punten(motor.RegelResultaten[1]));

        const QString uitkomst = v.Uitkomst()->text();
        QList<QList<QPointF>> totaal;
        for (QAbstractSeries* s : v.Grafiek("TotaleOutputChart")->series()) totaal << PuntenVan(s);

        v.KlikRegel(1);
        QCOMPARE(regel->title(), QStringLiteral("Bijdrage van regel 5 aan outputvariabele Kachel"));
        QCOMPARE(PuntenVan(regel->series()[0]), Trapezium(v.model.VariabeleLijst[1].Labels[1]));
        QCOMPARE(PuntenVan(regel->series()[1]), Punten(motor.RegelResultaten[4]));
        // Only the rule chart is redrawn.
        QCOMPARE(v.ZichtbareResultaten(), AlleResultaten);
        QCOMPARE(v.Uitkomst()->text(), uitkomst);
        for (int i = 0; i < totaal.size(); ++i)
            QCOMPARE(PuntenVan(v.Grafiek("TotaleOutputChart")->series()[i]), totaal[i]);

        // The arrow keys choose a line as well.
        QTest::keyClick(v.Lijst(), Qt::Key_Up);
        QCOMPARE(regel->title(), QStringLiteral("Bijdrage van regel 2 aan outputvariabele Kachel"));
    }

    void wijzigingVerbergtDeResultaten_data() {
        QTest::addColumn<QString>("wijziging");
        QTest::newRow("spin edit 1 een stap omhoog") << "spin1";
        QTest::newRow("spin edit 2 met de muis omhoog") << "spin2";
        QTest::newRow("andere implicatie") << "implicatie";
        QTest::newRow("andere methode") << "methode";
    }
    void wijzigingVerbergtDeResultaten() {
        QFETCH(QString, wijziging);
        Venster v(MetRegels(Basis()).Methoden(0, 0));
        v.form->show();
        v.Evalueer();
        QCOMPARE(v.ZichtbareResultaten(), AlleResultaten);

        if (wijziging == "spin1") {
            QTest::keyClick(v.Spin(1), Qt::Key_Up);
            QCOMPARE(v.Spin(1)->value(), 1);
        } else if (wijziging == "spin2") {
            QSpinBox* spin = v.Spin(2);
            // The up button sits in the upper right corner.
            QTest::mouseClick(spin, Qt::LeftButton, {}, QPoint(spin->width() - 4, 4));
            QCOMPARE(spin->value(), 1);
        } else if (wijziging == "implicatie") {
            QTest::keyClick(v.Implicatie(), Qt::Key_Down);
            QCOMPARE(v.model.ImplicatieMethode, 1);
        } else {
            QTest::mouseClick(v.Cog(), Qt::LeftButton);
            QCOMPARE(v.model.DefuzzificatieMethode, 1);
        }
        QCOMPARE(v.ZichtbareResultaten(), QStringList());

        v.Evalueer();
        QCOMPARE(v.ZichtbareResultaten(), AlleResultaten);
    }

    void uitkomstIsDieVanDeMotor_data() {
        QTest::addColumn<int>("methode");
        QTest::addColumn<int>("temp");
        QTest::addColumn<int>("vocht");
        for (int methode : {0, 1})
            for (auto [temp, vocht] : {std::pair{0, 0}, {15, 0}, {15, 90}, {40, 100}, {7, 35}})
                QTest::addRow("methode %d, Temp %d, Vocht %d", methode, temp, vocht)
                    << methode << temp << vocht;
    }
    void uitkomstIsDieVanDeMotor() {
        QFETCH(int, methode);
        QFETCH(int, temp);
        QFETCH(int, vocht);
        Venster v(MetRegels(Basis()).Methoden(1, methode));
        v.form->show();
        v.Spin(1)->setValue(temp);
        v.Spin(2)->setValue(vocht);
        v.Evalueer();

        const TInferentieToestand motor = Evalueer(v.model, {temp, vocht});
        QVERIFY(motor.ErIsGevuurd);
        QCOMPARE(v.Uitkomst()->text(), QString::number(BerekenUitkomst(v.model, motor)));
        QCOMPARE(v.Label("OutputLabel")->text(), QStringLiteral("Uitkomst van variabele Kachel :"));
        QStringList verwacht;
        for (int r = 0; r < v.model.AantalRegels; ++r)
            if (motor.RegelResultaten[r].Gevuurd)
                verwacht << QStringLiteral("Regel %1 : ").arg(r + 1);
        QStringList getoond;
        for (const QString& regel : v.Regels()) getoond << regel.left(verwacht.value(0).size());
        QCOMPARE(getoond, verwacht);
    }

    void methodeBereiktDeUitkomst() {
        // At the minimum both methods give different numbers; the radio buttons must reach them.
        Venster v(MetRegels(Basis()).Methoden(0, 0));
        v.form->show();
        v.Evalueer();
        const QString maxima = v.Uitkomst()->text();
        QTest::mouseClick(v.Cog(), Qt::LeftButton);
        v.Evalueer();
        QCOMPARE(maxima, QStringLiteral("75"));
        QVERIFY(v.Uitkomst()->text() != maxima);
        QCOMPARE(v.Uitkomst()->text(),
                 QString::number(BerekenUitkomst(v.model, Evalueer(v.model, {0, 0}))));
    }

    void totaleGrafiekToontAlleenDezeEvaluatie_data() {
        QTest::addColumn<int>("labels");
        QTest::addColumn<int>("temp");
        QTest::addColumn<QStringList>("series");
        QTest::newRow("drie labels, Temp 40")
            << 3 << 40 << QStringList{"LineSeries2", "Series2", "Series3", "Series7"};
        QTest::newRow("drie labels, Temp 15")
            << 3 << 15
            << QStringList{"LineSeries2", "Series2", "Series3", "Series5", "Series7", "Series8"};
        QTest::newRow("twee labels, Temp 0")
            << 2 << 0 << QStringList{"LineSeries2", "Series2", "Series8"};
        QTest::newRow("een label, Temp 40") << 1 << 40 << QStringList{"LineSeries2", "Series7"};
    }
    void totaleGrafiekToontAlleenDezeEvaluatie() {
        QFETCH(int, labels);
        QFETCH(int, temp);
        QFETCH(QStringList, series);
        Venster v(MetRegels(Basis(labels)));
        v.form->show();
        // A previous evaluation at other values: rules 2 and 5 as far as their labels exist.
        v.Spin(1)->setValue(temp == 0 ? 40 : 0);
        v.Evalueer();
        v.Spin(1)->setValue(temp);
        v.Evalueer();

        QCOMPARE(v.ZichtbareSeries(), series);
        const QList<QAbstractSeries*> alle = v.Grafiek("TotaleOutputChart")->series();
        QCOMPARE(alle.size(), 13);
        const TVariabele& kachel = v.model.VariabeleLijst[1];
        for (int j = 0; j < labels; ++j) QCOMPARE(PuntenVan(alle[j]), Trapezium(kachel.Labels[j]));
        const TInferentieToestand motor = Evalueer(v.model, {temp, 0});
        for (int r = 0; r < v.model.AantalRegels; ++r)
            if (motor.RegelResultaten[r].Gevuurd)
                QCOMPARE(PuntenVan(alle[r + 3]), Punten(motor.RegelResultaten[r]));
    }

    void onderAsVolgtHetBereikVanDeOutput_data() {
        QTest::addColumn<int>("eerstLo");
        QTest::addColumn<int>("eerstHi");
        QTest::addColumn<int>("lo");
        QTest::addColumn<int>("hi");
        QTest::newRow("0..100 dan -50..50") << 0 << 100 << -50 << 50;
        QTest::newRow("0..100 dan 200..300") << 0 << 100 << 200 << 300;
        QTest::newRow("200..300 dan 0..100") << 200 << 300 << 0 << 100;
        QTest::newRow("-50..50 dan -300..-200") << -50 << 50 << -300 << -200;
    }
    void onderAsVolgtHetBereikVanDeOutput() {
        QFETCH(int, eerstLo);
        QFETCH(int, eerstHi);
        QFETCH(int, lo);
        QFETCH(int, hi);
        auto metBereik = [](int a, int b) {
            const int d = b - a;
            return MaakModel()
                .Input("Temp", 0, 40)
                .Label("Koud", -10, 0, 10, 20)
                .Output("Kachel", a, b)
                .Label("Laag", a, a, a + d / 5, a + d / 2)
                .Label("Hoog", a + d / 2, a + 4 * d / 5, b, b)
                .Regel({{0, 0, KoppelDAN}, {1, 0, KoppelGeen}})
                .Regel({{0, 0, KoppelDAN}, {1, 1, KoppelGeen}})
                .Model();
        };
        Venster v(metBereik(eerstLo, eerstHi));
        v.form->show();
        v.Evalueer();
        v.form->hide();
        v.model = metBereik(lo, hi);
        v.form->show();
        v.Evalueer();

        for (const char* naam : {"RegelOutputChart", "TotaleOutputChart"}) {
            auto* as = qobject_cast<QValueAxis*>(v.Grafiek(naam)->axes(Qt::Horizontal).value(0));
            QVERIFY(as);
            QCOMPARE(as->min(), double(lo));
            QCOMPARE(as->max(), double(hi));
        }
    }

    void geenRegelGevuurd() {
        Venster v(AlleenNat());
        v.form->show();
        v.Evalueer();
        QCOMPARE(v.ZichtbareResultaten(), QStringList{"RegelsDieVurenLabel"});
        QCOMPARE(v.Label("RegelsDieVurenLabel")->text(),
                 QStringLiteral("Er heeft geen regel gevuurd"));

        // Fired, then back to an input where nothing fires: nothing of the fired state stays.
        v.Spin(2)->setValue(100);
        v.Evalueer();
        QCOMPARE(v.Regels(), QStringList{"Regel 2 : ALS Vocht IS Nat DAN Kachel IS Midden"});
        QCOMPARE(v.ZichtbareResultaten(), AlleResultaten);
        v.Spin(2)->setValue(0);
        QCOMPARE(v.ZichtbareResultaten(), QStringList());
        for (int keer = 0; keer < 2; ++keer) {
            v.Evalueer();
            QCOMPARE(v.ZichtbareResultaten(), QStringList{"RegelsDieVurenLabel"});
            QCOMPARE(v.Label("RegelsDieVurenLabel")->text(),
                     QStringLiteral("Er heeft geen regel gevuurd"));
        }
    }

    void regelZonderOutputvariabele() {
        // A file may hold a rule that concludes on an input; the model then has no output to draw.
        Venster v(MaakModel()
                      .Input("Temp", 0, 40)
                      .Label("Koud", -10, 0, 10, 20)
                      .Input("Klep", 0, 10)
                      .Label("Dicht", 0, 0, 2, 4)
                      .Regel({{0, 0, KoppelDAN}, {1, 0, KoppelGeen}}));
        v.form->show();
        v.Evalueer();
        QCOMPARE(v.ZichtbareResultaten(), AlleResultaten);
        QCOMPARE(v.Grafiek("RegelOutputChart")->title(),
                 QStringLiteral("Bijdrage van regel 1 aan outputvariabele Klep"));
        QCOMPARE(v.ZichtbareSeries(), QStringList{"Series4"});
        QCOMPARE(v.Label("OutputLabel")->text(), QStringLiteral("Uitkomst van variabele  :"));
        QCOMPARE(v.Uitkomst()->text(),
                 QString::number(BerekenUitkomst(v.model, Evalueer(v.model, {0, 0}))));
    }

    void bijschriftenPassen() {
        // The widest names the model holds, in every caption that shows one.
        const std::string breed(MaxNaamLengte, 'W');
        TFuzzyModel m = MaakModel()
                            .Input(breed, 0, 10)
                            .Label(breed, -1, 0, 5, 10)
                            .Output(breed.substr(0, 9) + "M", 0, 10)
                            .Label(breed, 0, 0, 5, 10)
                            .Regel({{0, 0, KoppelDAN}, {1, 0, KoppelGeen}});
        Venster v(m);
        v.form->show();
        v.Evalueer();
        QCOMPARE(v.form->minimumSize(), QSize(817, 603));
        QCOMPARE(v.form->maximumSize(), QSize(817, 603));

        // Each caption keeps left of the control beside it and inside its own box.
        const struct {
            const char* naam;
            int rechts;
        } labels[] = {{"Variabele1Label", 448},
                      {"ImplicatieLabel", 744},
                      {"DefuzzificzatieLabel", 817},
                      {"RegelsDieVurenLabel", 817},
                      {"OutputLabel", 752}};
        for (const auto& l : labels) {
            QLabel* label = v.Label(QString::fromLatin1(l.naam));
            QVERIFY2(label->geometry().right() < l.rechts, l.naam);
            QVERIFY2(label->sizeHint().width() <= label->width(), l.naam);
            QVERIFY2(label->sizeHint().height() <= label->height(), l.naam);
        }
        QVERIFY(v.Label("RegelsDieVurenLabel")->geometry().bottom() < 160);
        QVERIFY(v.Label("OutputLabel")->geometry().bottom() < 603);
        for (const char* naam : {"MOMRadioButton", "COGRadioButton", "OutputButton"}) {
            auto* knop = v.W<QAbstractButton>(QString::fromLatin1(naam));
            QVERIFY2(knop->sizeHint().width() <= knop->width(), naam);
        }
        QCOMPARE(v.Lijst()->visualItemRect(v.Lijst()->item(0)).height(), 16);
        QVERIFY(v.Lijst()->fontMetrics().height() <= 16);
    }
};

QTEST_MAIN(InferentieVensterTest)
#include "InferentieVensterTest.moc"
