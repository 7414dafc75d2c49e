// The integer spin edit: no limits of its own, only single steps by buttons and arrow keys, a text
// nobody can type into, and a change signal exactly when the shown value changes.
#include <QLineEdit>
#include <QSignalSpy>
#include <QTest>
#include <QWheelEvent>
#include <limits>

#include "platform/SpinEdit.h"

namespace {

QList<int> Waarden(const QSignalSpy& spy) {
    QList<int> w;
    for (const QList<QVariant>& signaal : spy) w << signaal.at(0).toInt();
    return w;
}

}  // namespace

class SpinEditTest : public QObject {
    Q_OBJECT
  private Q_SLOTS:
    void initTestCase() { QLocale::setDefault(QLocale::c()); }

    void geenEigenGrenzen() {
        TSpinEdit spin;
        QCOMPARE(spin.minimum(), std::numeric_limits<int>::min());
        QCOMPARE(spin.maximum(), std::numeric_limits<int>::max());
        QCOMPARE(spin.value(), 0);
        QCOMPARE(spin.singleStep(), 1);
        // Values a plain spin box would clamp to 0..99.
        spin.setValue(-2500);
        QCOMPARE(spin.value(), -2500);
        spin.setValue(1000000);
        QCOMPARE(spin.value(), 1000000);
    }

    void gebruiker_data() {
        QTest::addColumn<QString>("handeling");
        QTest::addColumn<int>("start");
        QTest::addColumn<QList<int>>("signalen");
        QTest::newRow("pijl omhoog") << "omhoog" << 5 << QList<int>{6};
        QTest::newRow("pijl omlaag") << "omlaag" << 5 << QList<int>{4};
        QTest::newRow("pijl omhoog op het maximum") << "omhoog" << 10 << QList<int>{};
        QTest::newRow("pijl omlaag op het minimum") << "omlaag" << 0 << QList<int>{};
        QTest::newRow("knop omhoog") << "knop omhoog" << 5 << QList<int>{6};
        QTest::newRow("knop omlaag") << "knop omlaag" << 5 << QList<int>{4};
        QTest::newRow("cijfers typen") << "typen" << 5 << QList<int>{};
        QTest::newRow("wissen") << "wissen" << 5 << QList<int>{};
        QTest::newRow("pagina omhoog") << "pagina" << 5 << QList<int>{};
        QTest::newRow("muiswiel") << "wiel" << 5 << QList<int>{};
    }
    void gebruiker() {
        QFETCH(QString, handeling);
        QFETCH(int, start);
        QFETCH(QList<int>, signalen);
        TSpinEdit spin;
        spin.setRange(0, 10);
        spin.setValue(start);
        spin.resize(49, 22);
        spin.show();
        QVERIFY(QTest::qWaitForWindowExposed(&spin));
        spin.setFocus();
        QSignalSpy spy(&spin, &QSpinBox::valueChanged);

        if (handeling == "omhoog") {
            QTest::keyClick(&spin, Qt::Key_Up);
        } else if (handeling == "omlaag") {
            QTest::keyClick(&spin, Qt::Key_Down);
        } else if (handeling == "knop omhoog") {
            QTest::mouseClick(&spin, Qt::LeftButton, {}, QPoint(spin.width() - 4, 4));
        } else if (handeling == "knop omlaag") {
            QTest::mouseClick(&spin, Qt::LeftButton, {},
                              QPoint(spin.width() - 4, spin.height() - 4));
        } else if (handeling == "typen") {
            QTest::keyClicks(&spin, QStringLiteral("7"));
            QTest::keyClick(&spin, Qt::Key_Enter);
        } else if (handeling == "wissen") {
            QTest::keyClick(&spin, Qt::Key_End);
            QTest::keyClick(&spin, Qt::Key_Backspace);
            QTest::keyClick(&spin, Qt::Key_Enter);
        } else if (handeling == "pagina") {
            QTest::keyClick(&spin, Qt::Key_PageUp);
        } else {
            const QPointF midden(spin.width() / 2.0, spin.height() / 2.0);
            QWheelEvent wiel(midden, spin.mapToGlobal(midden), QPoint(), QPoint(0, 120),
                             Qt::NoButton, Qt::NoModifier, Qt::NoScrollPhase, false);
            QApplication::sendEvent(&spin, &wiel);
        }

        QCOMPARE(Waarden(spy), signalen);
        const int verwacht = signalen.isEmpty() ? start : signalen.back();
        QCOMPARE(spin.value(), verwacht);
        QCOMPARE(spin.findChild<QLineEdit*>()->text(), QString::number(verwacht));
    }

    void programma_data() {
        QTest::addColumn<QString>("handeling");
        QTest::addColumn<int>("argument");
        QTest::addColumn<QList<int>>("signalen");
        QTest::newRow("zelfde waarde") << "waarde" << 5 << QList<int>{};
        QTest::newRow("andere waarde") << "waarde" << 8 << QList<int>{8};
        QTest::newRow("waarde boven het maximum") << "waarde" << 40 << QList<int>{10};
        QTest::newRow("maximum onder de waarde") << "maximum" << 3 << QList<int>{3};
        QTest::newRow("minimum boven de waarde") << "minimum" << 7 << QList<int>{7};
        QTest::newRow("grens die de waarde laat") << "maximum" << 6 << QList<int>{};
    }
    void programma() {
        QFETCH(QString, handeling);
        QFETCH(int, argument);
        QFETCH(QList<int>, signalen);
        TSpinEdit spin;
        spin.setRange(0, 10);
        spin.setValue(5);
        QSignalSpy spy(&spin, &QSpinBox::valueChanged);
        if (handeling == "waarde")
            spin.setValue(argument);
        else if (handeling == "maximum")
            spin.setMaximum(argument);
        else
            spin.setMinimum(argument);
        QCOMPARE(Waarden(spy), signalen);
    }
};

QTEST_MAIN(SpinEditTest)
#include "SpinEditTest.moc"
