#include "coach/keytries.h"

#include <QTest>

class KeyTriesTest : public QObject {
    Q_OBJECT
private slots:
    void turns_data();
    void turns();
    void forecasts_data();
    void forecasts();
};

void KeyTriesTest::turns_data() {
    // key=percent, then its drills:keystrokes:rest if tallied, and its flat drills if any
    QTest::addColumn<QString>("keys");
    QTest::addColumn<QString>("fallen"); // held keys that lost ground since their last drill
    QTest::addColumn<QString>("expected");
    // clang-format off
    QTest::newRow("none held: the weakest, as ever")  << "e=100 t=40:1:30:0 a=60:0:10:1"         << ""  << "";
    QTest::newRow("two drills: it still holds back")  << "p=49:2:100:0 u=0"                      << ""  << "";
    QTest::newRow("held, just drilled: the next key") << "e=100 p=49:3:90:0 u=0:0:0:1"           << ""  << "u";
    QTest::newRow("held by its keystrokes: its turn") << "p=49:1:150:1 u=0:0:0:0"                << ""  << "p";
    QTest::newRow("two held: the one left longest")   << "x=75:3:150:1 p=49:4:200:3 u=30:0:20:0" << ""  << "p";
    QTest::newRow("as long left: the weaker")         << "x=75:3:150:2 p=49:3:150:2 u=30:0:20:0" << ""  << "p";
    QTest::newRow("fell behind: back at once")        << "p=30:3:150:0 u=20:1:30:0"              << "p" << "p";
    QTest::newRow("nothing else below: held again")   << "e=100 p=49:3:150:0"                    << ""  << "p";
    // A held key that stays flat comes back less often: every third drill, then every fourth.
    QTest::newRow("flat once: every other still")     << "p=49:4:150:1:1 u=30:1:20:0"            << ""  << "p";
    QTest::newRow("flat twice: not after one")        << "p=49:5:150:1:2 u=30:1:20:0"            << ""  << "u";
    QTest::newRow("flat twice: every third")          << "p=49:5:150:2:2 u=30:1:20:0"            << ""  << "p";
    QTest::newRow("flat four times: not after two")   << "p=49:7:150:2:4 u=30:1:20:0"            << ""  << "u";
    QTest::newRow("flat four times: every fourth")    << "p=49:7:150:3:9 u=30:1:20:0"            << ""  << "p";
    QTest::newRow("flat, but fell further: at once")  << "p=40:7:150:0:9 u=30:1:20:0"            << "p" << "p";
    QTest::newRow("flat, none else below: still back")<< "e=100 p=49:7:150:0:9"                  << ""  << "p";
    // clang-format on
}

// Which key the next drill trains when the player picked none.
void KeyTriesTest::turns() {
    QFETCH(QString, keys);
    QFETCH(QString, fallen);
    QString inplay;
    QHash<QChar, double> confidence;
    TriesByKey tries;
    for (const QString& item : keys.split(QLatin1Char(' '))) {
        const QStringList f = item.mid(2).split(QLatin1Char(':'));
        inplay.append(item[0]);
        confidence.insert(item[0], f[0].toDouble() / 100);
        if (f.size() >= 4)
            tries.insert(item[0], {qint16(f[1].toInt()), f[2].toLongLong(), qint16(f[3].toInt()),
                                   qint16(f.value(4).toInt())});
    }
    const QChar focus = nextfocus(
        inplay, tries, [&](QChar key) { return confidence.value(key); },
        [&](QChar key) { return confidence.value(key) >= 1; },
        [&](QChar key) { return fallen.contains(key); });
    QTEST(focus.isNull() ? QString() : QString(focus), "expected");
}

void KeyTriesTest::forecasts_data() {
    QTest::addColumn<QString>("drills"); // after percent/ms/miss percent, oldest first
    QTest::addColumn<QString>("expected");
    // clang-format off
    QTest::newRow("one drill at the pace")     << "80/300/0"                   << "One more drill of p will show how fast it is rising.";
    QTest::newRow("one drill, too slow")       << "47/700/0"                   << "p is not fast enough for 35 WPM yet: 700 ms a key at best lately, 343 ms needed.";
    QTest::newRow("one drill, missed")         << "73/200/23"                  << "p is missed too often to pass yet: 23 % at best lately, 5 % at most.";
    QTest::newRow("not rising")                << "49/700/0 49/700/0 49/690/0" << "p is not getting faster yet.";
    QTest::newRow("not rising, missed")        << "81/200/23 80/200/23"        << "p is not getting more accurate yet.";
    QTest::newRow("rising but slow at best")   << "60/500/0 70/420/0"          << "p is not fast enough for 35 WPM yet: 420 ms a key at best lately, 343 ms needed.";
    QTest::newRow("rising: one more")          << "60/340/0 80/330/0"          << "About one more drill of p to reach the target.";
    QTest::newRow("rising: two more to 90 %")  << "50/340/0 60/330/0 70/330/0" << "About 2 more drills of p to reach the target.";
    QTest::newRow("rising: three more")        << "40/340/0 50/330/0 60/330/0" << "About 3 more drills of p to reach the target.";
    // The margin: a best within it can get there; one past it is short, and says by how much.
    QTest::newRow("best within the margin")    << "80/380/0"                   << "One more drill of p will show how fast it is rising.";
    QTest::newRow("best past the margin")      << "80/382/0"                   << "p is not fast enough for 35 WPM yet: 382 ms a key at best lately, 343 ms needed.";
    QTest::newRow("missed past the margin")    << "80/300/15"                  << "p is missed too often to pass yet: 15 % at best lately, 5 % at most.";
    QTest::newRow("rising slowly: no number")  << "10/340/0 15/330/0 20/330/0" << "p is rising, but more than ten drills from the target at this pace.";
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

QTEST_APPLESS_MAIN(KeyTriesTest)
#include "keytries_test.moc"
