#include "battledisk/diskghost.h"
#include "competition/ghostwords.h"
#include "competition/replaysfile.h"

#include "support/fakes.h"

#include <QFile>
#include <QTest>

Q_DECLARE_METATYPE(RaceLevel)
Q_DECLARE_METATYPE(Replay)
Q_DECLARE_METATYPE(std::optional<Replay>)

namespace {

// "e1000 c1500 r1500 b": an entry matched, a correction, a key repeat that takes it back, Back;
// each at its milliseconds from Start.
ReplayTape played(RaceLevel level, const QString& script) {
    ReplayTape tape;
    tape.start(level);
    CarRace car;
    for (const QString& step : script.split(' ', Qt::SkipEmptyParts)) {
        const std::int64_t ms = step.mid(1).toLongLong();
        const int before = car.playerleft;
        switch (step.at(0).toLatin1()) {
        case 'e':
            car.entrymatched(level);
            break;
        case 'c':
            car.correction(level);
            break;
        case 'r':
            car.playerleft = tape.sofar().moves.size() > 1
                                 ? tape.sofar().moves[tape.sofar().moves.size() - 2].left
                                 : track::startleft;
            break;
        case 'b':
            tape.back();
            break;
        }
        if (car.playerleft != before)
            tape.follow(ms, car.playerleft);
    }
    return tape;
}

// A race of `entries` entries, one every `gap` ms, that lasted `length` ms.
Replay typed(RaceLevel level, int entries, int gap, std::int64_t length = 200000) {
    Replay race{level, length, {}};
    int left = track::startleft;
    for (int i = 1; i <= entries; ++i) {
        left += rulesfor(level).playerstep;
        race.moves.append({i * gap, left});
    }
    return race;
}

QString movestext(const Replay& race) {
    QStringList out;
    for (const RaceMove& move : race.moves)
        out << QStringLiteral("%1:%2").arg(move.ms).arg(move.left);
    return out.join(' ');
}

QByteArray header(int showbest = 1) {
    return "\"keystrider-replays\",1,\"showbest\"," + QByteArray::number(showbest) + "\r\n";
}

} // namespace

class ReplayTest : public QObject {
    Q_OBJECT
private slots:
    void tape_data();
    void tape();
    void bestrace_data();
    void bestrace();
    void ghostposition();
    void files_data();
    void files();
    void friendsghost_data();
    void friendsghost();
    void words_data();
    void words();
    void replaysfile();
    void diskghostfile();
};

// What a race keeps: its moves as "ms:left", or nothing.
void ReplayTest::tape_data() {
    QTest::addColumn<RaceLevel>("level");
    QTest::addColumn<QString>("script");
    QTest::addColumn<bool>("kept");
    QTest::addColumn<QString>("moves");
    QTest::newRow("lost race") << RaceLevel::Average << "e1000 c1500 e2600" << true
                               << "1000:370 1500:320 2600:570";
    QTest::newRow("setback cut short at the edge")
        << RaceLevel::Hard << "c300 c400 c500" << true << "300:40 400:0";
    QTest::newRow("Easy corrections move nothing")
        << RaceLevel::Easy << "c300 e900" << true << "900:370";
    QTest::newRow("key repeat takes its setback back")
        << RaceLevel::Hard << "e800 c900 r900 e1500" << true << "800:295 1500:470";
    QTest::newRow("Back before any entry") << RaceLevel::Average << "c200 b e900" << false << "";
    QTest::newRow("Back after an entry") << RaceLevel::Average << "e900 b" << true << "900:370";
    QTest::newRow("no entry, no Back") << RaceLevel::Average << "" << true << "";
    QTest::newRow("entries faster than a person")
        << RaceLevel::Average << "e500 e560" << false << "";
}

void ReplayTest::tape() {
    QFETCH(RaceLevel, level);
    QFETCH(QString, script);
    QFETCH(bool, kept);
    QFETCH(QString, moves);
    ReplayTape tape = played(level, script);
    const std::optional<Replay> race = tape.finish(5000);
    QCOMPARE(race.has_value(), kept);
    if (race) {
        QCOMPARE(movestext(*race), moves);
        QCOMPARE(race->length, std::int64_t(5000));
        QVERIFY(!tape.finish(6000));
    }
}

