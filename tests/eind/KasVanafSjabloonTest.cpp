// The workbench end to end, as a new user meets it: from an empty template the shipped greenhouse
// example is built through the real controls of the membership editor and the rule editor, saved
// when each editor closes, read again after New and Open, and evaluated in the inference window.
// The saved file must equal the shipped one byte for byte, and every evaluation must be the
// engine's own on the same model.
#include <QAbstractButton>
#include <QAction>
#include <QApplication>
#include <QChart>
#include <QChartView>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QLineSeries>
#include <QListWidget>
#include <QRadioButton>
#include <QSpinBox>
#include <QStyle>
#include <QStyleOptionSpinBox>
#include <QTest>
#include <QTimer>
#include <QValueAxis>
#include <functional>
#include <memory>

#include "app/Basis.h"
#include "app/Bestandsbeheer.h"
#include "inference/Evaluatie.h"
#include "inference/Inferentie.h"
#include "membership/Lidmaatschap.h"
#include "model/Bestand.h"
#include "platform/Tekens.h"
#include "rules/RegelTekst.h"
#include "rules/Regels.h"
#include "support/GescripteDialogen.h"
#include "support/Werkmap.h"

// A step of the scenario: once a check has failed, the steps after it would only act on a window
// in the wrong state.
#define STAP(stap)                              \
    do {                                        \
        stap;                                   \
        if (QTest::currentTestFailed()) return; \
    } while (0)

