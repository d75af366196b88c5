#include "common/bytelines.h"
#include "stats/statsexport.h"
#include "stats/statsfile.h"
#include "stats/statshistory.h"
#include "stats/statssummary.h"

#include <QTest>

#include <algorithm>
#include <limits>

namespace {

TypingRecord sample(const QString& career) {
    TypingRecord r;
    r.ended = QDateTime(QDate(2026, 12, 8), QTime(13, 30, 5));
    r.career = career;
    r.activity = QStringLiteral("Practice");
    r.level = QStringLiteral("Coming Along Well");
    r.result = QStringLiteral("Restarted");
    r.counts.tally = {42000, 15, 80, 90, 4, 3};
    r.counts.expected = {{QLatin1Char('a'), 30}, {QLatin1Char(' '), 5}, {QChar(0x20AC), 2}};
    r.counts.missed = {{QLatin1Char('a'), 3}, {QChar(0x20AC), 1}};
    r.counts.keytime = {
        {QLatin1Char('a'), {6000, 25}}, {QLatin1Char(' '), {5000, 20}}, {QChar(0x20AC), {3000, 2}}};
    // A share of a's timings; Ž is a letter of the code page's own.
    r.counts.pairtime = {{letterpair(QLatin1Char('b'), QLatin1Char('a')), {2400, 10}},
                         {letterpair(QChar(0x17D), QLatin1Char('a')), {480, 2}}};
    r.counts.mistyped = {{QStringLiteral("the end"), 2}, {QStringLiteral("x, y"), 1}};
    return r;
}

QByteArray goodline() {
    return statsline(sample(QStringLiteral("Ace")));
}

QByteArray with(const char* from, const char* to, const char* from2 = "", const char* to2 = "") {
    QByteArray line = goodline();
    return line.replace(from, to).replace(from2, to2);
}

} // namespace

class StatsFileTest : public QObject {
    Q_OBJECT
private slots:
    void reads_data();
    void reads();
    void summaries_data();
    void summaries();
    void exportcells_data();
    void exportcells();
    void layouts_data();
    void layouts();
    void choices_data();
    void choices();
};