// Races of one level in the order run, and which of them is the best (-1: none).
void ReplayTest::bestrace_data() {
    QTest::addColumn<QList<Replay>>("races");
    QTest::addColumn<int>("best");
    const auto avg = RaceLevel::Average;
    QTest::newRow("sooner to the finish") << QList{typed(avg, 35, 1200), typed(avg, 35, 1100)} << 1;
    QTest::newRow("slower keeps the best")
        << QList{typed(avg, 35, 1000), typed(avg, 35, 1100)} << 0;
    QTest::newRow("a tie keeps the older")
        << QList{typed(avg, 35, 1000), typed(avg, 35, 1000)} << 0;
    QTest::newRow("finished beats farther")
        << QList{typed(avg, 34, 500), typed(avg, 35, 3000)} << 1;
    QTest::newRow("lost races, the farther")
        << QList{typed(avg, 20, 500), typed(avg, 25, 3000), typed(avg, 10, 100)} << 1;
    QTest::newRow("as far, sooner there") << QList{typed(avg, 20, 900), typed(avg, 20, 800)} << 1;
    // Past the finish on its 35th entry, whatever came after.
    QTest::newRow("moves past the finish") << QList{typed(avg, 40, 1000), typed(avg, 35, 999)} << 1;
}

void ReplayTest::bestrace() {
    QFETCH(QList<Replay>, races);
    QFETCH(int, best);
    ReplayBook book;
    for (const Replay& race : races)
        book.add(race);
    QCOMPARE(book.bestof(RaceLevel::Average), std::optional(races.at(best)));
    // Levels are kept apart, and each keeps its last ten.
    book.add(typed(RaceLevel::Easy, 35, 200));
    QCOMPARE(book.bestof(RaceLevel::Average), std::optional(races.at(best)));
    for (int i = 0; i < 12; ++i)
        book.add(typed(RaceLevel::Average, 1, 1000 + i));
    QCOMPARE(book.recent[1].size(), keptraces);
    QCOMPARE(book.recent[1].first().moves.first().ms, std::int64_t(1002));
    QCOMPARE(book.recent[0].size(), 1);
}

void ReplayTest::ghostposition() {
    // Back to 0 on Expert, then two entries.
    ReplayTape tape = played(RaceLevel::Expert, "c400 e1000 e1000 e2500");
    QVERIFY(!tape.finish(3000)); // the second entry came at once
    tape = played(RaceLevel::Expert, "c400 e1000 e2500");
    const Replay race = *tape.finish(3000);
    const QList<std::pair<int, int>> at{{0, 120},    {399, 120},  {400, 0},    {999, 0},
                                        {1000, 175}, {2499, 175}, {2500, 350}, {900000, 350}};
    for (const auto& [ms, left] : at)
        QCOMPARE(race.leftat(ms), left);
    QCOMPARE(race.reached(175), std::optional<std::int64_t>(1000));
    QCOMPARE(race.reached(351), std::nullopt);
    QCOMPARE(entriesshort(race), 48);
}

// The bytes of "replays.dat" (or of a disk's "ghost.dat"), and the line they are refused at;
// 0 when they are read.
void ReplayTest::files_data() {
    QTest::addColumn<bool>("disk");
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<int>("badline");
    const QByteArray race = "\"race\",\"Average\",5000,\"1000:250 1500:-50 2600:250\"\r\n";
    const QByteArray ghost = "\"keystrider-ghost\",1,\"Ana\"\r\n";
    QTest::newRow("as written") << false << header() + "\"best\",\"Hard\",9000,\"\"\r\n" + race
                                << 0;
    QTest::newRow("empty file") << false << QByteArray() << 1;
    QTest::newRow("another file's tag") << false << ghost << 1;
    QTest::newRow("a later version") << false << header().replace(",1,", ",2,") << 0;
    QTest::newRow("show best neither 0 nor 1") << false << header(2) << 1;
    QTest::newRow("a level of practice")
        << false << header() + "\"race\",\"Expert\",1,\"\"\r\n\"race\",\"Medium\",1,\"\"\r\n"
        << 3;
    QTest::newRow("times going back")
        << false << header() + "\"race\",\"Easy\",5000,\"1000:250 900:250\"\r\n"
        << 2;
    QTest::newRow("a step not the level's")
        << false << header() + "\"race\",\"Hard\",5000,\"1000:250\"\r\n"
        << 2;
    QTest::newRow("a setback on Easy")
        << false << header() + "\"race\",\"Easy\",5000,\"1000:250 1200:-50\"\r\n"
        << 2;
    QTest::newRow("cut short, not at the edge")
        << false << header() + "\"race\",\"Expert\",5000,\"1000:-100\"\r\n"
        << 2;
    QTest::newRow("entries faster than a person")
        << false << header() + "\"race\",\"Average\",5000,\"99:250\"\r\n"
        << 2;
    QTest::newRow("a move after the end")
        << false << header() + "\"race\",\"Average\",900,\"1000:250\"\r\n"
        << 2;
    QTest::newRow("an hour and more") << false << header() + "\"race\",\"Average\",3600001,\"\"\r\n"
                                      << 2;
    QTest::newRow("two blanks") << false
                                << header() + "\"race\",\"Easy\",5000,\"1000:250  2000:250\"\r\n"
                                << 2;
    QTest::newRow("a field more") << false << header() + "\"race\",\"Easy\",5000,\"\",1\r\n" << 2;
    QTest::newRow("two bests of a level")
        << false << header() + "\"best\",\"Easy\",1,\"\"\r\n\"best\",\"Easy\",1,\"\"\r\n"
        << 3;
    QTest::newRow("eleven races of a level") << false << header() + race.repeated(11) << 12;
    QByteArray moves;
    for (int i = 1; i <= mostmoves + 1; ++i)
        moves += (i > 1 ? " " : "") + QByteArray::number(i * 100) + ":250";
    QTest::newRow("a move too many")
        << false << header() + "\"race\",\"Easy\",3600000,\"" + moves + "\"\r\n"
        << 2;
    QTest::newRow("a disk's ghost") << true << ghost + "\"best\",\"Easy\",5000,\"1000:250\"\r\n"
                                    << 0;
    QTest::newRow("a race that is no best") << true << ghost + race << 2;
    QTest::newRow("a level twice")
        << true << ghost + "\"best\",\"Easy\",1,\"\"\r\n\"best\",\"Easy\",1,\"\"\r\n"
        << 3;
    QTest::newRow("a name of megabytes")
        << true << "\"keystrider-ghost\",1,\"" + QByteArray(4096, 'A') + "\"\r\n"
        << 1;
}

