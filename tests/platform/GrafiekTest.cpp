// The chart helpers: the bottom axis range, its label step and labels, the left axis, and the
// shared chart view.
#include <QChart>
#include <QLineSeries>
#include <QTest>
#include <QValueAxis>
#include <cmath>

#include "platform/Grafiek.h"

class GrafiekTest : public QObject {
    Q_OBJECT
  private Q_SLOTS:
    void initTestCase() { QLocale::setDefault(QLocale::c()); }

    void asBereik_data() {
        QTest::addColumn<double>("vanLo");
        QTest::addColumn<double>("vanHi");
        QTest::addColumn<double>("lo");
        QTest::addColumn<double>("hi");
        QTest::newRow("geheel erboven") << 0.0 << 24.0 << 200.0 << 300.0;
        QTest::newRow("geheel eronder") << 200.0 << 300.0 << -50.0 << 50.0;
        QTest::newRow("overlappend") << 0.0 << 100.0 << -50.0 << 50.0;
        QTest::newRow("erbinnen") << -100.0 << 100.0 << -5.0 << 5.0;
        QTest::newRow("eromheen") << 10.0 << 20.0 << 0.0 << 1000.0;
        QTest::newRow("gelijk") << 0.0 << 100.0 << 0.0 << 100.0;
    }
    void asBereik() {
        QFETCH(double, vanLo);
        QFETCH(double, vanHi);
        QFETCH(double, lo);
        QFETCH(double, hi);
        QValueAxis as;
        as.setRange(vanLo, vanHi);
        ZetAsBereik(&as, lo, hi);
        QCOMPARE(as.min(), lo);
        QCOMPARE(as.max(), hi);
    }

    void asIndeling_data() {
        QTest::addColumn<double>("lo");
        QTest::addColumn<double>("hi");
        QTest::addColumn<double>("stap");
        QTest::newRow("0..3") << 0.0 << 3.0 << 0.5;
        QTest::newRow("0..5") << 0.0 << 5.0 << 0.5;
        QTest::newRow("0..7") << 0.0 << 7.0 << 1.0;
        QTest::newRow("0..24") << 0.0 << 24.0 << 2.5;
        QTest::newRow("3..24") << 3.0 << 24.0 << 2.5;
        QTest::newRow("0..100") << 0.0 << 100.0 << 10.0;
        QTest::newRow("-50..50") << -50.0 << 50.0 << 10.0;
        QTest::newRow("-7..13") << -7.0 << 13.0 << 2.5;
        QTest::newRow("0..1000") << 0.0 << 1000.0 << 100.0;
        QTest::newRow("0..240") << 0.0 << 240.0 << 25.0;
        QTest::newRow("leeg bereik") << 4.0 << 4.0 << 0.5;
    }
    void asIndeling() {
        QFETCH(double, lo);
        QFETCH(double, hi);
        QFETCH(double, stap);
        QValueAxis as;
        as.setRange(lo, hi);
        ZetAsIndeling(&as);
        QCOMPARE(as.tickType(), QValueAxis::TicksDynamic);
        QCOMPARE(as.tickInterval(), stap);
        QCOMPARE(std::fmod(as.tickInterval(), 0.5), 0.0);
        QVERIFY((hi - lo) / as.tickInterval() <= 10.0);
        QCOMPARE(as.minorTickCount(), 2);

        // Every label that the axis draws names its own position.
        int labels = 0;
        for (double x = as.tickAnchor(); x <= hi; x += as.tickInterval()) {
            if (x < lo) continue;
            const QString tekst = QString::asprintf(as.labelFormat().toLatin1().constData(), x);
            QVERIFY2(tekst.toDouble() == x, qPrintable(tekst + " bij " + QString::number(x)));
            ++labels;
        }
        QVERIFY(labels >= 1);
    }

    void hoogteAs() {
        QValueAxis as;
        as.setRange(-3, 17);
        ZetHoogteAs(&as);
        QCOMPARE(as.min(), 0.0);
        QCOMPARE(as.max(), 1.0);
        QCOMPARE(as.tickCount(), 11);
        QVERIFY(!as.labelsVisible());
    }

    void grafiekView() {
        TGrafiekView view;
        QChart* grafiek = view.chart();
        QVERIFY(!grafiek->legend()->isVisible());
        QCOMPARE(grafiek->plotAreaBackgroundBrush().color(), QColor(255, 255, 128));
        QVERIFY(grafiek->isPlotAreaBackgroundVisible());
        QCOMPARE(view.rubberBand(), QChartView::NoRubberBand);
        QCOMPARE(grafiek->axes(Qt::Horizontal), QList<QAbstractAxis*>{view.OnderAs()});
        QCOMPARE(grafiek->axes(Qt::Vertical), QList<QAbstractAxis*>{view.HoogteAs()});
        QCOMPARE(view.OnderAs()->min(), 0.0);
        QCOMPARE(view.OnderAs()->max(), 24.0);

        auto* eerste = new QLineSeries();
        auto* tweede = new QLineSeries();
        view.VoegSerieToe(eerste);
        view.VoegSerieToe(tweede);
        QCOMPARE(grafiek->series(), (QList<QAbstractSeries*>{eerste, tweede}));
        for (QAbstractSeries* s : grafiek->series())
            QCOMPARE(s->attachedAxes(), (QList<QAbstractAxis*>{view.OnderAs(), view.HoogteAs()}));
    }
};

QTEST_MAIN(GrafiekTest)
#include "GrafiekTest.moc"
