#include "coach/confidence.h"
#include "stats/statshistory.h"

#include <QTest>

class KeyHistoryTest : public QObject {
    Q_OBJECT
private slots:
    void smoothing_data();
    void smoothing();
    void fromstats_data();
    void fromstats();
};

namespace {

// A record of `keystrokes` of the key "a", each typed in `ms`, `missed` of them missed.
QByteArray record(int keystrokes, int ms, int missed, const QByteArray& more = {}) {
    return "\"keystrider-stats\",1,\"ended\",\"2026-12-08 13:30:05\",\"activity\",\"Drill\","
           "\"result\",\"Completed\",\"ms\",9,\"entries\",1,\"matched\",9,\"typed\"," +
           QByteArray::number(keystrokes + missed) + ",\"wrong\",0,\"corrections\",0," +
           "\"expected\",\"97:" + QByteArray::number(keystrokes) +
           "\",\"missed\",\"97:" + QByteArray::number(missed) +
           "\",\"keytime\",\"97:" + QByteArray::number(qint64(ms) * keystrokes) + ":" +
           QByteArray::number(keystrokes) + "\"" + more + "\r\n";
}

} // namespace

void KeyHistoryTest::smoothing_data() {
    // A past of records, then drills of 25 clean keystrokes at 250 ms (48 WPM) each.
    QTest::addColumn<QByteArray>("past");
    QTest::addColumn<int>("drills");
    QTest::addColumn<bool>("reached"); // at 35 WPM
    const QByteArray slow = record(46, 1500, 0);
    QByteArray long_;
    for (int i = 0; i < 200; ++i)
        long_ += record(50, 1900, 25);
    // clang-format off
    QTest::newRow("no past, one drill")              << QByteArray()        << 1 << true;
    QTest::newRow("46 slow keystrokes, two drills")  << slow                << 2 << true;
    QTest::newRow("46 slow keystrokes, no drill")    << slow                << 0 << false;
    // One drill leaves 7 % of the long past: 93 % is within the target's margin.
    QTest::newRow("10 000 slow and sloppy, one")     << long_               << 1 << true;
    QTest::newRow("10 000 slow and sloppy, two")     << long_               << 2 << true;
    QTest::newRow("all missed, two drills")          << record(40, 300, 40) << 2 << true;
    // clang-format on
}

void KeyHistoryTest::smoothing() {
    QFETCH(QByteArray, past);
    QFETCH(int, drills);
    QByteArray all = past;
    for (int i = 0; i < drills; ++i)
        all += record(25, 250, 0);
    const KeyStat a = readstatshistory(all).keys.stat(QLatin1Char('a'));
    QTEST(reachedtarget(a, 35), "reached");
    // The one formula: each keystroke moves the figure a tenth of the way.
    QCOMPARE(smoothed(1000, 0, 1), 900.0);
    QVERIFY(qAbs(smoothed(1000, 200, 2) - (200 + 0.81 * 800)) < 1e-9);
    QCOMPARE(smoothed(700, 200, 0), 700.0);
}

void KeyHistoryTest::fromstats_data() {
    QTest::addColumn<QByteArray>("statsdat");
    QTest::addColumn<QString>("expected"); // a's due and timed keystrokes, rounded ms
    QTest::addColumn<QStringList>("mistyped");
    const QByteArray sea = ",\"mistyped\",\"sea\"";
    const QByteArray cleared = ",\"cleared\",\"sea\"";
    // clang-format off
    QTest::newRow("never typed")             << QByteArray()                       << "0:0:1000"  << QStringList{};
    QTest::newRow("one record")              << record(10, 300, 0)                 << "10:10:544" << QStringList{};
    QTest::newRow("later records count more")<< record(10, 300, 0) + record(10, 500, 0) << "20:20:515" << QStringList{};
    QTest::newRow("damaged line left out")   << record(10, 300, 0) + "\"keystrider-stats\",1,x\r\n" << "10:10:544" << QStringList{};
    QTest::newRow("mistyped")                << record(1, 300, 0, sea)             << "1:1:930"   << QStringList{"sea"};
    QTest::newRow("cleared: retired")        << record(1, 300, 0, sea) + record(1, 300, 0, cleared) << "2:2:867" << QStringList{};
    QTest::newRow("mistyped twice")          << record(1, 300, 0, sea) + record(2, 300, 1) + record(1, 300, 0, sea) << "4:4:759" << QStringList{"sea"};
    QTest::newRow("mistyped again: back")    << record(1, 300, 0, sea) + record(1, 300, 0, cleared) + record(1, 300, 0, sea) << "3:3:810" << QStringList{"sea"};
    // clang-format on
}

void KeyHistoryTest::fromstats() {
    QFETCH(QByteArray, statsdat);
    const StatsHistory history = readstatshistory(statsdat);
    const KeyStat a = history.keys.stat(QLatin1Char('a'));
    QTEST(QStringLiteral("%1:%2:%3").arg(a.due).arg(a.timed).arg(qRound(a.ms)), "expected");
    QStringList mistyped = history.mistyped.keys();
    QTEST(mistyped, "mistyped");
    QCOMPARE(history.evermistyped, statsdat.contains("mistyped"));
    // Read in parts at once, each part laid over those before it, the history is the same.
    for (int parts = 2; parts <= 4; ++parts) {
        const StatsHistory inparts = readstatshistory(statsdat, parts);
        const KeyStat b = inparts.keys.stat(QLatin1Char('a'));
        QCOMPARE(b.due, a.due);
        QCOMPARE(b.timed, a.timed);
        QVERIFY(qAbs(b.ms - a.ms) < 1e-9 && qAbs(b.missrate - a.missrate) < 1e-12);
        QCOMPARE(inparts.mistyped, history.mistyped);
        QCOMPARE(inparts.drills, history.drills);
        QCOMPARE(inparts.evermistyped, history.evermistyped);
    }
}

QTEST_APPLESS_MAIN(KeyHistoryTest)
#include "keyhistory_test.moc"
