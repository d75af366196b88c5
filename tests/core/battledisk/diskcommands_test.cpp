#include "battledisk/diskcommands.h"
#include "samples/careerstaging.h"
#include "support/fakes.h"

#include <QDir>
#include <QFile>
#include <QTest>

// The Two Playes commands as the drive prompt's answer leads them: making a disk, taking the
// money back, and finding a friend's best races to race.
class DiskCommandsTest : public QObject {
    Q_OBJECT
private slots:
    void init() { fixture = new GameFixture; }
    void cleanup() { delete fixture; }
    void commands_data();
    void commands();

private:
    GameFixture* fixture = nullptr;
};

void DiskCommandsTest::commands_data() {
    QTest::addColumn<QString>("command");
    QTest::addColumn<QString>("answer"); // a folder below the program folder
    // What the folder holds first: "disk" a battle disk of Ace's with $300, "ghost" his best
    // race beside it, "noraces" a ghost file without one, "damaged" a ghost file that is not.
    QTest::addColumn<QString>("holds");
    QTest::addColumn<QString>("outcome");
    QTest::addColumn<int>("moneyafter");
    QTest::addColumn<QByteArray>("diskafter");
    const QByteArray made = "\"Ace\"\r\n100\r\n40\r\n";
    const QByteArray his = "\"Ace\"\r\n300\r\n40\r\n";
    // clang-format off
    QTest::newRow("made in a folder")           << "create" << "usb" << "" << "done" << 100 << made;
    QTest::newRow("made over an older disk")    << "create" << "usb" << "disk" << "done" << 100 << made;
    QTest::newRow("no such folder")             << "create" << "none" << "" << "no disk" << 100 << QByteArray();
    QTest::newRow("the money taken back")       << "update" << "usb" << "disk" << "done" << 300 << his;
    QTest::newRow("nothing to take back")       << "update" << "usb" << "" << "no disk" << 100 << QByteArray();
    QTest::newRow("a duel on one's own disk")   << "fight" << "usb" << "disk" << "wrong disk" << 100 << his;
    QTest::newRow("a race, no disk")            << "race" << "usb" << "" << "no disk" << 100 << QByteArray();
    QTest::newRow("a race, no ghost file")      << "race" << "usb" << "disk" << "no race" << 100 << his;
    QTest::newRow("a race, a ghost of none")    << "race" << "usb" << "disk,noraces" << "no race" << 100 << his;
    QTest::newRow("a race, a damaged ghost")    << "race" << "usb" << "disk,damaged" << "refused" << 100 << his;
    QTest::newRow("a race against his best")    << "race" << "usb" << "disk,ghost" << "ready" << 100 << his;
    QTest::newRow("a race, no such folder")     << "race" << "none" << "" << "no disk" << 100 << QByteArray();
    // clang-format on
}

void DiskCommandsTest::commands() {
    QFETCH(QString, command);
    QFETCH(QString, answer);
    QFETCH(QString, holds);
    const QString folder = fixture->folder() + "usb/";
    QVERIFY(QDir().mkpath(folder));
    const QString disk = folder + "battle.dat";
    if (holds.contains("disk"))
        QVERIFY(writediskfile(disk, {QStringLiteral("Ace"), 300, 40}));
    QString trouble;
    Replay best{RaceLevel::Hard, 60000, {{1000, track::startleft + 175}}};
    if (holds.contains("ghost"))
        QVERIFY(writeghostfile(ghostpath(disk), {QStringLiteral("Ace"), {{{}, {}, best, {}}}},
                               trouble));
    if (holds.contains("noraces"))
        QVERIFY(writeghostfile(ghostpath(disk), {QStringLiteral("Ace"), {}}, trouble));
    if (holds.contains("damaged")) {
        QFile ghost(ghostpath(disk));
        QVERIFY(ghost.open(QIODevice::WriteOnly) && ghost.write("\"best\",\"Easy\"\r\n"));
    }
    Career career;
    staged(career).setstate({QStringLiteral("Ace"), 0, 100, 0, 40});
    const DiskCommands commands(career);
    const QString answered = fixture->folder() + answer;
    QString outcome;
    const char* disknames[] = {"done", "no disk", "wrong disk"};
    if (command == "race") {
        const FriendlyRace race = commands.friendlyrace(answered);
        const char* racenames[] = {"no disk", "refused", "no race", "ready"};
        outcome = QString::fromLatin1(racenames[static_cast<int>(race.outcome)]);
        QCOMPARE(race.ghost.has_value(), race.outcome == FriendlyRaceOutcome::Ready);
        QCOMPARE(race.trouble.isEmpty(), race.outcome != FriendlyRaceOutcome::Refused);
        if (race.ghost)
            QCOMPARE(race.ghost->best[2], std::optional(best));
    } else {
        const DiskResult result = command == "create"   ? commands.create(answered)
                                  : command == "update" ? commands.update(answered)
                                                        : commands.fight(answered);
        outcome = QString::fromLatin1(disknames[static_cast<int>(result.outcome)]);
    }
    QTEST(outcome, "outcome");
    QTEST(int(career.money()), "moneyafter");
    QByteArray bytes;
    readwholefile(disk, bytes);
    QTEST(bytes, "diskafter");
}

QTEST_GUILESS_MAIN(DiskCommandsTest)
#include "diskcommands_test.moc"