namespace {

QString Tekst(const TNaam& naam) { return NaarQString(std::string_view(naam)); }

// Project texts as QString, so that a failing comparison shows both.
QString Inhoud(const std::string& tekst) { return QString::fromLatin1(tekst); }
QString Bestand(const std::string& pad) { return Inhoud(TWerkmap::Lees(pad)); }

template <typename T>
T* Kind(QWidget* venster, const QString& naam) {
    T* w = venster->findChild<T*>(naam);
    if (!w) qFatal("geen element %s in %s", qPrintable(naam), qPrintable(venster->objectName()));
    return w;
}

// What a user can do: only with a control that is shown and enabled.
void Klik(QWidget* venster, const QString& naam) {
    auto* knop = Kind<QAbstractButton>(venster, naam);
    QVERIFY2(knop->isVisible() && knop->isEnabled(), qPrintable(naam));
    QTest::mouseClick(knop, Qt::LeftButton);
}

void Kies(QWidget* venster, const QString& naam, int index) {
    auto* box = Kind<QComboBox>(venster, naam);
    QVERIFY2(box->isVisible() && box->isEnabled(), qPrintable(naam));
    QVERIFY2(index >= 0 && index < box->count(), qPrintable(naam));
    box->setCurrentIndex(index);
    Q_EMIT box->activated(index);
}

// The middle of a spin edit's up or down button, where the style puts it.
QPoint Knop(QSpinBox* spin, bool omhoog) {
    QStyleOptionSpinBox optie;
    optie.initFrom(spin);
    optie.rect = spin->rect();
    optie.subControls = QStyle::SC_All;
    optie.frame = spin->hasFrame();
    optie.buttonSymbols = spin->buttonSymbols();
    return spin->style()
        ->subControlRect(QStyle::CC_SpinBox, &optie,
                         omhoog ? QStyle::SC_SpinBoxUp : QStyle::SC_SpinBoxDown, spin)
        .center();
}

// One click on the spin button per step; a step the window refuses leaves the value where it
// was, and that is a failure here.
void StapNaar(QWidget* venster, const QString& naam, int doel) {
    auto* spin = Kind<QSpinBox>(venster, naam);
    QVERIFY2(spin->isVisible() && spin->isEnabled(), qPrintable(naam));
    while (spin->value() != doel) {
        const int voor = spin->value();
        QTest::mouseClick(spin, Qt::LeftButton, {}, Knop(spin, doel > voor));
        QVERIFY2(spin->value() == voor + (doel > voor ? 1 : -1),
                 qPrintable(naam + QStringLiteral(" zet geen stap van ") + QString::number(voor)));
    }
}

// Shows a modal window through a menu action and runs `stappen` on it inside its own event loop.
// Returns the window that was shown; a window the steps left open is closed, and fails the test.
QWidget* Modaal(QAction* actie, const std::function<void(QWidget*)>& stappen) {
    QWidget* getoond = nullptr;
    // Owned here, so that a window that never showed leaves no timer behind for the next one.
    QTimer wachter;
    wachter.setSingleShot(true);
    QObject::connect(&wachter, &QTimer::timeout, [&] {
        getoond = QApplication::activeModalWidget();
        if (!getoond) return;
        try {
            stappen(getoond);
        } catch (const std::exception& fout) {
            QTest::qFail(fout.what(), __FILE__, __LINE__);
        }
        if (getoond->isVisible()) {
            if (!QTest::currentTestFailed())
                QTest::qFail("het venster bleef open", __FILE__, __LINE__);
            getoond->hide();
        }
    });
    wachter.start(0);
    actie->trigger();
    return getoond;
}

// The project text with another defuzzification method in its seventh header field.
std::string MetMethode(std::string tekst, int methode) {
    std::size_t begin = 0;
    for (int veld = 0; veld < 6; ++veld) begin = tekst.find(',', begin) + 1;
    const std::size_t eind = tekst.find(',', begin);
    if (begin == 0 || eind == std::string::npos) return "<geen kop>";
    return tekst.replace(begin, eind - begin, std::to_string(methode));
}

// The variables and labels of `doel`, each created with the buttons and the input box, its range
// and points stepped from where a new variable and a new label start.
void BouwVariabelen(QWidget* w, const TFuzzyModel& doel, TGescripteDialogen& dialogen) {
    auto* chart = Kind<QChartView>(w, QStringLiteral("MembershipChart"))->chart();
    for (int v = 0; v < doel.AantalVariabelen; ++v) {
        const TVariabele& var = doel.VariabeleLijst[v];
        dialogen.namen.push_back(var.Naam);
        STAP(Klik(w, QStringLiteral("NieuweVariabeleButton")));
        QCOMPARE(Kind<QComboBox>(w, QStringLiteral("VariabeleComboBox"))->currentText(),
                 Tekst(var.Naam));
        if (var.IsOutput == 1) STAP(Klik(w, QStringLiteral("OutputRadioButton")));
        QCOMPARE(Kind<QRadioButton>(w, QStringLiteral("InputRadioButton"))->isChecked(),
                 var.IsOutput == 0);
        QCOMPARE(Kind<QRadioButton>(w, QStringLiteral("OutputRadioButton"))->isChecked(),
                 var.IsOutput == 1);

        // A new variable has 0 .. 1; the bound that moves away from the other goes first.
        const int max = Kind<QSpinBox>(w, QStringLiteral("MaxCSpinEdit"))->value();
        if (var.Min < max) {
            STAP(StapNaar(w, QStringLiteral("MinCSpinEdit"), var.Min));
            STAP(StapNaar(w, QStringLiteral("MaxCSpinEdit"), var.Max));
        } else {
            STAP(StapNaar(w, QStringLiteral("MaxCSpinEdit"), var.Max));
            STAP(StapNaar(w, QStringLiteral("MinCSpinEdit"), var.Min));
        }

        for (int j = 0; j < var.AantalLabels; ++j) {
            const TFuzzyLabel& label = var.Labels[j];
            dialogen.namen.push_back(label.Naam);
            STAP(Klik(w, QStringLiteral("NieuweLabelButton")));
            QCOMPARE(Kind<QComboBox>(w, QStringLiteral("LabelComboBox"))->currentText(),
                     Tekst(label.Naam));
            // A new label stands at Min: it is widened from the right.
            STAP(StapNaar(w, QStringLiteral("D_CSpinEdit"), label.D));
            STAP(StapNaar(w, QStringLiteral("C_CSpinEdit"), label.C));
            STAP(StapNaar(w, QStringLiteral("B_CSpinEdit"), label.B));
            STAP(StapNaar(w, QStringLiteral("A_CSpinEdit"), label.A));
        }

        // The chart spans the variable's range and draws each of its labels as a trapezoid.
        auto* as = qobject_cast<QValueAxis*>(chart->axes(Qt::Horizontal).value(0));
        QVERIFY(as);
        QCOMPARE(as->min(), double(var.Min));
        QCOMPARE(as->max(), double(var.Max));
        for (int j = 0; j < var.AantalLabels; ++j) {
            const TFuzzyLabel& l = var.Labels[j];
            auto* serie = qobject_cast<QLineSeries*>(chart->series().value(j));
            QVERIFY(serie && serie->isVisible());
            QCOMPARE(serie->name(), Tekst(l.Naam));
            QCOMPARE(serie->points(), (QList<QPointF>{{double(l.A), 0.0},
                                                      {double(l.B), 1.0},
                                                      {double(l.C), 1.0},
                                                      {double(l.D), 0.0}}));
        }
    }
    QCOMPARE(dialogen.meldingen, std::vector<std::string>{});
}

// The rules of `doel`, each composed row by row in the six rows and added with "Voeg toe".
void BouwRegels(QWidget* w, const TFuzzyModel& doel, TGescripteDialogen& dialogen) {
    auto* lijst = Kind<QListWidget>(w, QStringLiteral("RegelsListBox"));
    for (int r = 0; r < doel.AantalRegels; ++r) {
        const TRegel& regel = doel.RegelLijst[r];
        const int n = regel.AantalTermen;
        QVERIFY(n >= 2 && n <= MaxTermen);
        for (int t = 0; t < n; ++t) {
            const TRegelTerm& term = regel.Termen[t];
            STAP(Kies(w, QStringLiteral("Variabele%1ComboBox").arg(t + 1), term.Variabele));
            STAP(Kies(w, QStringLiteral("Label%1ComboBox").arg(t + 1), term.Label));
            if (t < n - 1) {
                // The connector box after the row holds "EN", "DAN" (and the empty item).
                QVERIFY(term.Koppel >= KoppelEN && term.Koppel <= KoppelLeeg);
                STAP(Kies(w, QStringLiteral("Koppel%1ComboBox").arg(t + 1), term.Koppel - 1));
            } else {
                QCOMPARE(int(term.Koppel), int(KoppelGeen));
            }
        }
        STAP(Klik(w, QStringLiteral("VoegToeKnop")));
        QCOMPARE(dialogen.meldingen, std::vector<std::string>{});
        QCOMPARE(lijst->count(), r + 1);
        QCOMPARE(lijst->item(r)->text(), NaarQString(RegelTekst(doel, r)));
        QCOMPARE(lijst->currentRow(), r);
        QCOMPARE(Kind<QLineEdit>(w, QStringLiteral("RegelAanduidingEdit"))->text(),
                 QString::number(r + 1));
    }
}

// One evaluation in the open inference window, checked against the engine on the shipped model
// with the method the window shows, and against the rules worked out by hand.
struct TGeval {
    int temp, vocht, wind;
    QList<int> gevuurd;  // rule numbers as the list shows them
    int mom, cog;        // the outcome by mean of maxima and by centre of gravity
};

void Evalueer(QWidget* w, const TFuzzyModel& kas, const TGeval& geval, int methode) {
    STAP(Klik(w,
              methode == 0 ? QStringLiteral("MOMRadioButton") : QStringLiteral("COGRadioButton")));
    STAP(Klik(w, QStringLiteral("OutputButton")));

    TFuzzyModel model = kas;
    model.DefuzzificatieMethode = methode;
    TInferentieToestand motor{};
    QCOMPARE(KoppelInputs(model, motor), 3);
    const int waarden[] = {geval.temp, geval.vocht, geval.wind};
    for (int k = 0; k < 3; ++k) ZetInputWaarde(motor, k, waarden[k]);
    FuzzificeerInputs(model, motor);
    EvalueerRegels(model, motor);

    QStringList verwacht;
    QList<int> nummers;
    for (int r = 0; r < model.AantalRegels; ++r)
        if (motor.RegelResultaten[r].Gevuurd) {
            verwacht << QStringLiteral("Regel %1 : ").arg(r + 1) +
                            NaarQString(RegelTekst(model, r));
            nummers << r + 1;
        }
    QCOMPARE(nummers, geval.gevuurd);

    auto* label = Kind<QLabel>(w, QStringLiteral("RegelsDieVurenLabel"));
    auto* lijst = Kind<QListWidget>(w, QStringLiteral("OutputRegelsListBox"));
    auto* uitkomst = Kind<QLineEdit>(w, QStringLiteral("UitkomstEdit"));
    QVERIFY(label->isVisible());
    if (!motor.ErIsGevuurd) {
        QCOMPARE(label->text(), QStringLiteral("Er heeft geen regel gevuurd"));
        QVERIFY(!lijst->isVisible());
        QVERIFY(!uitkomst->isVisible());
        return;
    }
    QCOMPARE(label->text(), QStringLiteral("De volgende regels hebben gevuurd :"));
    QStringList getoond;
    for (int k = 0; k < lijst->count(); ++k) getoond << lijst->item(k)->text();
    QCOMPARE(getoond, verwacht);
    QVERIFY(uitkomst->isVisible());
    QCOMPARE(uitkomst->text(), QString::number(BerekenUitkomst(model, motor)));
    QCOMPARE(uitkomst->text(), QString::number(methode == 0 ? geval.mom : geval.cog));
    QCOMPARE(Kind<QLabel>(w, QStringLiteral("OutputLabel"))->text(),
             QStringLiteral("Uitkomst van variabele Raam :"));
    // The total chart: the three labels of Raam and one area per fired rule, in rule order.
    const QList<QAbstractSeries*> totaal =
        Kind<QChartView>(w, QStringLiteral("TotaleOutputChart"))->chart()->series();
    QList<int> getekend;
    for (int s = 0; s < totaal.size(); ++s)
        if (totaal[s]->isVisible()) getekend << s;
    QList<int> verwachtGetekend{0, 1, 2};
    for (int nummer : nummers) verwachtGetekend << nummer + 2;
    QCOMPARE(getekend, verwachtGetekend);

    // Each line of the list shows its own rule in the rule chart.
    auto* regelGrafiek = Kind<QChartView>(w, QStringLiteral("RegelOutputChart"))->chart();
    for (int k = 0; k < lijst->count(); ++k) {
        QTest::mouseClick(lijst->viewport(), Qt::LeftButton, {},
                          lijst->visualItemRect(lijst->item(k)).center());
        QCOMPARE(regelGrafiek->title(),
                 QStringLiteral("Bijdrage van regel %1 aan outputvariabele Raam").arg(nummers[k]));
    }
}

}  // namespace

