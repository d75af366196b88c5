#include "stats/keystrokes.h"

#include "common/textfile.h"

#include <algorithm>

namespace {

qsizetype commonstart(const QString& a, const QString& b, qsizetype from = 0) {
    const qsizetype n = std::min(a.size(), b.size());
    qsizetype i = std::min(from, n);
    while (i < n && a[i] == b[i])
        ++i;
    return i;
}

// Whether `now` is `before` with characters added at its end, as an ordinary keystroke leaves it.
bool appendedtyping(const QString& before, const QString& now) {
    return now.size() > before.size() && now.startsWith(before);
}

} // namespace

void KeystrokeCounter::restart(const QString& box) {
    counted = KeystrokeCounts();
    previous = box;
    good = 0;
    wrongentry.clear();
    lastright = false;
    corrected = false;
    matched = false;
    lastmilliseconds = 0;
}

void KeystrokeCounter::bump(QHash<QChar, std::int64_t>& table, QChar key) {
    std::int64_t& count = table[key];
    count = addsaturated(count, 1);
}

void KeystrokeCounter::changed(const QString& target, const QString& typed,
                               std::int64_t milliseconds) {
    const bool wason = good == previous.size(); // the box held a start of the target
    qsizetype nowgood;
    if (wason && appendedtyping(previous, typed))
        nowgood = commonstart(typed, target, good);
    else
        nowgood = commonstart(typed, target);

    TypingTally& t = counted.tally;
    if (typed.size() > previous.size()) {
        const qsizetype added = typed.size() - previous.size();
        t.charstyped = addsaturated(t.charstyped, added);
        // Every character put in that the box holds past its right start is wrong, however far
        // off the text already was: a run of five wrong keys is five, not one.
        const qsizetype off = std::min(added, typed.size() - nowgood);
        if (off > 0) {
            t.wrong = addsaturated(t.wrong, off);
            wrongentry = target;
        }
        // Only a keystroke made on a right start had a character of the target to hit: the
        // first one the text now lacks if it went off, the next one if it went right. So a
        // run that went off is one miss, against the character due where it did.
        const bool wentoff = wason && nowgood < typed.size();
        const qsizetype due = wentoff ? nowgood : previous.size();
        if (wason && due < target.size())
            bump(counted.expected, target[due]);
        if (wentoff && due < target.size()) {
            bump(counted.missed, target[due]);
            std::int64_t& swapped = counted.instead[keyswap(target[due], typed[due])];
            swapped = addsaturated(swapped, 1);
        }
    }
    // The window empties the box once the entry matched: no keystroke. The next entry's first
    // key is not timed: its gap holds the reading of the new entry, not the typing of the key.
    if (matched && typed.isEmpty())
        lastright = false;
    else
        timekeystroke(typed, nowgood, milliseconds);
    matched = !typed.isEmpty() && typed == target;
    if (matched) {
        t.entries = addsaturated(t.entries, 1);
        t.charsmatched = addsaturated(t.charsmatched, target.size());
        finish();
    }
    previous = typed;
    good = nowgood;
}

void KeystrokeCounter::timekeystroke(const QString& typed, qsizetype nowgood,
                                     std::int64_t milliseconds) {
    // One character added at the end, and the box still a start of the entry.
    const bool right = typed.size() == previous.size() + 1 && typed.startsWith(previous) &&
                       nowgood == typed.size();
    std::int64_t gap = 0;
    const bool timed = right && lastright &&
                       !__builtin_sub_overflow(milliseconds, lastmilliseconds, &gap) && gap >= 0 &&
                       gap < longestkeygap;
    if (timed)
        counted.keytime[typed.back()].add(gap, 1);
    // A pair lies inside one entry, and a blank or any other mark between words parts it.
    const qsizetype n = typed.size();
    if (timed && !corrected && n >= 2 && pairletter(typed[n - 2]) && pairletter(typed[n - 1]))
        counted.pairtime[letterpair(typed[n - 2], typed[n - 1])].add(gap, 1);
    lastright = right;
    corrected = false;
    lastmilliseconds = milliseconds;
}

void KeystrokeCounter::correctionretracted() {
    if (counted.tally.corrections > 0)
        counted.tally.corrections -= 1;
}

const KeystrokeCounts& KeystrokeCounter::finish() {
    if (!wrongentry.isEmpty()) {
        std::int64_t& times = counted.mistyped[wrongentry];
        times = addsaturated(times, 1);
        wrongentry.clear();
    }
    return counted;
}

void addswaps(KeySwaps& into, const KeySwaps& more) {
    for (auto it = more.cbegin(); it != more.cend(); ++it) {
        std::int64_t& times = into[it.key()];
        times = addsaturated(times, it.value());
    }
}

QList<std::pair<KeySwap, std::int64_t>> worstswaps(const KeySwaps& swaps) {
    QList<std::pair<KeySwap, std::int64_t>> out;
    out.reserve(swaps.size());
    for (auto it = swaps.cbegin(); it != swaps.cend(); ++it)
        if (it.value() > 0)
            out.append({it.key(), it.value()});
    std::sort(out.begin(), out.end(), [](const auto& a, const auto& b) {
        return a.second != b.second ? a.second > b.second : a.first < b.first;
    });
    return out;
}

bool pairletter(QChar c) {
    return c.isLetter() && windows1252byte(c) >= 0;
}

QString pairname(LetterPair pair) {
    return QString(firstletter(pair)) + secondletter(pair);
}

void TypingTally::add(const TypingTally& o) {
    milliseconds = addsaturated(milliseconds, o.milliseconds);
    entries = addsaturated(entries, o.entries);
    charsmatched = addsaturated(charsmatched, o.charsmatched);
    charstyped = addsaturated(charstyped, o.charstyped);
    wrong = addsaturated(wrong, o.wrong);
    corrections = addsaturated(corrections, o.corrections);
}

double wordsperminute(const TypingTally& t) {
    if (t.milliseconds <= 0)
        return 0;
    return static_cast<double>(t.charsmatched) / 5.0 * 60000.0 /
           static_cast<double>(t.milliseconds);
}

double livewordsperminute(const TypingTally& sofar, qsizetype inhand) {
    if (sofar.charstyped < 2)
        return 0;
    TypingTally withhand = sofar;
    withhand.charsmatched = addsaturated(sofar.charsmatched, std::max<qsizetype>(0, inhand));
    return wordsperminute(withhand);
}

qsizetype rightstart(const QString& typed, const QString& target) {
    return commonstart(typed, target);
}

double accuracypercent(const TypingTally& t) {
    if (t.charstyped <= 0)
        return 100;
    return 100.0 * static_cast<double>(t.charstyped - std::min(t.wrong, t.charstyped)) /
           static_cast<double>(t.charstyped);
}