void StatsFileTest::reads_data() {
    const QByteArray good = goodline();
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<int>("records");
    QTest::addColumn<qint64>("unreadable");
    QTest::addColumn<QString>("career"); // of the last record read
    QTest::addColumn<int>("timed");      // the last record read has: 2 key and pair times, 1 keys'

    // clang-format off
    QTest::newRow("written line") << good << 1 << 0LL << "Ace" << 2;
    // A name with a comma stays whole; a quote, which the format can't hold, becomes a single one.
    QTest::newRow("comma and quote in the name") << statsline(sample("Ace, \"Jr\"")) << 1 << 0LL << "Ace, 'Jr'" << 2;
    QTest::newRow("line break in the name") << statsline(sample("A\r\nB")) << 1 << 0LL << "A  B" << 2;
    QTest::newRow("later version with a new name") << with("\"keystrider-stats\",1,", "\"keystrider-stats\",2,\"pace\",\"steady\",") << 1 << 0LL << "Ace" << 2;
    QTest::newRow("LF only, blank lines between") << good.chopped(2) + "\n\r\n\n" + good << 2 << 0LL << "Ace" << 2;
    QTest::newRow("torn last line") << good + good.left(good.size() / 2) << 1 << 1LL << "Ace" << 2;
    QTest::newRow("torn at its line end") << good + good.chopped(2) << 1 << 1LL << "Ace" << 2;
    QTest::newRow("hall of fame line") << QByteArray("\"Ace scored 4500 points!\"\r\n") << 0 << 1LL << "" << 2;
    QTest::newRow("count not a number") << with("\"typed\",90", "\"typed\",9x0") << 0 << 1LL << "" << 2;
    QTest::newRow("negative count") << with("\"wrong\",4", "\"wrong\",-4") << 0 << 1LL << "" << 2;
    QTest::newRow("more wrong than typed") << with("\"wrong\",4", "\"wrong\",91") << 0 << 1LL << "" << 2;
    QTest::newRow("count past 64 bits") << with("\"ms\",42000", "\"ms\",9223372036854775808") << 0 << 1LL << "" << 2;
    QTest::newRow("no such date") << with("2026-12-08", "2026-13-08") << 0 << 1LL << "" << 2;
    QTest::newRow("required name missing") << with("\"result\",\"Restarted\",", "") << 0 << 1LL << "" << 2;
    QTest::newRow("name without value") << with("\r\n", ",\"extra\"\r\n") << 0 << 1LL << "" << 2;
    QTest::newRow("character code 0") << with("\"32:5", "\"0:5") << 0 << 1LL << "" << 2;
    QTest::newRow("older line without keytime") << with("\"keytime\",\"32:5000:20 97:6000:25 8364:3000:2\",", "", "\"pairtime\",\"ba2400:10 \x8e" "a480:2\",", "") << 1 << 0LL << "Ace" << 0;
    QTest::newRow("older line without pairtime") << with("\"pairtime\",\"ba2400:10 \x8e" "a480:2\",", "") << 1 << 0LL << "Ace" << 1;
    // A pair's timings are a share of its second key's: never more of them, nor more time.
    QTest::newRow("pair of a letter and a digit") << with("ba2400:10", "b12400:10") << 0 << 1LL << "" << 2;
    QTest::newRow("pair without its time") << with("\x8e" "a480:2", "\x8e" "a") << 0 << 1LL << "" << 2;
    QTest::newRow("pair count of 1 written out") << with("\x8e" "a480:2", "\x8e" "a240:1") << 0 << 1LL << "" << 2;
    QTest::newRow("pair mean of 2 s") << with("ba2400:10", "ba4000:2") << 0 << 1LL << "" << 2;
    QTest::newRow("pairs timed more than their key") << with("ba2400:10", "ba2400:24") << 0 << 1LL << "" << 2;
    QTest::newRow("pairs' time past their key's") << with("ba2400:10", "ba5600:10") << 0 << 1LL << "" << 2;
    QTest::newRow("pair of a key never timed") << with("\x8e" "a480:2", "\x8e" "b480:2") << 0 << 1LL << "" << 2;
    QTest::newRow("keytime without its count") << with("32:5000:20 ", "32:5000 ") << 0 << 1LL << "" << 2;
    QTest::newRow("keytime with a third count") << with("32:5000:20 ", "32:5000:20:1 ") << 0 << 1LL << "" << 2;
    QTest::newRow("keytime negative") << with("97:6000:25", "97:-6000:25") << 0 << 1LL << "" << 2;
    // Typing times the game can't have counted: a gap of 2 s or more, a time with no gap, more
    // gaps than keys typed.
    QTest::newRow("keytime mean of 2 s") << with("97:6000:25", "97:50000:25") << 0 << 1LL << "" << 2;
    QTest::newRow("keytime far past any gap") << with("97:6000:25", "97:6000:25 101:99999999999:25") << 0 << 1LL << "" << 2;
    QTest::newRow("keytime without gaps") << with("97:6000:25", "97:6000:0") << 0 << 1LL << "" << 2;
    QTest::newRow("more gaps than keys typed") << with("\"typed\",90", "\"typed\",46") << 0 << 1LL << "" << 2;
    QTest::newRow("CR alone between lines") << good.chopped(2) + "\r" + good << 2 << 0LL << "Ace" << 2;
    QTest::newRow("unclosed quote") << with("\"Ace\"", "\"Ace") << 0 << 1LL << "" << 2;
    QTest::newRow("two damaged among good ones") << good + "garbage\r\n" + good + "\"keystrider-stats\",x\r\n" << 2 << 2LL << "Ace" << 2;
    QTest::newRow("empty file") << QByteArray() << 0 << 0LL << "" << 2;
    // clang-format on
}