void ReplayTest::files() {
    QFETCH(bool, disk);
    QFETCH(QByteArray, bytes);
    QFETCH(int, badline);
    int refusedat = -1;
    if (disk) {
        const std::optional<DiskGhost> ghost = readghost(bytes, refusedat);
        QCOMPARE(refusedat, badline);
        if (ghost) {
            QCOMPARE(ghost->name, QStringLiteral("Ana"));
            QCOMPARE(readghost(ghostbytes(*ghost), refusedat), ghost);
        }
        return;
    }
    // A line that could not have been raced is dropped alone.
    ReplayBook book;
    const Reading reading = readreplays(bytes, book, refusedat);
    QCOMPARE(refusedat, badline);
    QCOMPARE(reading == Reading::Damaged, badline != 0);
    ReplayBook again;
    QCOMPARE(readreplays(replaysbytes(book), again, refusedat), Reading::Whole);
    QCOMPARE(again, book);
}

// A friend's ghost is checked against what a race can do, and its name shown as the game shows
// names from someone else's file: "" when it is refused, with the line it is refused at.
void ReplayTest::friendsghost_data() {
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<int>("badline");
    QTest::addColumn<QString>("name");
    const QByteArray ana = "\"keystrider-ghost\",1,\"Ana\"\r\n";
    const auto best = [](const Replay& race) { return replayline(QStringLiteral("best"), race); };
    // An Easy car passes the finish on its 35th entry, and the race ends at the next tick.
    const Replay finished = typed(RaceLevel::Easy, 35, 1000, 35050);
    // The opponent at Expert is past the finish after 716 ticks: half as long again is allowed
    // for a clock that lags.
    const std::int64_t expert = 716 * raceclockms * 3 / 2;
    // clang-format off
    QTest::newRow("a race to the finish") << ana + best(finished) << 0 << "Ana";
    QTest::newRow("an entry past the finish") << ana + best(typed(RaceLevel::Easy, 36, 1000, 36050)) << 2 << "";
    QTest::newRow("an hour of entries off the track") << ana + best(typed(RaceLevel::Easy, 1000, 250, 3600000)) << 2 << "";
    QTest::newRow("as long as a race with a lagging clock") << ana + best(typed(RaceLevel::Expert, 3, 1000, expert)) << 0 << "Ana";
    QTest::newRow("longer than any race") << ana + best(typed(RaceLevel::Expert, 3, 1000, expert + 1)) << 2 << "";
    QTest::newRow("a NUL in the name") << QByteArray("\"keystrider-ghost\",1,\"An\0a\"\r\n", 29) + best(finished) << 0 << "An\uFFFDa";
    QTest::newRow("the code page's unused bytes") << "\"keystrider-ghost\",1,\"\x81\x8d\x8f\x90\x9d\"\r\n" + best(finished) << 0 << "\uFFFD\uFFFD\uFFFD\uFFFD\uFFFD";
    QTest::newRow("a DEL") << "\"keystrider-ghost\",1,\"A\x7f" "b\"\r\n" + best(finished) << 0 << "A\uFFFDb";
    // clang-format on
}

