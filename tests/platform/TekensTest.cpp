// Names cross between the core's Windows-1252 bytes and Qt's Unicode without loss.
#include <QtTest>

#include "platform/Tekens.h"

class TekensTest : public QObject {
    Q_OBJECT
  private Q_SLOTS:
    void everyByteSurvivesTheRoundTrip() {
        std::string alle;
        for (int b = 0; b < 256; ++b) alle.push_back(static_cast<char>(b));
        const std::optional<std::string> terug = NaarCp1252(NaarQString(alle));
        QVERIFY(terug.has_value());
        QVERIFY(*terug == alle);
    }

    void charactersMapAsWindowsDoes_data() {
        QTest::addColumn<QString>("unicode");
        QTest::addColumn<QByteArray>("bytes");
        QTest::newRow("ascii") << QStringLiteral("Temp") << QByteArray("Temp");
        QTest::newRow("euro") << QStringLiteral("\u20AC") << QByteArray("\x80");
        QTest::newRow("latin1") << QStringLiteral("W\u00E4rme") << QByteArray("W\xE4rme");
        QTest::newRow("oe") << QStringLiteral("\u0153uf")
                            << QByteArray(
                                   "\x9C"
                                   "uf");
    }

    void charactersMapAsWindowsDoes() {
        QFETCH(QString, unicode);
        QFETCH(QByteArray, bytes);
        const std::string b = bytes.toStdString();
        QCOMPARE(NaarQString(b), unicode);
        QVERIFY(NaarCp1252(unicode) == b);
    }

    void charactersOutsideTheCodePageAreRefused() {
        for (const QString& tekst : {QStringLiteral("\u03A9"), QStringLiteral("a\U0001F600")})
            QVERIFY(!NaarCp1252(tekst).has_value());
    }
};

QTEST_MAIN(TekensTest)
#include "TekensTest.moc"
