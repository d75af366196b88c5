#include "saves/savedgame.h"

#include "support/testlanguage.h"

#include <QTest>

#include <limits>

Q_DECLARE_METATYPE(SavedGame)
Q_DECLARE_METATYPE(SaveFault)

namespace {
SavedGame career(const QString& name, qint32 money, qint16 rank, qint32 days, const QString& log,
                 const QString& training) {
    return {name, money, rank, days, log, training};
}

const QByteArray goodline = "\"Ace\",250,0,3,\" \r\nObjectives\r\n\",\"37\"\r\n";
} // namespace

class SavedGameTest : public QObject {
    Q_OBJECT
private slots:
    void writesandreadsback_data();
    void writesandreadsback();
    void reads_data();
    void reads();
    void unreadablefile();
};

// Each career is written to exactly these bytes and read back as the last column.
void SavedGameTest::writesandreadsback_data() {
    QTest::addColumn<SavedGame>("game");
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<SavedGame>("readback");
    const SavedGame ace = career("Ace", 250, 0, 3, " \r\nObjectives\r\n", "37");
    QTest::newRow("known career") << ace << goodline << ace;
    const SavedGame commas = career("Bee", 9, 1, 20, "a, b,\r\n\r\n\r\nc,d\r\n,\r\n", "16");
    QTest::newRow("commas and line breaks in the log")
        << commas << QByteArray("\"Bee\",9,1,20,\"a, b,\r\n\r\n\r\nc,d\r\n,\r\n\",\"16\"\r\n")
        << commas;
    const SavedGame empty = career("", 0, 0, 0, " ", "0");
    QTest::newRow("cleared career") << empty << QByteArray("\"\",0,0,0,\" \",\"0\"\r\n") << empty;
    const SavedGame edges =
        career(QString::fromUtf8("Zoë €, jr"), std::numeric_limits<qint32>::min(),
               std::numeric_limits<qint16>::max(), std::numeric_limits<qint32>::max(), "", "-5");
    QTest::newRow("widest numbers, code page")
        << edges << QByteArray("\"Zo\xeb \x80, jr\",-2147483648,32767,2147483647,\"\",\"-5\"\r\n")
        << edges;
    QTest::newRow("double quotes kept as single")
        << career("Big \"Al\"", 5, 0, 1, "Al said \"hi\"\r\n", "0")
        << QByteArray("\"Big 'Al'\",5,0,1,\"Al said 'hi'\r\n\",\"0\"\r\n")
        << career("Big 'Al'", 5, 0, 1, "Al said 'hi'\r\n", "0");
}

void SavedGameTest::writesandreadsback() {
    QFETCH(SavedGame, game);
    QFETCH(QByteArray, bytes);
    QFETCH(SavedGame, readback);
    QCOMPARE(savedgamebytes(game), bytes);
    const SavedGameRead read = readsavedgame(bytes);
    QCOMPARE(read.fault, SaveFault::None);
    QVERIFY(read.game == readback);
}

// Files as they may be found: accepted whole, or refused with the one fault that stops them.
void SavedGameTest::reads_data() {
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<SaveFault>("fault");
    QTest::addColumn<QString>("field");
    QTest::addColumn<qint32>("days");
    QTest::newRow("good") << goodline << SaveFault::None << "" << 3;
    QTest::newRow("LF only, more after six fields")
        << QByteArray("\"Ace\",250,0,7,\"log\n\",\"37\",extra\n\"more\"\n") << SaveFault::None << ""
        << 7;
    QTest::newRow("quoted number, blanks around")
        << QByteArray("\"Ace\", \"250\" ,0,-2,\"\",\"37\"") << SaveFault::None << "" << -2;
    QTest::newRow("empty file") << QByteArray() << SaveFault::TooFewFields << "" << 0;
    QTest::newRow("five fields") << QByteArray("\"Ace\",250,0,3,\"log\"\r\n")
                                 << SaveFault::TooFewFields << "" << 0;
    QTest::newRow("word for money") << QByteArray("\"Ace\",lots,0,3,\"log\",\"37\"\r\n")
                                    << SaveFault::NotANumber << "money" << 0;
    QTest::newRow("empty rank") << QByteArray("\"Ace\",250,,3,\"log\",\"37\"\r\n")
                                << SaveFault::NotANumber << "rank" << 0;
    QTest::newRow("fraction of a day") << QByteArray("\"Ace\",250,0,3.5,\"log\",\"37\"\r\n")
                                       << SaveFault::NotANumber << "days" << 0;
    QTest::newRow("minus alone") << QByteArray("\"Ace\",-,0,3,\"log\",\"37\"\r\n")
                                 << SaveFault::NotANumber << "money" << 0;
    QTest::newRow("word for training") << QByteArray("\"Ace\",250,0,3,\"log\",\"lots\"\r\n")
                                       << SaveFault::NotANumber << "training" << 0;
    QTest::newRow("rank past 16 bits") << QByteArray("\"Ace\",250,32768,3,\"log\",\"37\"\r\n")
                                       << SaveFault::OutOfRange << "rank" << 0;
    QTest::newRow("money below 32 bits") << QByteArray("\"Ace\",-2147483649,0,3,\"log\",\"37\"\r\n")
                                         << SaveFault::OutOfRange << "money" << 0;
    QTest::newRow("huge days") << QByteArray(
                                      "\"Ace\",250,0,99999999999999999999999999,\"log\",\"37\"\r\n")
                               << SaveFault::OutOfRange << "days" << 0;
    QTest::newRow("training past 32 bits")
        << QByteArray("\"Ace\",250,0,3,\"log\",\"2147483648\"\r\n") << SaveFault::OutOfRange
        << "training" << 0;
    QTest::newRow("unterminated log") << QByteArray("\"Ace\",250,0,3,\"log, never closed\r\n")
                                      << SaveFault::UnclosedQuote << "" << 0;
}

void SavedGameTest::reads() {
    QFETCH(QByteArray, bytes);
    QFETCH(SaveFault, fault);
    QFETCH(QString, field);
    QFETCH(qint32, days);
    const SavedGameRead read = readsavedgame(bytes);
    QCOMPARE(read.fault, fault);
    QCOMPARE(read.field, field);
    if (fault == SaveFault::None) {
        QCOMPARE(read.game.playername, QStringLiteral("Ace"));
        QCOMPARE(read.game.money, 250);
        QCOMPARE(read.game.days, days);
        QCOMPARE(read.game.training, QStringLiteral("37"));
    } else {
        // A refused file says why, naming the field at fault (read here as English says it).
        const InEnglish english;
        const QString message = savefaultmessage(read, "x.kvr");
        QVERIFY(message.startsWith("x.kvr can't be loaded: "));
        QVERIFY(message.contains(field));
    }
}

void SavedGameTest::unreadablefile() {
    const SavedGameRead read = loadsavedgame(QStringLiteral("/nonexistent/x.kvr"));
    QCOMPARE(read.fault, SaveFault::Unreadable);
    QCOMPARE(savefaultmessage(read, "x.kvr"),
             QStringLiteral("x.kvr can't be loaded: the file could not be read."));
}

QTEST_GUILESS_MAIN(SavedGameTest)
#include "savedgame_test.moc"
