#pragma once

#include "common/number.h"

#include <QHash>
#include <QList>
#include <QString>

#include <cstdint>
#include <utility>

// The counts of one exercise or race, or of several added up: the one place a record's counts
// live, from the typing box to the file, the window and the export.
struct TypingTally {
    std::int64_t milliseconds = 0; // typing time, pauses left out
    std::int64_t entries = 0;      // entries matched
    std::int64_t charsmatched = 0; // the lengths of the matched entries
    std::int64_t charstyped = 0;   // characters inserted, however they were later corrected
    std::int64_t wrong = 0;        // keystrokes after which the box held no start of the entry
    std::int64_t corrections = 0;  // Backspace and Delete, as the window counts them

    void add(const TypingTally& other);
};

// Words per minute: five matched characters make a word, over all the typing time.
double wordsperminute(const TypingTally& tally);
// The speed while an entry is typed: the matched entries and the `inhand` characters typed
// right of the entry in hand, over the typing time; 0 until two characters were typed, as one
// alone tells how long the player took to begin, not how fast they type.
double livewordsperminute(const TypingTally& sofar, qsizetype inhand);
// How many characters at the start of `typed` are those of `target`.
qsizetype rightstart(const QString& typed, const QString& target);
// Share of typed characters that were right, in percent; 100 with nothing typed.
double accuracypercent(const TypingTally& tally);

// Typing time of one character: the gaps before the keystrokes that typed it right straight
// after a right one, added up, and how many there were.
struct KeyTime {
    std::int64_t milliseconds = 0;
    std::int64_t count = 0;

    void add(std::int64_t moremilliseconds, std::int64_t morecount) {
        milliseconds = addsaturated(milliseconds, moremilliseconds);
        count = addsaturated(count, morecount);
    }
};

// A gap this long or longer is a pause, not typing time.
inline constexpr std::int64_t longestkeygap = 2000;

// Two letters typed right one after the other inside a word ("th"), the first in the high half.
using LetterPair = quint32;
inline LetterPair letterpair(QChar first, QChar second) {
    return (LetterPair{first.unicode()} << 16) | second.unicode();
}
inline QChar firstletter(LetterPair pair) {
    return QChar(static_cast<char16_t>(pair >> 16));
}
inline QChar secondletter(LetterPair pair) {
    return QChar(static_cast<char16_t>(pair & 0xFFFF));
}
// A letter the statistics time in pairs: one that "stats.dat" can hold as it is.
bool pairletter(QChar c);
// "th", as the player reads a pair.
QString pairname(LetterPair pair);

// A key typed instead of the one due, the one due in the high half: "c for x".
using KeySwap = quint32;
inline KeySwap keyswap(QChar due, QChar typed) {
    return (KeySwap{due.unicode()} << 16) | typed.unicode();
}
inline QChar duekey(KeySwap swap) {
    return QChar(static_cast<char16_t>(swap >> 16));
}
inline QChar typedkey(KeySwap swap) {
    return QChar(static_cast<char16_t>(swap & 0xFFFF));
}
using KeySwaps = QHash<KeySwap, std::int64_t>;
// Adds `more` into `into`, each count saturating.
void addswaps(KeySwaps& into, const KeySwaps& more);
// Worst first; ties in the order of the key due, then the key typed.
QList<std::pair<KeySwap, std::int64_t>> worstswaps(const KeySwaps& swaps);

// What one exercise or race showed of the player's typing.
struct KeystrokeCounts {
    TypingTally tally;
    // Per character of the targets: how often it was the one to type next, and how often a
    // wrong keystroke fell where it belonged.
    QHash<QChar, std::int64_t> expected;
    QHash<QChar, std::int64_t> missed;
    QHash<QChar, KeyTime> keytime;
    // The second key's typing time of each pair of letters typed right in a row inside a word,
    // with no correction between: a share of that key's own typing time.
    QHash<LetterPair, KeyTime> pairtime;
    // Entries that took at least one wrong keystroke, each time they did.
    QHash<QString, std::int64_t> mistyped;
    // The key typed where a run of wrong keystrokes began, with the key due there.
    KeySwaps instead;
};

// Fed the target and the typing box's text on every change of the box. Each change costs a look
// at the one entry in hand (a few dozen characters at most), never at what came before it, and
// nothing is kept per keystroke: a whole exercise costs no more per key than its first entry.
class KeystrokeCounter {
public:
    // Counting starts from the box as it stands: what it held before holds no keystrokes.
    void restart(const QString& box = QString());
    // `milliseconds` is when the box changed, on any steady clock the window keeps.
    void changed(const QString& target, const QString& typed, std::int64_t milliseconds);
    void correctionkey() {
        counted.tally.corrections = addsaturated(counted.tally.corrections, 1);
        corrected = true;
    }
    // A release that proved to be a key repeat takes its correction back.
    void correctionretracted();
    // Flushes the entry in hand; the counts are complete after this.
    const KeystrokeCounts& finish();
    const KeystrokeCounts& counts() const { return counted; }

private:
    void bump(QHash<QChar, std::int64_t>& table, QChar key);
    // The one place a key's typing time is measured, as the README defines it: the gap from the
    // keystroke before, both right and in the same entry, under 2 s.
    void timekeystroke(const QString& typed, qsizetype nowgood, std::int64_t milliseconds);
    KeystrokeCounts counted;
    QString previous;   // the box's text at the last change
    qsizetype good = 0; // length of the typed text's longest common start with the target
    QString wrongentry; // the target of the entry in hand, once it took a wrong keystroke
    // For the typing time: whether the last keystroke typed one character right, and when.
    bool lastright = false;
    bool corrected = false; // Backspace or Delete since the last keystroke: no pair is timed
    bool matched = false;   // the last change matched the entry
    std::int64_t lastmilliseconds = 0;
};
