#include "coach/keytries.h"

#include <QTest>

#include <limits>

class KeyTriesTest : public QObject {
    Q_OBJECT
private slots:
    void turns_data();
    void turns();
    void tally_data();
    void tally();
    void forecasts_data();
    void forecasts();
    void fitting_data();
    void fitting();
    void heldwords();
    void triesfile_data();
    void triesfile();
};

namespace {

// "p=49:3:150:0 u=0": each key in play, in joining order, with its confidence in percent and,
// when it has any, its drills, keystrokes and rest.
struct Keys {
    QString inplay;
    QHash<QChar, double> confidence;
    TriesByKey tries;
};

Keys keys(const QString& text) {
    Keys parsed;
    for (const QString& item : text.split(QLatin1Char(' '), Qt::SkipEmptyParts)) {
        const QStringList fields = item.mid(2).split(QLatin1Char(':'));
        parsed.inplay.append(item[0]);
        parsed.confidence.insert(item[0], fields[0].toDouble() / 100);
        if (fields.size() == 4)
            parsed.tries.insert(item[0],
                                {static_cast<qint16>(fields[1].toInt()), fields[2].toLongLong(),
                                 static_cast<qint16>(fields[3].toInt())});
    }
    return parsed;
}

KeyStat typed(double ms, double missrate) {
    KeyStat stat;
    stat.due = stat.timed = 40;
    stat.ms = ms;
    stat.missrate = missrate;
    return stat;
}

} // namespace

void KeyTriesTest::turns_data() {
    QTest::addColumn<QString>("keys");
    QTest::addColumn<QString>("fallen"); // held keys that lost ground since their last drill
    QTest::addColumn<QString>("expected");
    // clang-format off
    QTest::newRow("none held: the weakest, as ever")     << "e=100 t=40:1:30:0 a=60:0:10:1"           << ""  << "";
    QTest::newRow("two drills: it still holds back")     << "p=49:2:100:0 u=0"                        << ""  << "";
    QTest::newRow("at the target: never held")           << "p=100:5:300:0 u=30:0:10:1"               << ""  << "";
    QTest::newRow("held, just drilled: the next key")    << "e=100 p=49:3:90:0 u=0:0:0:1"             << ""  << "u";
    QTest::newRow("held by its keystrokes, its turn")    << "p=49:1:150:1 u=0:0:0:0"                  << ""  << "p";
    QTest::newRow("its turn: every other drill")         << "p=49:3:120:1 u=30:1:25:0"                << ""  << "p";
    QTest::newRow("two held: the one left longest")      << "x=75:3:150:1 p=49:4:200:3 u=30:0:20:0"   << ""  << "p";
    QTest::newRow("as long left: the weaker")            << "x=75:3:150:2 p=49:3:150:2 u=30:0:20:0"   << ""  << "p";
    QTest::newRow("fell behind: back at once")           << "p=30:3:150:0 u=20:1:30:0"                << "p" << "p";
    QTest::newRow("nothing else below: held again")      << "e=100 p=49:3:150:0"                      << ""  << "p";
    // clang-format on
}

// Which key the next drill trains when the player picked none.
void KeyTriesTest::turns() {
    QFETCH(QString, keys);
    QFETCH(QString, fallen);
    const Keys k = ::keys(keys);
    const QChar focus = nextfocus(
        k.inplay, k.tries, [&](QChar key) { return k.confidence.value(key); },
        [&](QChar key) { return fallen.contains(key); });
    QTEST(focus.isNull() ? QString() : QString(focus), "expected");
}

void KeyTriesTest::tally_data() {
    QTest::addColumn<QString>("before");  // the tallies as coachplan.dat keeps them
    QTest::addColumn<QString>("reached"); // keys at the target after the record
    QTest::addColumn<QString>("focus");   // the weak-keys drill's, none for any other record
    QTest::addColumn<QString>("expected");
    // clang-format off
    QTest::newRow("the focus counts a drill, others rest") << "112:2:60:0 117:0:0:0" << "e"  << "p" << "112:3:90:0 117:0:30:1";
    QTest::newRow("a key joins the tally when below")      << ""                     << "ep" << "p" << "117:0:30:1";
    QTest::newRow("at the target it leaves it")            << "112:2:60:0"           << "ep" << "u" << "117:1:30:0";
    QTest::newRow("practice: keystrokes only")             << "112:2:60:0"           << "e"  << ""  << "112:2:90:0 117:0:30:0";
    QTest::newRow("counts stop at their edge")             << "112:32767:9223372036854775800:0" << "eu" << "p" << "112:32767:9223372036854775807:0";
    // clang-format on
}

// A record of "e", "p" and "u", each due 30 times, tallied.
void KeyTriesTest::tally() {
    QFETCH(QString, before);
    QFETCH(QString, reached);
    QFETCH(QString, focus);
    std::optional<TriesByKey> tries = readtries(before);
    QVERIFY(tries);
    const QHash<QChar, std::int64_t> due = {{'e', 30}, {'p', 30}, {'u', 30}};
    tallyrecord(
        *tries, QStringLiteral("epu"), [&](QChar key) { return reached.contains(key); }, due,
        focus.isEmpty() ? QChar() : focus[0]);
    QTEST(triestext(*tries), "expected");
}

