#include "battledisk/diskcommands.h"
#include "samples/careerstaging.h"
#include "support/fakes.h"

#include <QDir>
#include <QFile>
#include <QTest>

// Making a battle disk, and finding a friend's best races on one, as the drive prompt's answer
// leads there. Taking the money back and the duel are the career's (career_services_test).
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
    QTest::addColumn<QString>("answer"); // a folder below the program folder
    // What "usb" holds first: "disk" a battle disk of Bea's, "ghost" her best race beside it,
    // "noraces" a ghost file without one, "damaged" a ghost file that is none.
    QTest::addColumn<QString>("holds");
    // Made: done (0) or no disk (1); found: no disk (0), refused (1), no race (2), ready (3).
    QTest::addColumn<int>("made");
    QTest::addColumn<int>("found");
    // clang-format off
    QTest::newRow("an empty folder")  << "usb" << "" << 0 << 0;
    QTest::newRow("an older disk")    << "usb" << "disk" << 0 << 2;
    QTest::newRow("no such folder")   << "none" << "" << 1 << 0;
    QTest::newRow("a ghost of none")  << "usb" << "disk,noraces" << 0 << 2;
    QTest::newRow("a damaged ghost")  << "usb" << "disk,damaged" << 0 << 1;
    QTest::newRow("her best race")    << "usb" << "disk,ghost" << 0 << 3;
    // clang-format on
}

void DiskCommandsTest::commands() {
    QFETCH(QString, answer);
    QFETCH(QString, holds);
    const QString disk = fixture->folder() + "usb/battle.dat";
    QVERIFY(QDir().mkpath(fixture->folder() + "usb"));
    if (holds.contains("disk"))
        QVERIFY(writediskfile(disk, {QStringLiteral("Bea"), 300, 40}));
    QString trouble;
    const Replay best{RaceLevel::Hard, 60000, {{1000, track::startleft + 175}}};
    if (holds.contains("ghost") || holds.contains("noraces"))
        QVERIFY(writeghostfile(ghostpath(disk), {QStringLiteral("Bea"), {}}, trouble));
    if (holds.contains("ghost"))
        QVERIFY(writeghostfile(ghostpath(disk), {QStringLiteral("Bea"), {{{}, {}, best, {}}}},
                               trouble));
    if (holds.contains("damaged")) {
        QFile ghost(ghostpath(disk));
        QVERIFY(ghost.open(QIODevice::WriteOnly) && ghost.write("\"best\",\"Easy\"\r\n"));
    }
    Career career;
    staged(career).setstate({QStringLiteral("Ace"), 0, 100, 0, 40});
    const DiskCommands commands(career);
    const FriendlyRace race = commands.friendlyrace(fixture->folder() + answer);
    QTEST(static_cast<int>(race.outcome), "found");
    QCOMPARE(race.trouble.isEmpty(), race.outcome != FriendlyRaceOutcome::Refused);
    QCOMPARE(race.ghost ? race.ghost->best[2] : std::nullopt,
             race.outcome == FriendlyRaceOutcome::Ready ? std::optional(best) : std::nullopt);

    // Made there, it holds this career, whatever was there before.
    QTEST(static_cast<int>(commands.create(fixture->folder() + answer).outcome), "made");
    QByteArray bytes;
    readwholefile(disk, bytes);
    QCOMPARE(bytes, answer == "usb" ? QByteArray("\"Ace\"\r\n100\r\n40\r\n") : QByteArray());
}

QTEST_GUILESS_MAIN(DiskCommandsTest)
#include "diskcommands_test.moc"
