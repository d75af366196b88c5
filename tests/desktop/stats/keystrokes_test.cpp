#include "stats/keystrokes.h"

#include <QInputMethodEvent>
#include <QLineEdit>
#include <QTest>

#include <cmath>

namespace {

// Plays a script into a counter through a typing box, the way the windows feed it: "@word"
// shows a new target, "!text" is the box as it stands at Start, "?text" is an input method's
// preedit and "=text" its commit, "~ms" a pause, "^" a Backspace or Delete let go; any other
// step is the box's text after a keystroke. Steps come 100 ms apart. A match empties the box, as
// the windows do.
KeystrokeCounts play(const QStringList& steps) {
    KeystrokeCounter counter;
    counter.restart();
    QLineEdit box;
    QString target;
    std::int64_t clock = 0;
    QObject::connect(&box, &QLineEdit::textChanged, [&](const QString& typed) {
        counter.changed(target, typed, clock);
        if (typed == target && !typed.isEmpty())
            box.clear();
    });
    for (const QString& step : steps) {
        const QString text = step.mid(1);
        clock += 100;
        if (step.startsWith(QLatin1Char('~'))) {
            clock += text.toLongLong();
        } else if (step == QLatin1String("^")) {
            counter.correctionkey();
        } else if (step.startsWith(QLatin1Char('@'))) {
            target = text;
        } else if (step.startsWith(QLatin1Char('!'))) {
            const QSignalBlocker quiet(box);
            box.setText(text);
            counter.restart(text);
        } else if (step.startsWith(QLatin1Char('?'))) {
            QInputMethodEvent preedit(text, {});
            QCoreApplication::sendEvent(&box, &preedit);
        } else if (step.startsWith(QLatin1Char('='))) {
            QInputMethodEvent commit;
            commit.setCommitString(text);
            QCoreApplication::sendEvent(&box, &commit);
        } else {
            box.setText(step);
        }
    }
    return counter.finish();
}

QString cell(std::int64_t count) {
    return QString::number(count);
}

QString cell(const KeyTime& time) {
    return QStringLiteral("%1:%2").arg(time.milliseconds).arg(time.count);
}

// "a:1 p:2", or with typing times "p:100:1": a table by character, in character order.
template <typename Value> QString table(const QHash<QChar, Value>& counts) {
    QList<QChar> keys = counts.keys();
    std::sort(keys.begin(), keys.end());
    QStringList parts;
    for (QChar k : keys)
        parts << QString(k) + QLatin1Char(':') + cell(counts.value(k));
    return parts.join(QLatin1Char(' '));
}

QString table(const QHash<LetterPair, KeyTime>& pairs) {
    QStringList parts;
    for (auto it = pairs.cbegin(); it != pairs.cend(); ++it)
        parts << pairname(it.key()) + QLatin1Char(':') + cell(it.value());
    parts.sort();
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
    void livespeed_data();
    void livespeed();
    void pairs_data();
    void pairs();
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
    // Typing time per key, "key:ms:count", the steps 100 ms apart.
    QTest::addColumn<QString>("keytime");
    using C = QList<qint64>;
    const QStringList apple =
        QStringList{"@apple", "x", ""} + typing("apple") + QStringList{"@apple"} + typing("apple");
    // clang-format off
    QTest::newRow("apple twice after x and Backspace") << apple << 6000LL << C{11, 1, 10, 2} << "a:1" << "a:3 e:2 l:2 p:4" << "apple" << 91 << 20.0 << "e:200:2 l:200:2 p:400:4";
    // Every key of a run that went off is wrong; the run is one miss, of the key due where it went off.
    QTest::newRow("wrong run counts every key") << QStringList{"@cat", "c", "cx", "cxy", "cx", "c", "ca", "cat"} << 60000LL << C{5, 2, 3, 1} << "a:1" << "a:2 c:1 t:1" << "cat" << 60 << 0.6 << "t:100:1";
    QTest::newRow("x held five times, five Backspaces") << QStringList{"@cat", "x", "xx", "xxx", "xxxx", "xxxxx", "xxxx", "xxx", "xx", "x", "", "c", "ca", "cat"} << 6000LL << C{8, 5, 3, 1} << "c:1" << "a:1 c:2 t:1" << "cat" << 38 << 6.0 << "a:100:1 t:100:1";
    QTest::newRow("wrong paste counts each character") << QStringList{"@cat", "c", "cxyz", "c", "cat"} << 6000LL << C{6, 3, 3, 1} << "a:1" << "a:2 c:1" << "cat" << 50 << 6.0 << "";
    // What the box held before Start was typed before counting began.
    QTest::newRow("text typed before Start") << QStringList{"!abx", "@cat", "ab", "a", "", "c", "ca", "cat"} << 6000LL << C{3, 0, 3, 1} << "" << "a:1 c:1 t:1" << "" << 100 << 6.0 << "a:100:1 t:100:1";
    QTest::newRow("key added to text before Start") << QStringList{"!ab", "@cat", "abx", "", "cat"} << 6000LL << C{4, 1, 3, 1} << "" << "c:1" << "cat" << 75 << 6.0 << "";
    // A dead key's preedit is no keystroke; the composed character is one.
    QTest::newRow("input method preedit, then commit") << QStringList{"@été", "?\u00b4", "=é", "ét", "?\u00b4", "?é", "=é"} << 6000LL << C{3, 0, 3, 1} << "" << "t:1 é:2" << "" << 100 << 6.0 << "t:100:1 é:300:1";
    QTest::newRow("input method commits a wrong character") << QStringList{"@été", "?\u00b4", "=á", "", "été"} << 6000LL << C{4, 1, 3, 1} << "é:1" << "é:2" << "été" << 75 << 6.0 << "";
    QTest::newRow("missing letter put in by moving the caret") << QStringList{"@cat", "c", "ct", "cat"} << 1000LL << C{3, 1, 3, 1} << "a:1" << "a:1 c:1" << "cat" << 67 << 36.0 << "";
    QTest::newRow("wrong key inserted before the caret's end") << QStringList{"@cat", "c", "ca", "cxa"} << 1000LL << C{3, 1, 0, 0} << "a:1" << "a:2 c:1" << "cat" << 67 << 0.0 << "a:100:1";
    QTest::newRow("paste of a right start") << QStringList{"@house", "hou", "house"} << 12000LL << C{5, 0, 5, 1} << "" << "h:1 s:1" << "" << 100 << 5.0 << "";
    QTest::newRow("empty target of a missing word file") << QStringList{"@", "a", ""} << 0LL << C{1, 1, 0, 0} << "" << "" << "" << 0 << 0.0 << "";
    QTest::newRow("nothing typed") << QStringList{"@apple"} << 0LL << C{0, 0, 0, 0} << "" << "" << "" << 100 << 0.0 << "";
    QTest::newRow("entry still in hand at the end") << QStringList{"@pear", "q"} << 500LL << C{1, 1, 0, 0} << "p:1" << "p:1" << "pear" << 0 << 0.0 << "";
    QTest::newRow("case differs") << QStringList{"@Tea", "t", "", "T", "Te", "Tea"} << 30000LL << C{4, 1, 3, 1} << "T:1" << "T:2 a:1 e:1" << "Tea" << 75 << 1.2 << "a:100:1 e:100:1";
    // A key is timed from a right keystroke to the next right one, under 2 s, across entries.
    // A run is timed from its second key, and a new entry's first key not at all: its gap holds
    // the reading of the entry.
    QTest::newRow("right run timed from its second key") << QStringList{"@abc", "a", "ab", "abc", "@de", "d", "de"} << 1000LL << C{5, 0, 5, 2} << "" << "a:1 b:1 c:1 d:1 e:1" << "" << 100 << 60.0 << "b:100:1 c:100:1 e:100:1";
    QTest::newRow("wrong key and its Backspace break the gap") << QStringList{"@abc", "a", "ax", "a", "ab", "abc"} << 1000LL << C{4, 1, 3, 1} << "b:1" << "a:1 b:2 c:1" << "abc" << 75 << 36.0 << "c:100:1";
    QTest::newRow("gap of 2 s is a pause") << QStringList{"@abcd", "a", "ab", "~1800", "abc", "~1799", "abcd"} << 1000LL << C{4, 0, 4, 1} << "" << "a:1 b:1 c:1 d:1" << "" << 100 << 48.0 << "b:100:1 d:1999:1";
    // clang-format on
}

void KeystrokesTest::counts() {
    QFETCH(QStringList, steps);
    QFETCH(qint64, milliseconds);
    const KeystrokeCounts c = play(steps);
    const TypingTally& t = c.tally;
    QTEST((QList<qint64>{t.charstyped, t.wrong, t.charsmatched, t.entries}), "counts");
    QTEST(table(c.missed), "missed");
    QTEST(table(c.expected), "expected");
    QTEST(table(c.keytime), "keytime");
    QTEST(QStringList(c.mistyped.keys()).join(QLatin1Char(',')), "mistyped");
    QTEST(int(std::lround(accuracypercent(t))), "accuracy");
    QFETCH(double, wpm);
    TypingTally timed = t;
    timed.milliseconds = milliseconds;
    QVERIFY2(std::abs(wordsperminute(timed) - wpm) < 1e-9,
             qPrintable(QString::number(wordsperminute(timed))));
}

void KeystrokesTest::livespeed_data() {
    QTest::addColumn<QString>("target");
    QTest::addColumn<QString>("typed");
    QTest::addColumn<qint64>("typedsofar"); // characters typed in the drill
    QTest::addColumn<qint64>("matched");    // characters of entries matched before
    QTest::addColumn<double>("wpm");        // over one minute
    // clang-format off
    QTest::newRow("nothing typed")           << "Sentence." << ""     << 0LL  << 0LL  << 0.0;
    QTest::newRow("first key says nothing")  << "Sentence." << "S"    << 1LL  << 0LL  << 0.0;
    QTest::newRow("second key shows speed")  << "Sentence." << "Se"   << 2LL  << 0LL  << 0.4;
    QTest::newRow("wrong end not counted")   << "Sentence." << "Sex"  << 3LL  << 0LL  << 0.4;
    QTest::newRow("matched entries and hand") << "Two."     << "Tw"   << 12LL << 10LL << 2.4;
    // clang-format on
}

// The live speed counts what is typed right of the entry in hand.
void KeystrokesTest::livespeed() {
    QFETCH(QString, target);
    QFETCH(QString, typed);
    TypingTally sofar;
    sofar.milliseconds = 60000;
    QFETCH(qint64, typedsofar);
    QFETCH(qint64, matched);
    sofar.charstyped = typedsofar;
    sofar.charsmatched = matched;
    QTEST(livewordsperminute(sofar, rightstart(typed, target)), "wpm");
}

void KeystrokesTest::pairs_data() {
    QTest::addColumn<QStringList>("steps");
    QTest::addColumn<QString>("pairs"); // "pair:ms:count", the steps 100 ms apart
    QTest::addColumn<QString>("keytime");
    // clang-format off
    QTest::newRow("typed right") << QStringList{"@the"} + typing("the") << "he:100:1 th:100:1" << "e:100:1 h:100:1";
    QTest::newRow("capital and letter") << QStringList{"@The"} + typing("The") << "Th:100:1 he:100:1" << "e:100:1 h:100:1";
    QTest::newRow("twice in one entry") << QStringList{"@tete"} + typing("tete") << "et:100:1 te:200:2" << "e:200:2 t:100:1";
    QTest::newRow("a wrong key between") << QStringList{"@the", "t", "tx", "t", "th", "the"} << "he:100:1" << "e:100:1";
    // The key is still timed; the pair, with a correction between, is not.
    QTest::newRow("a Delete between") << QStringList{"@the", "t", "^", "th", "the"} << "he:100:1" << "e:100:1 h:200:1";
    QTest::newRow("a correction before") << QStringList{"@the", "^", "t", "th", "the"} << "he:100:1 th:100:1" << "e:100:1 h:100:1";
    QTest::newRow("a blank parts words") << QStringList{"@a b"} + typing("a b") << "" << " :100:1 b:100:1";
    QTest::newRow("an apostrophe parts letters") << QStringList{"@n't"} + typing("n't") << "" << "':100:1 t:100:1";
    QTest::newRow("entries part words") << QStringList{"@ab", "a", "ab", "@cd", "c", "cd"} << "ab:100:1 cd:100:1" << "b:100:1 d:100:1";
    QTest::newRow("gap of 2 s is a pause") << QStringList{"@abc", "a", "~1900", "ab", "~1799", "abc"} << "bc:1999:1" << "c:1999:1";
    QTest::newRow("letters the file can't hold") << QStringList{"@\u03b1\u03b2"} + typing("\u03b1\u03b2") << "" << "\u03b2:100:1";
    // clang-format on
}

void KeystrokesTest::pairs() {
    QFETCH(QStringList, steps);
    const KeystrokeCounts c = play(steps);
    QTEST(table(c.pairtime), "pairs");
    QTEST(table(c.keytime), "keytime");
}

QTEST_MAIN(KeystrokesTest)
#include "keystrokes_test.moc"