void StatsFileTest::reads() {
    QFETCH(QByteArray, bytes);
    QFETCH(int, records);
    const StatsHistory read = readstatshistory(bytes, 1);
    const StatsBook& book = read.book;
    QCOMPARE(book.rows().size(), records);
    QTEST(qint64(read.unreadable), "unreadable");
    // Read in parts at once, each laid over the parts before it, to the same end: every row with
    // its texts, and each career's tallies.
    for (int parts = 2; parts <= 4; ++parts) {
        const StatsHistory inparts = readstatshistory(bytes, parts);
        QCOMPARE(inparts.book.rows().size(), records);
        QCOMPARE(inparts.unreadable, read.unreadable);
        for (qsizetype i = 0; i < records; ++i)
            QCOMPARE(inparts.book.text(inparts.book.rows()[i].career),
                     book.text(book.rows()[i].career));
        QCOMPARE(inparts.book.tallies().keys(), book.tallies().keys());
        for (auto it = book.tallies().cbegin(); it != book.tallies().cend(); ++it) {
            const CareerTally& other = inparts.book.tallies()[it.key()];
            QCOMPARE(other.tally.charstyped, it.value().tally.charstyped);
            QCOMPARE(other.entries, it.value().entries);
            QCOMPARE(other.keys().size(), it.value().keys().size());
        }
    }
    if (records == 0)
        return;
    QTEST(book.text(book.rows().last().career), "career");
    // Whatever was read back is the record written, to the character.
    TypingRecord r;
    QByteArrayView rest(bytes);
    for (QByteArrayView line; nextline(rest, line);)
        if (TypingRecord read; parsestatsline(line.trimmed().toByteArray(), read))
            r = read;
    QFETCH(int, timed);
    TypingRecord written = sample(r.career);
    if (timed < 2)
        written.counts.pairtime.clear();
    if (timed < 1)
        written.counts.keytime.clear();
    QCOMPARE(statsline(r), statsline(written));
    QCOMPARE(r.counts.mistyped.value(QStringLiteral("the end")), 2);
    QCOMPARE(r.counts.missed.value(QChar(0x20AC)), 1);
    // Summed over many records the counts stop at the top instead of wrapping.
    TypingRecord huge = r;
    huge.counts.tally.milliseconds = std::numeric_limits<std::int64_t>::max();
    StatsBook more = book;
    more.add(huge);
    more.add(huge);
    const StatsSummary s = summarise(more, {});
    QCOMPARE(s.tally.milliseconds, std::numeric_limits<std::int64_t>::max());
    QCOMPARE(s.exercises, std::int64_t(records + 2));
    // The euro sign, missed half the time, came up too rarely to rank.
    QCOMPARE(s.keys.first().key, QLatin1Char('a'));
    QVERIFY(std::none_of(s.keys.cbegin(), s.keys.cend(),
                         [](const KeyMisses& k) { return k.key == QChar(0x20AC); }));
    // The space bar, 250 ms a key, is slower than a at 240; the euro sign was timed too rarely.
    if (timed)
        QCOMPARE((QList<double>{double(s.slowkeys.first().key.unicode()),
                                s.slowkeys.first().meantime(), double(s.slowkeys.size())}),
                 (QList<double>{32, 250, 2}));
    QCOMPARE(s.entries.first().entry, QStringLiteral("the end"));
    QCOMPARE(s.entries.first().times, 2 * (records + 2));
    // Narrowed to one career, only its records count.
    more.add(sample(QStringLiteral("Bea")));
    QCOMPARE(summarise(more, {QStringLiteral("Bea"), {}}).shown, QList<qsizetype>{records + 2});
}

void StatsFileTest::summaries_data() {
    // Each record "ms matched typed wrong".
    QTest::addColumn<QStringList>("records");
    QTest::addColumn<QString>("average");
    QTest::addColumn<QString>("best");
    QTest::addColumn<QString>("recentaccuracy");
    const QStringList tenfine(9, QStringLiteral("6000 10 10 1"));
    // clang-format off
    // The time weighs: not the 60.0 an average of the two speeds would give.
    QTest::newRow("10 s at 100 WPM and 10 min at 20 WPM") << QStringList{"10200 85 85 0", "600000 1000 1000 0"} << "21.3" << "100.0" << "100 %";
    QTest::newRow("one record") << QStringList{"60000 250 260 13"} << "50.0" << "50.0" << "95 %";
    // Keystrokes pooled: not the 50 % an average of the two records' accuracy would give.
    QTest::newRow("accuracy over the keystrokes together") << QStringList{"60000 100 100 0", "60000 0 2 2"} << "10.0" << "20.0" << "98 %";
    QTest::newRow("last ten leave out the eleventh and records with nothing typed") << QStringList{"1000 0 100 100", "1000 10 10 0"} + tenfine + QStringList{"1000 0 0 0"} << "21.1" << "120.0" << "91 %";
    QTest::newRow("nothing typed at all") << QStringList{"1000 0 0 0"} << "0.0" << "0.0" << "unknown";
    QTest::newRow("no typing time") << QStringList{"0 10 10 0"} << "0.0" << "0.0" << "100 %";
    // clang-format on
}

