// A shown chart whose bottom axis moves from a narrow range far from zero to a range that starts
// at zero: between the two steps of the move the axis must never span the whole distance with the
// old, fine label step, or the chart lays out millions of ticks and the window hangs. The
// membership editor does exactly this when the user switches from a variable 99999998..99999999 to
// one of 0..1.
#include <QChart>
#include <QElapsedTimer>
#include <QTest>
#include <QValueAxis>

#include "platform/Grafiek.h"

class AsBereikTest : public QObject {
    Q_OBJECT
  private Q_SLOTS:
    void initTestCase() { QLocale::setDefault(QLocale::c()); }

    void verVanNulNaarRondNul_data() {
        QTest::addColumn<double>("vanLo");
        QTest::addColumn<double>("vanHi");
        QTest::addColumn<double>("lo");
        QTest::addColumn<double>("hi");
        QTest::newRow("hoogNaarNul") << 99999998.0 << 99999999.0 << 0.0 << 1.0;
        QTest::newRow("laagNaarNul") << -99999999.0 << -99999998.0 << 0.0 << 1.0;
        QTest::newRow("nulNaarHoog") << 0.0 << 1.0 << 99999998.0 << 99999999.0;
        QTest::newRow("leegBereikHoog") << 99999999.0 << 99999999.0 << 0.0 << 1.0;
        QTest::newRow("volle32Bit") << 0.0 << 1.0 << -2147483648.0 << 2147483647.0;
    }
    void verVanNulNaarRondNul() {
        QFETCH(double, vanLo);
        QFETCH(double, vanHi);
        QFETCH(double, lo);
        QFETCH(double, hi);
        TGrafiekView view;
        view.resize(400, 240);
        view.show();
        QVERIFY(QTest::qWaitForWindowExposed(&view));
        ZetAsBereik(view.OnderAs(), vanLo, vanHi);
        QElapsedTimer klok;
        klok.start();
        ZetAsBereik(view.OnderAs(), lo, hi);
        QCoreApplication::processEvents();
        QCOMPARE(view.OnderAs()->min(), lo);
        QCOMPARE(view.OnderAs()->max(), hi);
        QVERIFY2(klok.elapsed() < 2000, qPrintable(QString::number(klok.elapsed()) + " ms"));
    }
};

QTEST_MAIN(AsBereikTest)
#include "AsBereikTest.moc"
