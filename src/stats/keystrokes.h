#pragma once

#include <QHash>
#include <QString>

#include <cstdint>
#include <limits>

// Counts that only ever grow stop at their largest value instead of wrapping round.
inline std::int64_t addsaturated(std::int64_t a, std::int64_t b) {
    std::int64_t sum = 0;
    if (__builtin_add_overflow(a, b, &sum))
        return b < 0 ? std::numeric_limits<std::int64_t>::min()
                     : std::numeric_limits<std::int64_t>::max();
    return sum;
}

// What one exercise or race showed of the player's typing.
struct KeystrokeCounts {
    std::int64_t entries = 0;      // entries matched
    std::int64_t charsmatched = 0; // the lengths of the matched entries
    std::int64_t charstyped = 0;   // characters inserted, however they were later corrected
    std::int64_t wrong = 0;        // keystrokes that left the typed text off the target's start
    std::int64_t corrections = 0;  // Backspace and Delete, as the window counts them
    // Per character of the targets: how often it was the one to type next, and how often a
    // wrong keystroke fell where it belonged.
    QHash<QChar, std::int64_t> expected;
    QHash<QChar, std::int64_t> missed;
    // Entries that took at least one wrong keystroke, each time they did.
    QHash<QString, std::int64_t> mistyped;
};

// Fed the target and the typing box's text on every change of the box. Each change costs a look
// at the one entry in hand (a few dozen characters at most), never at what came before it, and
// nothing is kept per keystroke: a whole exercise costs no more per key than its first entry.
class KeystrokeCounter {
public:
    void restart();
    void changed(const QString& target, const QString& typed);
    void correctionkey() { counted.corrections = addsaturated(counted.corrections, 1); }
    // A release that proved to be a key repeat takes its correction back.
    void correctionretracted();
    // Flushes the entry in hand; the counts are complete after this.
    const KeystrokeCounts& finish();
    const KeystrokeCounts& counts() const { return counted; }

private:
    void bump(QHash<QChar, std::int64_t>& table, QChar key);
    KeystrokeCounts counted;
    QString previous;   // the box's text at the last change
    qsizetype good = 0; // length of the typed text's longest common start with the target
    QString wrongentry; // the target of the entry in hand, once it took a wrong keystroke
};

// Words per minute: five matched characters make a word.
double wordsperminute(std::int64_t charsmatched, std::int64_t milliseconds);
// Share of typed characters that were right, in percent; 100 with nothing typed.
double accuracypercent(std::int64_t charstyped, std::int64_t wrong);
