#include "stats/keystrokes.h"

#include <QTest>

#include <cmath>

namespace {

// Plays a script into a counter the way a typing box feeds it: "@word" shows a new target, any
// other step is the box's text after a keystroke; a match empties the box, as the windows do.
KeystrokeCounts play(const QStringList& steps) {
    KeystrokeCounter counter;
    counter.restart();
    QString target;
    for (const QString& step : steps) {
        if (step.startsWith(QLatin1Char('@'))) {
            target = step.mid(1);
            continue;
        }
        counter.changed(target, step);
        if (step == target && !step.isEmpty())
            counter.changed(target, QString());
    }
    return counter.finish();
}

// "a:1 p:2": a table of counts by character, in character order.
QString table(const QHash<QChar, std::int64_t>& counts) {
    QList<QChar> keys = counts.keys();
    std::sort(keys.begin(), keys.end());
    QStringList parts;
    for (QChar k : keys)
        parts << QString(k) + QLatin1Char(':') + QString::number(counts.value(k));
    return parts.join(QLatin1Char(' '));
}

QStringList typing(const QString& text) {
    QStringList steps;
    for (qsizetype i = 1; i <= text.size(); ++i)
        steps << text.left(i);
    return steps;
}

} // namespace

class KeystrokesTest : public QObject {
    Q_OBJECT
private slots:
    void counts_data();
    void counts();
};

void KeystrokesTest::counts_data() {
    QTest::addColumn<QStringList>("steps");
    QTest::addColumn<qint64>("milliseconds");
    // Characters typed, wrong characters, characters matched, entries matched.
    QTest::addColumn<QList<qint64>>("counts");
    QTest::addColumn<QString>("missed");
    QTest::addColumn<QString>("expected");
    QTest::addColumn<QString>("mistyped");
    QTest::addColumn<int>("accuracy");
    QTest::addColumn<double>("wpm");
    using C = QList<qint64>;
    const QStringList apple =
        QStringList{"@apple", "x", ""} + typing("apple") + QStringList{"@apple"} + typing("apple");
    // clang-format off
    QTest::newRow("apple twice after x and Backspace") << apple << 6000LL << C{11, 1, 10, 2} << "a:1" << "a:3 e:2 l:2 p:4" << "apple" << 91 << 20.0;
    // Keys typed after the text already went wrong are not new mistakes.
    QTest::newRow("wrong run counts once") << QStringList{"@cat", "c", "cx", "cxy", "cx", "c", "ca", "cat"} << 60000LL << C{5, 1, 3, 1} << "a:1" << "a:2 c:1 t:1" << "cat" << 80 << 0.6;
    QTest::newRow("missing letter put in by moving the caret") << QStringList{"@cat", "c", "ct", "cat"} << 1000LL << C{3, 1, 3, 1} << "a:1" << "a:1 c:1" << "cat" << 67 << 36.0;
    QTest::newRow("wrong key inserted before the caret's end") << QStringList{"@cat", "c", "ca", "cxa"} << 1000LL << C{3, 1, 0, 0} << "a:1" << "a:2 c:1" << "cat" << 67 << 0.0;
    QTest::newRow("paste of a right start") << QStringList{"@house", "hou", "house"} << 12000LL << C{5, 0, 5, 1} << "" << "h:1 s:1" << "" << 100 << 5.0;
    QTest::newRow("empty target of a missing word file") << QStringList{"@", "a", ""} << 0LL << C{1, 1, 0, 0} << "" << "" << "" << 0 << 0.0;
    QTest::newRow("nothing typed") << QStringList{"@apple"} << 0LL << C{0, 0, 0, 0} << "" << "" << "" << 100 << 0.0;
    QTest::newRow("entry still in hand at the end") << QStringList{"@pear", "q"} << 500LL << C{1, 1, 0, 0} << "p:1" << "p:1" << "pear" << 0 << 0.0;
    QTest::newRow("case differs") << QStringList{"@Tea", "t", "", "T", "Te", "Tea"} << 30000LL << C{4, 1, 3, 1} << "T:1" << "T:2 a:1 e:1" << "Tea" << 75 << 1.2;
    // clang-format on
}

void KeystrokesTest::counts() {
    QFETCH(QStringList, steps);
    QFETCH(qint64, milliseconds);
    const KeystrokeCounts c = play(steps);
    QTEST((QList<qint64>{c.charstyped, c.wrong, c.charsmatched, c.entries}), "counts");
    QTEST(table(c.missed), "missed");
    QTEST(table(c.expected), "expected");
    QTEST(QStringList(c.mistyped.keys()).join(QLatin1Char(',')), "mistyped");
    QTEST(int(std::lround(accuracypercent(c.charstyped, c.wrong))), "accuracy");
    QFETCH(double, wpm);
    QVERIFY2(std::abs(wordsperminute(c.charsmatched, milliseconds) - wpm) < 1e-9,
             qPrintable(QString::number(wordsperminute(c.charsmatched, milliseconds))));
}

QTEST_GUILESS_MAIN(KeystrokesTest)
#include "keystrokes_test.moc"
