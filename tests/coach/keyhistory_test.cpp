#include "coach/coachhistory.h"
#include "coach/keyhistory.h"

#include <QTest>

class KeyHistoryTest : public QObject {
    Q_OBJECT
private slots:
    void focuskey_data();
    void focuskey();
    void fromstats_data();
    void fromstats();
};

namespace {

// "key:due:missed" or "key:due:missed:gapms:gaps", blank-separated; "_" is the space.
KeyHistory historyof(const QString& keys) {
    KeyHistory history;
    for (const QString& item : keys.split(QLatin1Char(' '), Qt::SkipEmptyParts)) {
        const QStringList f = item.split(QLatin1Char(':'));
        const QChar key = f[0] == QLatin1String("_") ? QLatin1Char(' ') : f[0][0];
        history.addcounts(key, f[1].toLongLong(), f[2].toLongLong());
        if (f.size() == 5)
            history.addtime(key, f[3].toLongLong() * f[4].toLongLong(), f[4].toLongLong());
    }
    return history;
}

} // namespace

void KeyHistoryTest::focuskey_data() {
    QTest::addColumn<QString>("history");
    QTest::addColumn<int>("wpm");
    QTest::addColumn<QString>("expected"); // focus, then the others
    QTest::addColumn<bool>("enough");
    QTest::addColumn<QString>("asked"); // the key the player asked for, if any
    // The sources' letters by frequency: e t a o w q x, and the space besides.
    // clang-format off
    QTest::newRow("most missed")           << "a:100:20 o:100:2 t:100:6"        << 35 << "ato" << true << "";
    QTest::newRow("fewer than 20 ignored") << "a:100:10 x:19:19"                << 35 << "a"   << true << "";
    QTest::newRow("exactly 20 counts")     << "a:100:10 x:20:19"                << 35 << "xa"  << true << "";
    QTest::newRow("slow beats missed")     << "a:100:10:200:40 o:100:0:2000:40" << 35 << "oa"  << true << "";
    QTest::newRow("reached moves focus")   << "q:400:8:250:30 w:40:4"           << 35 << "w"   << true << "";
    QTest::newRow("not reached at 60 WPM") << "q:400:8:250:30 w:40:4"           << 60 << "wq"  << true << "";
    QTest::newRow("all reached: lowest")   << "q:400:8:100:30 w:400:0:100:30"   << 35 << "qw"  << true << "";
    QTest::newRow("key not in sources")    << ";:100:90 a:100:1"                << 35 << "a"   << true << "";
    QTest::newRow("space can be focus")    << "_:100:90 a:100:1"                << 35 << " a"  << true << "";
    QTest::newRow("tab never focus")       << "\t:100:90 a:100:1"               << 35 << "a"   << true << "";
    QTest::newRow("no history: frequent")  << ""                                << 35 << "eta" << false << "";
    QTest::newRow("only short history")    << "q:19:19"                         << 35 << "eta" << false << "";
    QTest::newRow("asked comes first")     << "a:100:20 o:100:2 t:100:6"        << 35 << "xat" << true  << "x";
    QTest::newRow("asked was the focus")   << "a:100:20 o:100:2 t:100:6"        << 35 << "ato" << true  << "a";
    QTest::newRow("asked was behind it")   << "a:100:20 o:100:2 t:100:6"        << 35 << "oat" << true  << "o";
    QTest::newRow("asked, no history")     << ""                                << 35 << "qet" << false << "q";
    // clang-format on
}

void KeyHistoryTest::focuskey() {
    QFETCH(QString, history);
    QFETCH(int, wpm);
    QFETCH(QString, expected);
    QFETCH(bool, enough);
    QFETCH(QString, asked);
    const QHash<QChar, std::int64_t> frequency = {{'e', 90}, {'t', 80}, {'a', 70},
                                                  {'o', 60}, {'q', 5},  {'w', 20},
                                                  {'x', 3},  {' ', 99}, {'\t', 1}};
    FocusChoice choice = choosefocus(historyof(history), wpm, frequency);
    if (!asked.isEmpty())
        choice = askfocus(choice, asked[0]);
    QString got(choice.focus);
    for (QChar c : choice.others)
        got += c;
    QCOMPARE(got, expected);
    QCOMPARE(choice.enoughhistory, enough);
}

void KeyHistoryTest::fromstats_data() {
    QTest::addColumn<QByteArray>("statsdat");
    QTest::addColumn<QString>("expected"); // a's "due:missed:ms:gaps"
    const QByteArray head = "\"keystrider-stats\",1,\"ended\",\"2026-12-08 13:30:05\",\"activity\","
                            "\"Drill\",\"result\",\"Stopped\",\"ms\",9,\"entries\",1,\"matched\",9,"
                            "\"typed\",40,\"wrong\",0,\"corrections\",0,\"expected\",\"97:30\",";
    const QByteArray timed = head + "\"keytime\",\"97:6000:25 98:10:1\"\r\n";
    // clang-format off
    QTest::newRow("typing times kept")        << timed                                     << "30:0:6000:25";
    QTest::newRow("older line without them")  << head.chopped(1) + "\r\n"                  << "30:0:0:0";
    QTest::newRow("lines add up")             << timed + timed                             << "60:0:12000:50";
    QTest::newRow("damaged line left out")    << timed + head + "\"keytime\",\"97:x:1\"\r\n" << "30:0:6000:25";
    // clang-format on
}

void KeyHistoryTest::fromstats() {
    QFETCH(QByteArray, statsdat);
    const KeyStat a = readcoachhistory(statsdat).keys.stat(QLatin1Char('a'));
    QTEST(QStringLiteral("%1:%2:%3:%4").arg(a.due).arg(a.missed).arg(a.timedms).arg(a.timed),
          "expected");
}

QTEST_APPLESS_MAIN(KeyHistoryTest)
#include "keyhistory_test.moc"