void ReplayTest::friendsghost() {
    QFETCH(QByteArray, bytes);
    int badline = -1;
    const std::optional<DiskGhost> ghost = readghost(bytes, badline);
    QTEST(badline, "badline");
    QTEST(ghost ? ghost->name : QString(), "name");
}

// The player's race, the ghost's, and what the window says of them.
void ReplayTest::words_data() {
    QTest::addColumn<QString>("kind");
    QTest::addColumn<Replay>("race");
    QTest::addColumn<std::optional<Replay>>("ghost");
    QTest::addColumn<QString>("said");
    const auto avg = RaceLevel::Average;
    const std::optional<Replay> none;
    // Standing at 11 s: the player's last entry came at 10 s.
    QTest::newRow("entries behind")
        << "standing" << typed(avg, 5, 2000) << std::optional(typed(avg, 7, 1400))
        << "2 entries behind your best";
    QTest::newRow("an entry ahead")
        << "standing" << typed(avg, 5, 2000) << std::optional(typed(avg, 4, 2400))
        << "1 entry ahead of your best";
    QTest::newRow("there sooner") << "standing" << typed(avg, 5, 2000)
                                  << std::optional(typed(avg, 5, 2160))
                                  << "0.8 s ahead of your best";
    QTest::newRow("there later") << "standing" << typed(avg, 5, 2000)
                                 << std::optional(typed(avg, 5, 1900)) << "0.5 s behind your best";
    QTest::newRow("level") << "standing" << typed(avg, 5, 2000)
                           << std::optional(typed(avg, 5, 2000)) << "level with your best";
    QTest::newRow("new best") << "line" << typed(avg, 35, 2000)
                              << std::optional(typed(avg, 35, 2100))
                              << "To the finish in 70.0 s, 3.5 s faster than your best. New best!";
    QTest::newRow("slower") << "line" << typed(avg, 35, 2100) << std::optional(typed(avg, 35, 2000))
                            << "To the finish in 73.5 s, 3.5 s slower than your best.";
    // A first race at the level beat nothing: it is the first, finished or not.
    QTest::newRow("first race, short") << "line" << typed(avg, 34, 2000) << none
                                       << "1 entry short of the finish, your first race at this "
                                          "level.";
    QTest::newRow("first race, finished") << "line" << typed(avg, 35, 2000) << none
                                          << "To the finish in 70.0 s, your first race at this "
                                             "level.";
    QTest::newRow("short, past a best short")
        << "line" << typed(avg, 33, 2000) << std::optional(typed(avg, 30, 2000))
        << "2 entries short of the finish, your best was 5 entries short. New best!";
    QTest::newRow("short of a finished best")
        << "line" << typed(avg, 28, 2000) << std::optional(typed(avg, 35, 2000))
        << "7 entries short of the finish, your best finished in 70.0 s.";
    QTest::newRow("friend slower")
        << "friendly" << typed(avg, 35, 2000) << std::optional(typed(avg, 35, 2100))
        << "You were faster than Ana, by 3.5 s (70.0 s against 73.5 s).";
    QTest::newRow("friend faster")
        << "friendly" << typed(avg, 30, 2000) << std::optional(typed(avg, 35, 2100))
        << "Ana was faster, finishing in 73.5 s; you did not reach the "
           "finish, 5 entries short of it.";
    // Every end gives both times, or both distances.
    QTest::newRow("friend short")
        << "friendly" << typed(avg, 35, 2000) << std::optional(typed(avg, 31, 2100))
        << "You were faster than Ana, who did not reach the finish: you were there in 70.0 s, Ana "
           "4 entries short of it.";
    QTest::newRow("neither finished")
        << "friendly" << typed(avg, 30, 2000) << std::optional(typed(avg, 32, 2100))
        << "Neither of you reached the finish; Ana got 2 entries "
           "farther (3 entries short against 5).";
    QTest::newRow("neither, you farther")
        << "friendly" << typed(avg, 33, 2000) << std::optional(typed(avg, 32, 2100))
        << "Neither of you reached the finish; you got 1 entry farther than Ana (2 entries short "
           "against 3).";
    QTest::newRow("neither, as far")
        << "friendly" << typed(avg, 32, 2000) << std::optional(typed(avg, 32, 2100))
        << "Neither of you reached the finish, and you got as far as Ana: 3 entries short of it.";
}

