#include "battledisk/battledisk.h"
#include "battledisk/duel.h"

#include <QFile>
#include <QTemporaryDir>
#include <QTest>

#include <limits>

Q_DECLARE_METATYPE(std::optional<BattleDisk>)
Q_DECLARE_METATYPE(DuelWinner)

namespace {
constexpr qint32 most = std::numeric_limits<qint32>::max();
constexpr qint32 least = std::numeric_limits<qint32>::min();
} // namespace

class BattleDiskTest : public QObject {
    Q_OBJECT
private slots:
    void diskfile_data();
    void diskfile();
    void duelrule_data();
    void duelrule();
    void repeatedduelsrewritethedisk();
    void everycodeshowsonecharacter();
};

// Bytes as read, and the disk they give; no disk means refused.
void BattleDiskTest::diskfile_data() {
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<std::optional<BattleDisk>>("disk");
    const std::optional<BattleDisk> refused;
    QTest::newRow("as written") << QByteArray("\"Ace\"\r\n250\r\n40\r\n")
                                << std::optional(BattleDisk{"Ace", 250, 40});
    QTest::newRow("negative money, LF only, blanks")
        << QByteArray("  \"Ace, Jr.\"\n  -75  \n0\n")
        << std::optional(BattleDisk{"Ace, Jr.", -75, 0});
    QTest::newRow("32-bit edges, more after")
        << QByteArray("\"Z\"\r\n-2147483648\r\n2147483647\r\nleft over\r\n")
        << std::optional(BattleDisk{"Z", least, most});
    QTest::newRow("one line, quoted number")
        << QByteArray("Ace,\"12\",3") << std::optional(BattleDisk{"Ace", 12, 3});
    QTest::newRow("empty file") << QByteArray() << refused;
    QTest::newRow("no training") << QByteArray("\"Ace\"\r\n250\r\n") << refused;
    QTest::newRow("empty money") << QByteArray("\"Ace\"\r\n\r\n40\r\n") << refused;
    QTest::newRow("text for money") << QByteArray("\"Ace\"\r\nlots\r\n40\r\n") << refused;
    QTest::newRow("fraction") << QByteArray("\"Ace\"\r\n2.5\r\n40\r\n") << refused;
    QTest::newRow("text after training") << QByteArray("\"Ace\"\r\n250\r\n40pts\r\n") << refused;
    QTest::newRow("money beyond 32 bits")
        << QByteArray("\"Ace\"\r\n2147483648\r\n40\r\n") << refused;
    QTest::newRow("training beyond 32 bits")
        << QByteArray("\"Ace\"\r\n1\r\n-2147483649\r\n") << refused;
    QTest::newRow("name never closes") << QByteArray("\"Ace\r\n250\r\n40\r\n") << refused;
}

void BattleDiskTest::diskfile() {
    QFETCH(QByteArray, bytes);
    QFETCH(std::optional<BattleDisk>, disk);
    QCOMPARE(readdisk(bytes), disk);
    if (disk)
        QCOMPARE(readdisk(diskbytes(*disk)), disk);
}

// Before: training, money, disk training, disk money. After: money, disk money.
void BattleDiskTest::duelrule_data() {
    QTest::addColumn<QList<qint32>>("before");
    QTest::addColumn<DuelWinner>("winner");
    QTest::addColumn<QList<qint32>>("after");
    const auto player = DuelWinner::Player;
    const auto disk = DuelWinner::Disk;
    QTest::newRow("more training, richer") << QList{41, 9000, 40, 10} << player << QList{9025, -15};
    QTest::newRow("less training, poorer") << QList{39, 10, 40, 9000} << disk << QList{-15, 9025};
    QTest::newRow("equal training, poorer") << QList{40, 100, 40, 200} << player << QList{125, 175};
    QTest::newRow("equal training, richer") << QList{40, 201, 40, 200} << disk << QList{176, 225};
    QTest::newRow("full tie") << QList{40, 200, 40, 200} << disk << QList{175, 225};
    QTest::newRow("both in debt") << QList{0, -500, 0, -100} << player << QList{-475, -125};
    QTest::newRow("edges stop, never wrap")
        << QList{1, most - 10, 0, least + 10} << player << QList{most, least};
}

void BattleDiskTest::duelrule() {
    QFETCH(QList<qint32>, before);
    QFETCH(DuelWinner, winner);
    QFETCH(QList<qint32>, after);
    const DuelOutcome outcome = duel(before[0], before[1], {"Bea", before[3], before[2]});
    QCOMPARE(outcome.winner, winner);
    QCOMPARE((QList{outcome.playermoney, outcome.disk.money}), after);
    QCOMPARE(outcome.disk, (BattleDisk{"Bea", after[1], before[2]}));
}

// A stronger player beats the same disk again and again, through the file each time.
void BattleDiskTest::repeatedduelsrewritethedisk() {
    QTemporaryDir dir;
    const QString path = diskpath(dir.path() + QLatin1Char('/')).value();
    QVERIFY(writediskfile(path, {"Bea, the \"Ace\"", 50, 300}));
    qint32 money = 0;
    for (int duels = 0; duels < 4; ++duels) {
        const DuelOutcome outcome = duel(301, money, *readdiskfile(path));
        money = outcome.playermoney;
        QVERIFY(writediskfile(path, outcome.disk));
    }
    QCOMPARE(money, 100);
    QFile file(path);
    QVERIFY(file.open(QIODevice::ReadOnly));
    QCOMPARE(file.readAll(), QByteArray("\"Bea, the 'Ace'\"\r\n-50\r\n300\r\n"));
}

void BattleDiskTest::everycodeshowsonecharacter() {
    for (int code = 1; code <= 200; ++code)
        QVERIFY2(lanechar(code).isPrint(), qPrintable(QString::number(code)));
    QCOMPARE(lanechar(65), QChar(u'A'));
    QCOMPARE(lanechar(1), QChar(0x263A));
    QCOMPARE(lanechar(127), QChar(0x2302));
    QCOMPARE(lanechar(0x81), QChar(0xFFFD));
}

QTEST_GUILESS_MAIN(BattleDiskTest)
#include "battledisk_test.moc"
