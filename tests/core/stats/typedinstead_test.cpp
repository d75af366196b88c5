#include "stats/statsexport.h"
#include "stats/statsfile.h"
#include "stats/statshistory.h"
#include "stats/statssummary.h"
#include "stats/typingsession.h"

#include <QTest>

namespace {

// A record of one career that typed `target` as the box went through `boxes`, entry by entry.
TypingRecord typed(const QString& target, const QStringList& boxes) {
    KeystrokeCounter counter;
    std::int64_t ms = 0;
    for (const QString& box : boxes)
        counter.changed(target, box, ms += 150);
    TypingRecord r = endedrecord(QStringLiteral("Practice"), QStringLiteral("Easy"),
                                 QStringLiteral("Completed"), ms, counter.finish());
    r.ended = QDateTime(QDate(2026, 12, 9), QTime(22, 0));
    r.career = QStringLiteral("Ace");
    return r;
}

QByteArray insteadfield(const QByteArray& line) {
    const qsizetype at = line.indexOf("\"instead\",\"");
    return at < 0 ? QByteArray() : line.mid(at + 11, line.indexOf('"', at + 11) - at - 11);
}

} // namespace

class TypedInsteadTest : public QObject {
    Q_OBJECT
private slots:
    void counted_data();
    void counted();
    void read_data();
    void read();
};

// The key typed where a run of wrong keys began, against the key due there: counted, written,
// read back, summed, listed worst first and exported.
void TypedInsteadTest::counted_data() {
    QTest::addColumn<QString>("target");
    QTest::addColumn<QStringList>("boxes");
    QTest::addColumn<QByteArray>("field"); // as the line keeps it
    QTest::addColumn<QString>("summary");  // as the export shows it

    // clang-format off
    QTest::newRow("typed right") << "fox" << QStringList{"f", "fo", "fox"} << QByteArray() << "";
    QTest::newRow("c for x") << "fox" << QStringList{"f", "fo", "foc", "fo", "fox"} << QByteArray("120:99:1") << "c for x: 1";
    // A run of wrong keys began once: the keys after the first had no key of their own due.
    QTest::newRow("a run is one") << "fox" << QStringList{"f", "fo", "foc", "focv", "foc", "fo", "fox"} << QByteArray("120:99:1") << "c for x: 1";
    QTest::newRow("capital for small, Caps Lock") << "ab" << QStringList{"A", "", "a", "ab"} << QByteArray("97:65:1") << "A for a: 1";
    QTest::newRow("blank named") << "a b" << QStringList{"a", "ab", "a", "a ", "a b"} << QByteArray("32:98:1") << "b for Space: 1";
    QTest::newRow("twice, and another") << "xx y" << QStringList{"c", "", "x", "xc", "x", "xx", "xx ", "xx t", "xx ", "xx y"} << QByteArray("120:99:2 121:116:1") << "c for x: 2; t for y: 1";
    // clang-format on
}

void TypedInsteadTest::counted() {
    QFETCH(QString, target);
    QFETCH(QStringList, boxes);
    QFETCH(QByteArray, field);
    QFETCH(QString, summary);
    const TypingRecord record = typed(target, boxes);
    const QByteArray line = statsline(record);
    QCOMPARE(insteadfield(line), field);
    // Left out when there are none, as an older line has none.
    QCOMPARE(line.contains("\"instead\""), !field.isEmpty());
    TypingRecord back;
    QVERIFY(parsestatsline(line.chopped(2), back));
    QCOMPARE(back.counts.instead, record.counts.instead);
    QCOMPARE(statsline(back), line);
    // Each run that began wrong is one miss of the key due, and one key typed instead.
    std::int64_t swaps = 0, misses = 0;
    for (std::int64_t n : record.counts.instead)
        swaps += n;
    for (std::int64_t n : record.counts.missed)
        misses += n;
    QCOMPARE(swaps, misses);

    // Twice the record: the statistics count both, the export shows each row's own.
    const StatsHistory history = readstatshistory(line + line, 1);
    const StatsSummary s = summarise(history.book, {});
    QCOMPARE(s.swaps.size(), record.counts.instead.size());
    if (!s.swaps.isEmpty()) {
        QCOMPARE(s.swaps.first().second, 2 * worstswaps(record.counts.instead).first().second);
        QVERIFY(std::is_sorted(s.swaps.cbegin(), s.swaps.cend(),
                               [](const auto& a, const auto& b) { return a.second > b.second; }));
    }
    const QByteArray csv = statscsv(history.book, s.shown);
    const QList<QByteArray> rows = csv.split('\n');
    QVERIFY(rows.first().endsWith("Pair ms,Typed instead\r"));
    QVERIFY2(rows[1].endsWith("," + summary.toUtf8() + "\r"), rows[1].constData());
}

// A line's keys typed instead: each part the key due, the key typed and how often. One the game
// can't have written makes the line unreadable, as every table of a line does.
void TypedInsteadTest::read_data() {
    const QByteArray base = statsline(typed("fox", {"f", "fo", "foc", "fo", "fox"})).chopped(2);
    QTest::addColumn<QByteArray>("line");
    QTest::addColumn<bool>("readable");
    QTest::addColumn<qint64>("cforx");

    // clang-format off
    QTest::newRow("as written") << base << true << 1LL;
    QTest::newRow("older line without it") << QByteArray(base).replace(",\"instead\",\"120:99:1\"", "") << true << 0LL;
    QTest::newRow("empty") << QByteArray(base).replace("120:99:1", "") << true << 0LL;
    QTest::newRow("the same key twice adds up") << QByteArray(base).replace("120:99:1", "120:99:1 120:99:4") << true << 5LL;
    QTest::newRow("a key for itself") << QByteArray(base).replace("120:99:1", "120:120:1") << false << 0LL;
    QTest::newRow("no key typed") << QByteArray(base).replace("120:99:1", "120:0:1") << false << 0LL;
    QTest::newRow("past 16 bits") << QByteArray(base).replace("120:99:1", "120:65536:1") << false << 0LL;
    QTest::newRow("no count") << QByteArray(base).replace("120:99:1", "120:99") << false << 0LL;
    QTest::newRow("count of 0") << QByteArray(base).replace("120:99:1", "120:99:0") << false << 0LL;
    QTest::newRow("not a number") << QByteArray(base).replace("120:99:1", "x:c:1") << false << 0LL;
    // clang-format on
}

void TypedInsteadTest::read() {
    QFETCH(QByteArray, line);
    QFETCH(bool, readable);
    TypingRecord r;
    QCOMPARE(parsestatsline(line, r), readable);
    QTEST(qint64(r.counts.instead.value(keyswap(QLatin1Char('x'), QLatin1Char('c')))), "cforx");
    const StatsHistory history = readstatshistory(line + "\r\n", 1);
    QCOMPARE(history.unreadable, readable ? 0 : 1);
}

QTEST_GUILESS_MAIN(TypedInsteadTest)
#include "typedinstead_test.moc"