class KasVanafSjabloonTest : public QObject {
    Q_OBJECT

  private Q_SLOTS:
    void initTestCase() { QLocale::setDefault(QLocale::c()); }

    void nieuweGebruikerBouwtDeKas() {
        const std::string kasTekst = TWerkmap::Lees(WERKBANK_BRON "/voorbeelden/kas.FLB");
        TFuzzyModel kas{};
        QVERIFY(LeesBestand(kas, kasTekst));
        QCOMPARE(kas.AantalVariabelen, 4);
        QCOMPARE(kas.AantalRegels, 9);
        QCOMPARE(kas.DefuzzificatieMethode, 1);

        TWerkmap map;
        TWerkmap::Schrijf("sjabloon.fld", "0,0,0,0,0,0,0");
        const std::string project = map.Bestand("kas.FLB");
        TFuzzyModel model{};
        TGescripteDialogen dialogen;
        TBestandsbeheer bestanden(model, dialogen);
        TBasisForm basis(model, bestanden, dialogen);
        QVERIFY(basis.FormCreate());
        basis.MaakVensters();
        basis.show();
        QCOMPARE(basis.windowTitle(), QStringLiteral("Nieuw Bestand"));
        auto actie = [&basis](const char* naam) {
            auto* a = basis.findChild<QAction*>(QString::fromLatin1(naam));
            if (!a) qFatal("geen menukeuze %s", naam);
            return a;
        };

        // The variables, saved through Save As when the editor closes.
        dialogen.antwoorden.push_back(Antwoord::Ja);
        dialogen.opTeSlaan.push_back(project);
        QWidget* getoond = Modaal(actie("LidmaatschapsMenukeuze"), [&](QWidget* w) {
            STAP(BouwVariabelen(w, kas, dialogen));
            STAP(Klik(w, QStringLiteral("OKEnAfsluitenButton")));
        });
        if (QTest::currentTestFailed()) return;
        QCOMPARE(getoond, static_cast<QWidget*>(basis.LidmaatschapForm()));
        QVERIFY(dialogen.AllesGebruikt());
        QCOMPARE(dialogen.opslaanVoorstellen, std::vector<std::string>{""});
        QCOMPARE(basis.windowTitle(), QString::fromStdString(project));
        TFuzzyModel zonderRegels = kas;
        zonderRegels.AantalRegels = 0;
        zonderRegels.DefuzzificatieMethode = 0;
        QCOMPARE(Bestand(project), Inhoud(SchrijfBestand(zonderRegels)));

        // The rules, saved to the current file when the editor closes.
        dialogen.antwoorden.push_back(Antwoord::Ja);
        getoond = Modaal(actie("RegelsMenukeuze"), [&](QWidget* w) {
            STAP(BouwRegels(w, kas, dialogen));
            STAP(Klik(w, QStringLiteral("OKEnOvernemenButton")));
        });
        if (QTest::currentTestFailed()) return;
        QCOMPARE(getoond, static_cast<QWidget*>(basis.RegelsForm()));
        QVERIFY(dialogen.AllesGebruikt());
        // Everything but the method, which only the inference window sets.
        QCOMPARE(Bestand(project), Inhoud(MetMethode(kasTekst, 0)));

        // New asks about the current file; Open then reads it back.
        dialogen.antwoorden.push_back(Antwoord::Nee);
        actie("New1")->trigger();
        QCOMPARE(model.AantalVariabelen, 0);
        QCOMPARE(model.AantalRegels, 0);
        QCOMPARE(basis.windowTitle(), QStringLiteral("Nieuw Bestand"));
        dialogen.teOpenen.push_back(project);
        actie("Open1")->trigger();
        QVERIFY(dialogen.AllesGebruikt());
        QCOMPARE(basis.windowTitle(), QString::fromStdString(project));
        QCOMPARE(Inhoud(SchrijfBestand(model)), Inhoud(MetMethode(kasTekst, 0)));

        // Worked out by hand from the labels of kas.FLB.
        const TGeval gevallen[] = {
            {0, 0, 0, {}, 0, 0},  // every foot is open at 0: nothing fires
            {30, 90, 5, {1, 2, 9}, 97, 83},
            {20, 70, 6, {4, 5}, 5, 28},
            {15, 55, 20, {5, 7}, 5, 11},
        };
        getoond = Modaal(actie("InferentieMenukeuze"), [&](QWidget* w) {
            const char* const namen[] = {"Temp", "Vocht", "Wind"};
            for (int k = 1; k <= MaxInputs; ++k) {
                auto* spin = Kind<QSpinBox>(w, QStringLiteral("CSpinEditVariabele%1").arg(k));
                QCOMPARE(spin->isVisible(), k <= 3);
                if (k > 3) continue;
                QCOMPARE(Kind<QLabel>(w, QStringLiteral("Variabele%1Label").arg(k))->text(),
                         QStringLiteral("Kies een gefuzzificeerde waarde voor %1 :")
                             .arg(QLatin1String(namen[k - 1])));
                QCOMPARE(spin->value(), 0);
            }
            QVERIFY(Kind<QRadioButton>(w, QStringLiteral("MOMRadioButton"))->isChecked());
            for (const TGeval& geval : gevallen) {
                STAP(StapNaar(w, QStringLiteral("CSpinEditVariabele1"), geval.temp));
                STAP(StapNaar(w, QStringLiteral("CSpinEditVariabele2"), geval.vocht));
                STAP(StapNaar(w, QStringLiteral("CSpinEditVariabele3"), geval.wind));
                // The shipped example is evaluated by centre of gravity, so that comes last.
                STAP(Evalueer(w, kas, geval, 0));
                STAP(Evalueer(w, kas, geval, 1));
            }
            w->close();
        });
        if (QTest::currentTestFailed()) return;
        QCOMPARE(getoond, static_cast<QWidget*>(basis.InferentieForm()));
        QCOMPARE(model.DefuzzificatieMethode, 1);

        // Saving now writes the shipped example exactly.
        actie("Save1")->trigger();
        QCOMPARE(Bestand(project), Inhoud(kasTekst));
        QCOMPARE(dialogen.vragen,
                 (std::vector<std::string>{"Wijzigingen opslaan ?", "Wijzigingen opslaan ?",
                                           "Huidige file bewaren ?"}));
        QCOMPARE(dialogen.meldingen, std::vector<std::string>{});
        QVERIFY(dialogen.AllesGebruikt());
        // The template and the project; no backup, since Save As wrote a new file.
        QCOMPARE(TWerkmap::AantalBestanden(map.Pad()), 2);
    }
};

QTEST_MAIN(KasVanafSjabloonTest)
#include "KasVanafSjabloonTest.moc"
