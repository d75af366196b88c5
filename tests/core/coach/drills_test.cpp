#include "coach/drillwords.h"
#include "coach/mistypeddrill.h"
#include "coach/owntextdrill.h"
#include "coach/weakkeysdrill.h"
#include "coach/weakpairsdrill.h"
#include "stats/keytallies.h"
#include "support/fakes.h"

#include <QDir>
#include <QRegularExpression>
#include <QTest>

#include <functional>
#include <memory>

using MakeDrill = std::function<std::unique_ptr<Drill>(const GameFixture&, PlaceKeeper&)>;
Q_DECLARE_METATYPE(MakeDrill)

class DrillsTest : public QObject {
    Q_OBJECT
private slots:
    void drillsaskandend_data();
    void drillsaskandend();
    void pairshares_data();
    void pairshares();
};

namespace {

// Typed fast and never missed: at any target the coach offers, the key has reached it.
KeyStat fastkey() {
    KeyStat stat;
    stat.addrecord(100, 0, 100 * 100, 100);
    return stat;
}
const KeyStat fast = fastkey();

MakeDrill weak(const QString& words, QChar focus, const QString& inplay,
               std::function<KeyStat(QChar)> stat) {
    return [=](const GameFixture&, PlaceKeeper&) {
        const DrillWords model(words.split(QLatin1Char(' ')));
        return std::make_unique<WeakKeysDrill>(model, FocusChoice{focus, {}}, inplay, 7,
                                               KeyJudge{stat, [] { return 35; }});
    };
}

// `ever`: entries were mistyped before, and typed clean since.
MakeDrill mistyped(const QHash<QString, std::int64_t>& entries, bool ever = false) {
    return [=](const GameFixture&, PlaceKeeper&) {
        return std::make_unique<MistypedDrill>(entries, 7, ever);
    };
}

// An own text of these sentences; `place` is kept for it beforehand, unless negative.
MakeDrill owntext(const QStringList& sentences, bool reading, int place = -1) {
    return [=](const GameFixture& fixture, PlaceKeeper& places) {
        const QString path = QDir(fixture.folder()).filePath(QStringLiteral("mine.txt"));
        if (place >= 0)
            keepplace(path, place);
        return std::make_unique<OwnTextDrill>(OwnText{path, sentences, {}}, reading, places);
    };
}

// A weak-pairs drill of these words and keys in play, after a record of pairs typed so slowly
// ("se400x20": twenty times in 400 ms) over keys typed in 200 ms.
MakeDrill pairs(const QString& words, const QString& inplay, const QString& slow) {
    return [=](const GameFixture&, PlaceKeeper&) {
        TypingRecord r;
        r.ended = QDateTime(QDate(2026, 12, 8), QTime(12, 0));
        r.activity = QStringLiteral("Drill");
        r.result = QStringLiteral("Completed");
        for (QChar key : QStringLiteral("sateoinmbux"))
            r.counts.keytime[key] = {200 * 40, 40};
        for (const QString& pair : slow.split(QLatin1Char(' '), Qt::SkipEmptyParts)) {
            const std::int64_t ms = pair.sliced(2).section(QLatin1Char('x'), 0, 0).toLongLong();
            const std::int64_t times = pair.sliced(2).section(QLatin1Char('x'), 1).toLongLong();
            r.counts.pairtime[letterpair(pair[0], pair[1])] = {ms * times, times};
            r.counts.keytime[pair[1]].add(ms * times, times);
        }
        r.counts.tally.charstyped = 10000;
        PairTimes times;
        throughline(r, [&times](const StatsLine& line) { times.add(line); });
        return std::make_unique<WeakPairsDrill>(
            buildpairdrill(words.split(QLatin1Char(' ')), times, {}, inplay, 7));
    };
}

// Twenty entries, every fourth any word of `inplay`, the others holding one of the pairs.
QStringList pairwords(const QStringList& pairs, const QString& inplay) {
    QStringList out;
    for (int i = 0; i < 20; ++i)
        out << (i % 4 != 3 ? pairs.join(QLatin1Char('|')) : QStringLiteral("^[%1]+$").arg(inplay));
    return out;
}

} // namespace

