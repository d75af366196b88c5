#include "tictactoe/records.h"

#include <QTest>

class RecordsTest : public QObject {
    Q_OBJECT
private slots:
    void parserecord_data();
    void parserecord();
};

void RecordsTest::parserecord_data() {
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<bool>("read");
    QTest::addColumn<QList<int>>("counts");
    QTest::addColumn<QString>("signs");
    const QList<int> zero{0, 0, 0};
    // clang-format off
    QTest::newRow("as the game writes it")   << QByteArray("\"Player2\",3,1,2,\"X\",\"O\"\r\n") << true << QList<int>{3, 1, 2} << "X/O";
    QTest::newRow("LF and blanks")           << QByteArray("\"P\", 3 ,1,2,\"+\",\"-\"\n") << true << QList<int>{3, 1, 2} << "+/-";
    QTest::newRow("16-bit edges")            << QByteArray("\"P\",32767,-32768,-4,\"a\",\"b\"") << true << QList<int>{32767, -32768, -4} << "a/b";
    QTest::newRow("fraction")                << QByteArray("\"P\",-4,2.5,3,\"a\",\"b\"") << false << zero << "X/O";
    QTest::newRow("beyond 16 bits")          << QByteArray("\"P\",40000,0,0,\"X\",\"O\"") << false << zero << "X/O";
    QTest::newRow("beyond 64 bits")          << QByteArray("\"P\",99999999999999999999,0,0,\"X\",\"O\"") << false << zero << "X/O";
    QTest::newRow("quoted count, comma sign") << QByteArray("\"P\",\"7\",1,1,\"X,Y\",\"\"") << true << QList<int>{7, 1, 1} << "X,Y/";
    QTest::newRow("five fields")             << QByteArray("\"P\",3,1,2,\"X\"\r\n") << false << zero << "X/O";
    QTest::newRow("count not a number")      << QByteArray("\"P\",3,many,2,\"+\",\"-\"") << false << zero << "X/O";
    QTest::newRow("number and more")         << QByteArray("\"P\",3x,1,2,\"+\",\"-\"") << false << zero << "X/O";
    QTest::newRow("unclosed sign")           << QByteArray("\"P\",3,1,2,\"+\",\"-") << false << zero << "X/O";
    QTest::newRow("empty file")              << QByteArray() << false << zero << "X/O";
    // clang-format on
}

void RecordsTest::parserecord() {
    QFETCH(QByteArray, bytes);
    QFETCH(bool, read);
    QFETCH(QList<int>, counts);
    QFETCH(QString, signs);
    PlayerRecord record;
    QCOMPARE(::parserecord(bytes, record), read);
    QCOMPARE((QList<int>{record.wins, record.losses, record.draws}), counts);
    QCOMPARE(record.yoursign + "/" + record.compsign, signs);
    if (!read)
        return;
    PlayerRecord again;
    QVERIFY(::parserecord(recordline(QStringLiteral("P"), record), again));
    QCOMPARE(recordline(QStringLiteral("P"), again), recordline(QStringLiteral("P"), record));
}

QTEST_GUILESS_MAIN(RecordsTest)
#include "records_test.moc"