void KeyTriesTest::forecasts_data() {
    QTest::addColumn<QString>("drills"); // after percent/ms/miss percent, oldest first
    QTest::addColumn<QString>("expected");
    // clang-format off
    QTest::newRow("one drill at the pace")       << "80/300/0"                 << "One more drill of p will show how fast it is rising.";
    QTest::newRow("one drill, too slow")         << "47/700/0"                 << "p is not fast enough for 35 WPM yet: 700 ms a key at best lately, 343 ms needed.";
    QTest::newRow("one drill, missed")           << "73/200/23"                << "p is missed too often to pass yet: 23 % at best lately, 5 % at most.";
    QTest::newRow("not rising")                  << "49/700/0 49/700/0 49/690/0" << "p is not getting faster yet.";
    QTest::newRow("not rising, missed")          << "81/200/23 80/200/23"      << "p is not getting more accurate yet.";
    QTest::newRow("rising but slow at best")     << "60/500/0 70/420/0"        << "p is not fast enough for 35 WPM yet: 420 ms a key at best lately, 343 ms needed.";
    QTest::newRow("rising: one more")            << "60/340/0 80/330/0"        << "About one more drill of p to reach the target.";
    QTest::newRow("rising: three more")          << "50/340/0 60/330/0 70/330/0" << "About 3 more drills of p to reach the target.";
    QTest::newRow("rising slowly: no number")    << "10/340/0 15/330/0 20/330/0" << "p is rising, but more than ten drills from the target at this pace.";
    // clang-format on
}

// What the summary foresees for a key below the target at 35 WPM.
void KeyTriesTest::forecasts() {
    QFETCH(QString, drills);
    QList<FocusDrill> recent;
    for (const QString& drill : drills.split(QLatin1Char(' '))) {
        const QStringList f = drill.split(QLatin1Char('/'));
        recent.append({f[0].toDouble() / 100, f[1].toDouble(), f[2].toDouble() / 100});
    }
    QTEST(forecast(QLatin1Char('p'), recent, 35), "expected");
}

void KeyTriesTest::fitting_data() {
    QTest::addColumn<QList<double>>("times"); // ms of each key; a negative one was never typed
    QTest::addColumn<int>("target");
    QTest::addColumn<int>("expected"); // 0 for none
    // clang-format off
    QTest::newRow("most at the target")          << QList<double>{200, 250, 300, 700}     << 35 << 0;
    QTest::newRow("half below: none")            << QList<double>{200, 300, 500, 700}     << 35 << 0;
    QTest::newRow("most slow: the middle's pace")<< QList<double>{400, 500, 510, 700}     << 35 << 20;
    QTest::newRow("untyped keys do not count")   << QList<double>{200, 300, 500, -1, -1}  << 35 << 0;
    QTest::newRow("never below the slowest")     << QList<double>{2000, 2500, 3000}       << 35 << 10;
    QTest::newRow("already the slowest")         << QList<double>{2000, 2500, 3000}       << 10 << 0;
    // clang-format on
}

void KeyTriesTest::fitting() {
    QFETCH(QList<double>, times);
    QFETCH(int, target);
    QList<KeyStat> stats;
    for (double ms : times)
        stats.append(ms < 0 ? KeyStat() : typed(ms, 0));
    QTEST(fittingtarget(stats, target).value_or(0), "expected");
}

// What the coach says of a held key, as it lets the next one by and on the ladder.
void KeyTriesTest::heldwords() {
    QCOMPARE(heldsentence('p', typed(700, 0), 35, 'u'),
             QStringLiteral("p is still slow (49 %): u joins so you go on; p comes back every "
                            "other drill."));
    QCOMPARE(heldsentence('x', typed(200, 0.26), 35, 'z'),
             QStringLiteral("x is still missed too often (78 %): z joins so you go on; x comes "
                            "back every other drill."));
    QCOMPARE(helddescription('p', typed(700, 0.02), 35),
             QStringLiteral("p, confidence 49 %, comes back every other drill: 700 ms a key "
                            "against 343 ms for 35 WPM, missed 2 % against 5 % at most"));
}

void KeyTriesTest::triesfile_data() {
    QTest::addColumn<QString>("text");
    QTest::addColumn<bool>("read");
    // clang-format off
    QTest::newRow("as written")       << "112:3:150:0 120:1:40:2" << true;
    QTest::newRow("none")             << ""                       << true;
    QTest::newRow("a field short")    << "112:3:150"              << false;
    QTest::newRow("a control key")    << "9:3:150:0"              << false;
    QTest::newRow("a surrogate")      << "55357:3:150:0"          << false;
    QTest::newRow("a key twice")      << "112:3:150:0 112:1:1:1"  << false;
    QTest::newRow("drills past 16 bits") << "112:32768:150:0"     << false;
    QTest::newRow("below none")       << "112:3:-1:0"             << false;
    QTest::newRow("not a number")     << "112:three:150:0"        << false;
    // clang-format on
}

// The tallies in coachplan.dat: read whole or refused, and written back as read.
void KeyTriesTest::triesfile() {
    QFETCH(QString, text);
    const std::optional<TriesByKey> tries = readtries(text);
    QTEST(tries.has_value(), "read");
    if (tries)
        QCOMPARE(triestext(*tries), text);
}

QTEST_APPLESS_MAIN(KeyTriesTest)
#include "keytries_test.moc"