void DrillsTest::drillsaskandend_data() {
    QTest::addColumn<MakeDrill>("make");
    QTest::addColumn<QList<bool>>("wrongkeys"); // each entry typed with a wrong key or not
    QTest::addColumn<QString>("startnote");
    QTest::addColumn<QStringList>("entries"); // what each entry in turn matches
    QTest::addColumn<QString>("keys");        // the keys shown for the first entry
    QTest::addColumn<QStringList>("said");    // what typing the entries made the coach say
    QTest::addColumn<QString>("level");

    const QString words = QStringLiteral(
        "sat sea mass so is as sun set miss base sea seat east tea toss sit its eats ate");
    const QString letters = QStringLiteral("sateoinmbu");
    const QStringList twentys(20, QStringLiteral("s"));
    const QStringList three{"One.", "Two, too!", "Three."};
    const QString cantkeep =
        QStringLiteral("textplaces.dat could not be read: it is a folder, a device or a pipe, not "
                       "a file. Where you stop in this text is not kept.");
    auto never = [](QChar) { return KeyStat{}; };
    auto always = [](QChar) { return fast; };
    // Not yet at the start, there after the first entry.
    auto soon = [] {
        return [calls = std::make_shared<int>(0)](QChar) {
            return (*calls)++ == 0 ? KeyStat{} : fast;
        };
    };
    const QString weakkeys = QStringLiteral("Weak keys");
    const QString mistypedentries = QStringLiteral("Mistyped entries");
    const QString own = QStringLiteral("Own text");
    const QString weakpairs = QStringLiteral("Weak pairs");
    const QString none;

    // clang-format off
    QTest::newRow("weak keys, the focus not reached")
        << weak(words, 's', letters, never) << QList<bool>{} << none << twentys << "s"
        << QStringList{} << weakkeys;
    QTest::newRow("weak keys, the focus reaches the target")
        << weak(words, 's', letters, soon()) << QList<bool>{} << none << twentys << "s"
        << QStringList{"s reached 35 WPM"} << weakkeys;
    QTest::newRow("weak keys, reached before the drill")
        << weak(words, 's', letters, always) << QList<bool>{} << none << twentys << "s"
        << QStringList{} << weakkeys;
    QTest::newRow("weak keys, a mark is named")
        << weak(words, '.', letters + ".", soon()) << QList<bool>{} << none
        << QStringList(20, "\\.") << "." << QStringList{". reached 35 WPM"} << weakkeys;
    QTest::newRow("weak keys, the focus not in play")
        << weak(words, 'q', letters, never) << QList<bool>{}
        << "No key is in play to build a drill from." << QStringList{} << "q"
        << QStringList{} << weakkeys;
    QTest::newRow("weak pairs, the slowest three")
        << pairs(words, letters, "se400x20 ea380x20 at360x20 ta200x20") << QList<bool>{}
        << none << pairwords({"se", "ea", "at"}, letters) << "east" << QStringList{} << weakpairs;
    // Each pair against its second key alone, whose timings hold the pair's too: a, slowed by ea
    // and ta, leaves ea second; no word holds ta, so ss comes in.
    QTest::newRow("weak pairs, up to five while slow")
        << pairs(words, letters, "se400x20 ea390x20 at380x20 ta370x20 is360x20 ss350x20")
        << QList<bool>{} << none << pairwords({"se", "is", "ea", "at", "ss"}, letters) << "seati"
        << QStringList{} << weakpairs;
    QTest::newRow("weak pairs, one no word holds passed over")
        << pairs(words, letters, "bu500x20 se400x20 ea380x20 at360x20") << QList<bool>{}
        << none << pairwords({"se", "ea", "at"}, letters) << "seat" << QStringList{} << weakpairs;
    QTest::newRow("weak pairs, only of keys in play")
        << pairs(words, letters, "xe500x20 se400x20") << QList<bool>{} << none
        << pairwords({"se"}, letters) << "se" << QStringList{} << weakpairs;
    QTest::newRow("weak pairs, none timed often enough")
        << pairs(words, letters, "se400x19") << QList<bool>{}
        << "No letter pair of the keys in play has been typed 20 times yet: practise or drill a "
           "while first." << QStringList{} << "" << QStringList{} << weakpairs;
    QTest::newRow("mistyped, a wrong key brings the entry back")
        << mistyped({{"sea", 2}}) << QList<bool>{true, true, false} << none
        << QStringList{"^sea$", "^sea$", "^sea$"} << "sea" << QStringList{} << mistypedentries;
    QTest::newRow("mistyped, keys once each, no blanks, twelve at most")
        << mistyped({{"the quick brown fox jumps", 1}}) << QList<bool>{} << none
        << QStringList{"^the quick brown fox jumps$"} << "thequickbrow" << QStringList{}
        << mistypedentries;
    QTest::newRow("mistyped, none yet")
        << mistyped({}) << QList<bool>{} << "No mistyped entries yet: practise or race first."
        << QStringList{} << "" << QStringList{} << mistypedentries;
    QTest::newRow("mistyped, every one typed clean since")
        << mistyped({}, true) << QList<bool>{}
        << "No mistyped entries left: every one you mistyped has since been typed clean."
        << QStringList{} << "" << QStringList{} << mistypedentries;
    QTest::newRow("own text, from the top")
        << owntext(three, false) << QList<bool>{} << none
        << QStringList{"^One\\.$", "^Two, too!$", "^Three\\.$"} << "One." << QStringList{} << own;
    QTest::newRow("own text, from where the player stopped")
        << owntext(three, false, 1) << QList<bool>{} << none
        << QStringList{"^Two, too!$", "^Three\\.$"} << "Two,t!" << QStringList{} << own;
    QTest::newRow("own text, a place past the end starts again")
        << owntext(three, false, 3) << QList<bool>{} << none
        << QStringList{"^One\\.$", "^Two, too!$", "^Three\\.$"} << "One." << QStringList{} << own;
    QTest::newRow("own text, still being read")
        << owntext(three, true) << QList<bool>{} << "The text is still being read."
        << QStringList{} << "" << QStringList{} << own;
    QTest::newRow("own text, none chosen")
        << owntext({}, false) << QList<bool>{} << "Choose a text to type first."
        << QStringList{} << "" << QStringList{} << own;
    // clang-format on
    QTest::newRow("own text, the place cannot be kept")
        << MakeDrill([three](const GameFixture& fixture, PlaceKeeper& places) {
               QDir(fixture.folder()).mkdir(QStringLiteral("textplaces.dat"));
               return owntext(three, false)(fixture, places);
           })
        << QList<bool>{} << none << QStringList{"^One\\.$", "^Two, too!$", "^Three\\.$"} << "One."
        << QStringList{cantkeep} << own;
}