void ReplayTest::words() {
    QFETCH(QString, kind);
    QFETCH(Replay, race);
    QFETCH(std::optional<Replay>, ghost);
    QFETCH(QString, said);
    if (kind == "standing")
        QCOMPARE(standing(race.moves.last().left, race.moves.last().ms, *ghost, 11000,
                          QStringLiteral("your best")),
                 said);
    else if (kind == "line")
        QCOMPARE(raceline(race, ghost, !ghost || betterrace(race, *ghost)), said);
    else
        QCOMPARE(friendlyverdict(race, *ghost, QStringLiteral("Ana")), said);
}

void ReplayTest::replaysfile() {
    GameFixture fixture;
    const Replay first = typed(RaceLevel::Hard, 10, 1000);
    QVERIFY(keepreplay(first).newbest);
    QCOMPARE(keepshowbest(false), QString());
    const KeptRace second = keepreplay(typed(RaceLevel::Hard, 9, 1000));
    QVERIFY(second.kept && !second.newbest);
    QCOMPARE(second.before, std::optional(first));
    ReplaysRead read = loadreplays();
    QCOMPARE(read.trouble, QString());
    QCOMPARE(read.book.bestof(RaceLevel::Hard), std::optional(first));
    QCOMPARE(read.book.recent[2].size(), 2);
    QVERIFY(!read.book.showbest);

    // A damaged file is set aside whole by the next race, which keeps the replays that could be
    // read; it is said then, once.
    const Replay easy = typed(RaceLevel::Easy, 3, 1000, 5000);
    fixture.writefile(replaysfilename, header() + "\"race\",\"Hard\",1,\"9:175\"\r\n" +
                                           replayline(QStringLiteral("best"), easy));
    read = loadreplays();
    QCOMPARE(read.trouble, QString());
    QCOMPARE(read.book.bestof(RaceLevel::Easy), std::optional(easy));
    const KeptRace kept = keepreplay(first);
    QVERIFY(kept.kept && kept.newbest);
    QCOMPARE(kept.trouble, "replays.dat was damaged: it is kept as replays.dat.damaged, and what "
                           "could be read of it is used.");
    QByteArray aside;
    QVERIFY(readwholefile(fixture.folder() + "replays.dat.damaged", aside));
    QVERIFY(aside.contains("\"9:175\"\r\n"));
    read = loadreplays();
    QCOMPARE(read.book.bestof(RaceLevel::Hard), std::optional(first));
    QCOMPARE(read.book.bestof(RaceLevel::Easy), std::optional(easy));
    QCOMPARE(keepreplay(first).trouble, QString());

    // An empty file is no file: the race begins it.
    fixture.writefile(replaysfilename, QByteArray());
    QCOMPARE(loadreplays().trouble, QString());
    QVERIFY(keepreplay(first).newbest);
    QCOMPARE(loadreplays().book.bestof(RaceLevel::Hard), std::optional(first));
    QVERIFY(!QFile::exists(fixture.folder() + "replays.dat.damaged-2"));
}

// A friend's disk: the ghost goes beside "battle.dat" and comes back; a link in its place is
// refused by name, and nothing is written through it.
void ReplayTest::diskghostfile() {
    GameFixture fixture;
    keepreplay(typed(RaceLevel::Easy, 35, 1000));
    QTemporaryDir disk;
    const QString battle = disk.filePath("battle.dat");
    QCOMPARE(putghostondisk(battle, "Ana \"Ace\""), QString());
    QString trouble;
    const std::optional<DiskGhost> ghost = readghostfile(ghostpath(battle), trouble);
    QVERIFY(ghost);
    QCOMPARE(ghost->name, "Ana 'Ace'");
    QCOMPARE(ghost->best[0], std::optional(typed(RaceLevel::Easy, 35, 1000)));
    QVERIFY(!ghost->best[1]);

    QVERIFY(QFile::remove(ghostpath(battle)));
    QVERIFY(QFile::link(fixture.folder() + "elsewhere.dat", ghostpath(battle)));
    QVERIFY(!readghostfile(ghostpath(battle), trouble));
    QCOMPARE(trouble, "ghost.dat could not be read: it is a symbolic link, which the game never "
                      "follows on a battle disk.");
    QVERIFY(!putghostondisk(battle, "Ana").isEmpty());
    QVERIFY(!QFile::exists(fixture.folder() + "elsewhere.dat"));
}

QTEST_GUILESS_MAIN(ReplayTest)
#include "replay_test.moc"