void StatsFileTest::summaries() {
    QFETCH(QStringList, records);
    StatsBook book;
    for (const QString& record : records) {
        const QStringList n = record.split(QLatin1Char(' '));
        TypingRecord r = sample(QStringLiteral("Ace"));
        r.counts.tally = {n[0].toLongLong(), 1, n[1].toLongLong(), n[2].toLongLong(),
                          n[3].toLongLong(), 0};
        // A record of two keystrokes times no 25 of them.
        r.counts.keytime.clear();
        r.counts.pairtime.clear();
        book.add(r);
    }
    const StatsSummary s = summarise(book, {});
    QTEST(speedtext(s.averagespeed), "average");
    QTEST(speedtext(s.bestspeed), "best");
    QTEST(s.recentaccuracy ? percenttext(*s.recentaccuracy) : QStringLiteral("unknown"),
          "recentaccuracy");
}

void StatsFileTest::exportcells_data() {
    QTest::addColumn<QString>("career");
    QTest::addColumn<QByteArray>("cell");
    // clang-format off
    QTest::newRow("plain")               << "Ace"       << QByteArray("Ace");
    QTest::newRow("comma")               << "Ace, Jr"   << QByteArray("\"Ace, Jr\"");
    // A spreadsheet would take these for formulas: they are written as text.
    QTest::newRow("equals")              << "=1+2"      << QByteArray("'=1+2");
    QTest::newRow("plus")                << "+1"        << QByteArray("'+1");
    QTest::newRow("minus")               << "-1+1"      << QByteArray("'-1+1");
    QTest::newRow("at")                  << "@SUM(A1)"  << QByteArray("'@SUM(A1)");
    QTest::newRow("formula and a comma") << "=A1,B1"    << QByteArray("\"'=A1,B1\"");
    QTest::newRow("equals inside")       << "Ace=1"     << QByteArray("Ace=1");
    // clang-format on
}

void StatsFileTest::exportcells() {
    QFETCH(QString, career);
    QFETCH(QByteArray, cell);
    StatsBook book;
    book.add(sample(career));
    const QList<QByteArray> lines = statscsv(book, {0}).split('\n');
    QVERIFY2(lines[1].startsWith("2026-12-08 13:30," + cell + ",Practice,"), lines[1]);
    // The counts are never touched.
    // The keys typed instead come last: the sample has none.
    QVERIFY(lines[1].endsWith(",42000,15,80,90,4,3,12,2880,\r"));
}

void StatsFileTest::layouts_data() {
    QTest::addColumn<QStringList>("layouts"); // each record's layout in turn; empty the desktop's
    QTest::addColumn<qint64>("desktop");      // a's dues on the desktop's layout
    QTest::addColumn<qint64>("dvorak");       // and on Dvorak learnt in the coach
    // clang-format off
    QTest::newRow("older lines are the desktop's") << QStringList{"", ""}                         << 60LL << 0LL;
    QTest::newRow("a layout learnt kept apart")    << QStringList{"", "us(dvorak)", "us(dvorak)"}  << 30LL << 60LL;
    QTest::newRow("two layouts learnt apart")      << QStringList{"us(colemak)", "us(dvorak)", ""} << 30LL << 30LL;
    // clang-format on
}

// A record typed on a layout learnt says so in a field of its own, last; its keys move that
// layout's figures alone, read whole or in parts.
void StatsFileTest::layouts() {
    QFETCH(QStringList, layouts);
    QByteArray bytes;
    for (const QString& layout : std::as_const(layouts)) {
        TypingRecord r = sample(QStringLiteral("Ace"));
        r.layout = layout;
        const QByteArray line = statsline(r);
        QCOMPARE(line.endsWith(",\"layout\",\"" + layout.toLatin1() + "\"\r\n"), !layout.isEmpty());
        QCOMPARE(line.contains("\"layout\""), !layout.isEmpty());
        TypingRecord back;
        QVERIFY(parsestatsline(line.chopped(2), back));
        QCOMPARE(back.layout, layout);
        bytes += line;
    }
    for (int parts = 1; parts <= 3; ++parts) {
        const StatsHistory read = readstatshistory(bytes, parts);
        QTEST(qint64(read.keysof(QString()).stat(QLatin1Char('a')).due), "desktop");
        QTEST(qint64(read.keysof(QStringLiteral("us(dvorak)")).stat(QLatin1Char('a')).due),
              "dvorak");
        QCOMPARE(read.book.rows().size(), layouts.size());
        // The pairs too: "ba" is timed ten times a record.
        const LetterPair ba = letterpair(QLatin1Char('b'), QLatin1Char('a'));
        QCOMPARE(qint64(read.pairsof(QStringLiteral("us(dvorak)")).pair(ba).timed),
                 read.keysof(QStringLiteral("us(dvorak)")).stat(QLatin1Char('a')).due / 3);
        QCOMPARE(qint64(read.pairsof(QString()).pair(ba).timed),
                 read.keysof(QString()).stat(QLatin1Char('a')).due / 3);
    }
}