// A drill typed from start to end, entry by entry, as the coach's window types it.
void DrillsTest::drillsaskandend() {
    QFETCH(MakeDrill, make);
    QFETCH(QList<bool>, wrongkeys);
    QFETCH(QString, startnote);
    QFETCH(QStringList, entries);
    QFETCH(QString, keys);
    QFETCH(QStringList, said);
    QFETCH(QString, level);
    GameFixture fixture;
    PlaceKeeper places;
    std::unique_ptr<Drill> drill = make(fixture, places);
    QCOMPARE(drill->level(), level);
    QCOMPARE(drill->start(), startnote);
    const QList<QChar> shown = drill->keys();
    QCOMPARE(QString(shown.constData(), shown.size()), keys);
    QStringList asked;
    QStringList notes;
    while (!drill->finished() && asked.size() <= 100) {
        asked.append(drill->entry());
        const bool wrong = asked.size() <= wrongkeys.size() && wrongkeys[asked.size() - 1];
        const QString note = drill->typed(wrong);
        if (!note.isEmpty())
            notes.append(note);
    }
    QCOMPARE(drill->entry(), QString());
    // The place goes to the file when the drill stops, and a write that fails is told.
    connect(&places, &PlaceKeeper::said, this,
            [&notes](const QString& note) { notes.append(note); });
    places.write();
    places.finishwriting();
    QCoreApplication::sendPostedEvents(&places);
    QCOMPARE(asked.size(), entries.size());
    for (qsizetype i = 0; i < asked.size(); ++i)
        QVERIFY2(asked[i].contains(QRegularExpression(entries[i])), qPrintable(asked[i]));
    QCOMPARE(notes, said);
}

void DrillsTest::pairshares_data() {
    QTest::addColumn<QString>("times"); // each drilled pair's smoothed ms, slowest first
    QTest::addColumn<QString>("shares");
    // clang-format off
    QTest::newRow("the shares follow how far over")      << "500 450 400"         << "7 5 3";
    QTest::newRow("one far the slowest: most words")     << "700 420 410"         << "9 3 3";
    QTest::newRow("far the slowest: a third at least")   << "600 420 410 400 390" << "7 3 2 2 1";
    QTest::newRow("none over the target: even")          << "340 330 320"         << "5 5 5";
    QTest::newRow("one pair: every word")                << "500"                 << "15";
    // clang-format on
}

// How the fifteen pair words of a weak-pairs drill are shared at 35 WPM (343 ms a key).
void DrillsTest::pairshares() {
    QFETCH(QString, times);
    QList<PairStanding> pairs;
    for (const QString& ms : times.split(QLatin1Char(' ')))
        pairs.append({letterpair(QLatin1Char('a'), QLatin1Char('b')), ms.toDouble()});
    QStringList shares;
    for (int share : ::pairshares(pairs, targetms(35), 15))
        shares << QString::number(share);
    QTEST(shares.join(QLatin1Char(' ')), "shares");
}

QTEST_GUILESS_MAIN(DrillsTest)
#include "drills_test.moc"
