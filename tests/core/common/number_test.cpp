#include "common/number.h"
#include "common/programfolder.h"
#include "common/random.h"

#include <QTest>

class NumberTest : public QObject {
    Q_OBJECT
private slots:
    void textnumbers_data();
    void textnumbers();
    void roundshalftoeven_data();
    void roundshalftoeven();
    void clampsoutofrange();
    void addsatthewidth();
    void programfolder();
    void reseedingdoesnotrestart();
};

void NumberTest::textnumbers_data() {
    QTest::addColumn<QString>("text");
    QTest::addColumn<double>("value");
    QTest::newRow("plain") << "250" << 250.0;
    QTest::newRow("blanks first") << "  \t42" << 42.0;
    QTest::newRow("minus") << "-17" << -17.0;
    QTest::newRow("plus") << "+5" << 5.0;
    QTest::newRow("decimal") << "3.75" << 3.75;
    QTest::newRow("leading point") << ".5" << 0.5;
    QTest::newRow("trailing text") << "12abc" << 12.0;
    QTest::newRow("dollar first") << "$523" << 0.0;
    QTest::newRow("empty") << "" << 0.0;
    QTest::newRow("blanks only") << "   " << 0.0;
    QTest::newRow("sign alone") << "-" << 0.0;
    QTest::newRow("blank after sign") << "- 4" << 0.0;
    QTest::newRow("second point stops") << "1.2.3" << 1.2;
}

void NumberTest::textnumbers() {
    QFETCH(QString, text);
    QFETCH(double, value);
    QCOMPARE(textnumber(text), value);
}

void NumberTest::roundshalftoeven_data() {
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("value");
    QTest::newRow("0.5") << "0.5" << 0;
    QTest::newRow("1.5") << "1.5" << 2;
    QTest::newRow("2.5") << "2.5" << 2;
    QTest::newRow("-2.5") << "-2.5" << -2;
    QTest::newRow("2.51") << "2.51" << 3;
    QTest::newRow("7.49") << "7.49" << 7;
}

void NumberTest::roundshalftoeven() {
    QFETCH(QString, text);
    QFETCH(int, value);
    QCOMPARE(textint32(text), value);
}

void NumberTest::clampsoutofrange() {
    QCOMPARE(textint32("99999999999"), std::numeric_limits<qint32>::max());
    QCOMPARE(textint32("-99999999999"), std::numeric_limits<qint32>::min());
    QCOMPARE(textint16("40000"), std::numeric_limits<qint16>::max());
    QCOMPARE(textint16("100"), qint16(100));
    // Beyond what a double holds: still the largest value, never 0.
    const QString hundreds = QLatin1Char('1') + QString(400, QLatin1Char('0'));
    QCOMPARE(textint32(hundreds), std::numeric_limits<qint32>::max());
    QCOMPARE(textint32(QLatin1Char('-') + hundreds), std::numeric_limits<qint32>::min());
    QCOMPARE(textint16(hundreds), std::numeric_limits<qint16>::max());
    QCOMPARE(textnumber(QStringLiteral("0.") + QString(400, QLatin1Char('0')) + QLatin1Char('1')),
             0.0);
}

void NumberTest::addsatthewidth() {
    QCOMPARE(addclamped<qint32>(std::numeric_limits<qint32>::max(), 1),
             std::numeric_limits<qint32>::max());
    QCOMPARE(addclamped<qint32>(std::numeric_limits<qint32>::min(), -5),
             std::numeric_limits<qint32>::min());
    QCOMPARE(addclamped<qint16>(32000, 1000), qint16(32767));
    QCOMPARE(addclamped<qint32>(250, -100), 150);
}

void NumberTest::programfolder() {
    QCOMPARE(programfolderfor("/opt/keystrider"), QString("/opt/keystrider/"));
    QCOMPARE(programfolderfor("/"), QString("/"));
    setprogramfolder("/tmp/x");
    QCOMPARE(apppath(), QString("/tmp/x/"));
    setprogramfolder(QString());
}

void NumberTest::reseedingdoesnotrestart() {
    randomize(7);
    const double a = rnd();
    randomize(7);
    const double b = rnd();
    QVERIFY(a != b);
    for (int i = 0; i < 1000; ++i) {
        const double r = rnd();
        QVERIFY(r >= 0 && r < 1);
        const int w = wholeupto(6);
        QVERIFY(w >= 1 && w <= 6);
    }
}

QTEST_GUILESS_MAIN(NumberTest)
#include "number_test.moc"