void StatsFileTest::choices_data() {
    QTest::addColumn<std::optional<QString>>("career");
    QTest::addColumn<std::optional<QString>>("layout"); // empty: the desktop's
    QTest::addColumn<int>("rows");
    const std::optional<QString> every;
    const std::optional<QString> ace = QStringLiteral("Ace");
    const std::optional<QString> bea = QStringLiteral("Bea");
    const std::optional<QString> desktop = QString();
    const std::optional<QString> dvorak = QStringLiteral("us(dvorak)");
    const std::optional<QString> colemak = QStringLiteral("us(colemak)");
    // clang-format off
    QTest::newRow("everything")              << every                          << every                  << 8;
    QTest::newRow("a career, every layout")  << ace                            << every                  << 5;
    QTest::newRow("the desktop's layout")    << every                          << desktop                << 4;
    QTest::newRow("a layout learnt")         << every                          << dvorak                 << 3;
    QTest::newRow("a career on the desktop") << ace                            << desktop                << 2;
    QTest::newRow("a career on one learnt")  << bea                            << dvorak                 << 1;
    QTest::newRow("learnt late, once")       << ace                            << colemak                << 1;
    QTest::newRow("never on that layout")    << bea                            << colemak                << 0;
    QTest::newRow("a layout never typed")    << every                          << std::optional<QString>(QStringLiteral("fr(bepo)")) << 0;
    QTest::newRow("a career never seen")     << std::optional<QString>(QStringLiteral("Cy")) << every << 0;
    // clang-format on
}

// The statistics show one career or all and one layout or all. Each choice adds up to what its
// records alone would, in whole or in parts, the smoothed pair times too: those can't be added up
// afterwards, so each choice's are kept as the records come.
void StatsFileTest::choices() {
    QFETCH(std::optional<QString>, career);
    QFETCH(std::optional<QString>, layout);
    // The first layout learnt comes in a later part of the file than the first record.
    const QList<std::tuple<const char*, const char*, int>> typed{
        {"Ace", "", 100},           {"Bea", "", 200},           {"Ace", "", 150},
        {"Ace", "us(dvorak)", 300}, {"Bea", "us(dvorak)", 400}, {"Ace", "us(colemak)", 250},
        {"Bea", "", 120},           {"Ace", "us(dvorak)", 350}};
    QByteArray bytes;
    QByteArray chosen;
    for (const auto& [name, on, ms] : typed) {
        TypingRecord r = sample(QLatin1String(name));
        r.layout = QLatin1String(on);
        r.counts.pairtime[letterpair(QLatin1Char('b'), QLatin1Char('a'))] = {ms * 10, 10};
        bytes += statsline(r);
        if ((!career || *career == r.career) && (!layout || *layout == r.layout))
            chosen += statsline(r);
    }
    const StatsBook alone = readstatshistory(chosen, 1).book;
    const LetterPair ba = letterpair(QLatin1Char('b'), QLatin1Char('a'));
    for (int parts = 1; parts <= 4; ++parts) {
        const StatsBook book = readstatshistory(bytes, parts).book;
        QCOMPARE(book.layouts(), (QStringList{"", "us(colemak)", "us(dvorak)"}));
        const StatsChoice choice{career, layout};
        QTEST(int(summarise(book, choice).shown.size()), "rows");
        QCOMPARE(book.tally(choice).tally.charstyped, alone.tally({}).tally.charstyped);
        QCOMPARE(book.tally(choice).keys().size(), alone.tally({}).keys().size());
        const SmoothedTime pair = book.pairs(choice).pair(ba);
        QCOMPARE(pair.timed, alone.pairs().pair(ba).timed);
        QVERIFY2(qAbs(pair.ms - alone.pairs().pair(ba).ms) < 1e-9,
                 qPrintable(QString::number(pair.ms)));
        QVERIFY(qAbs(book.pairs(choice).key(QLatin1Char('a')).ms -
                     alone.pairs().key(QLatin1Char('a')).ms) < 1e-9);
    }
}

QTEST_GUILESS_MAIN(StatsFileTest)
#include "statsfile_test.moc"
