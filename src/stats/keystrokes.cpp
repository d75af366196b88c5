#include "stats/keystrokes.h"

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

void KeystrokeCounter::restart() {
    counted = KeystrokeCounts();
    previous.clear();
    good = 0;
    wrongentry.clear();
}

void KeystrokeCounter::bump(QHash<QChar, std::int64_t>& table, QChar key) {
    std::int64_t& count = table[key];
    count = addsaturated(count, 1);
}

void KeystrokeCounter::changed(const QString& target, const QString& typed) {
    const bool wason = good == previous.size(); // the box held a start of the target
    qsizetype nowgood;
    if (wason && appendedtyping(previous, typed))
        nowgood = commonstart(typed, target, good);
    else
        nowgood = commonstart(typed, target);

    if (typed.size() > previous.size()) {
        const qsizetype added = typed.size() - previous.size();
        counted.charstyped = addsaturated(counted.charstyped, added);
        // Only a keystroke made on a right start had a character of the target to hit: the
        // first one the text now lacks if it went wrong, the next one if it went right.
        const bool wentwrong = wason && nowgood < typed.size();
        const qsizetype due = wentwrong ? nowgood : previous.size();
        if (wason && due < target.size())
            bump(counted.expected, target[due]);
        if (wentwrong) {
            counted.wrong = addsaturated(counted.wrong, 1);
            if (due < target.size())
                bump(counted.missed, target[due]);
            wrongentry = target;
        }
    }
    if (!typed.isEmpty() && typed == target) {
        counted.entries = addsaturated(counted.entries, 1);
        counted.charsmatched = addsaturated(counted.charsmatched, target.size());
        finish();
    }
    previous = typed;
    good = nowgood;
}

void KeystrokeCounter::correctionretracted() {
    if (counted.corrections > 0)
        counted.corrections -= 1;
}

const KeystrokeCounts& KeystrokeCounter::finish() {
    if (!wrongentry.isEmpty()) {
        std::int64_t& times = counted.mistyped[wrongentry];
        times = addsaturated(times, 1);
        wrongentry.clear();
    }
    return counted;
}

double wordsperminute(std::int64_t charsmatched, std::int64_t milliseconds) {
    if (milliseconds <= 0)
        return 0;
    return static_cast<double>(charsmatched) / 5.0 * 60000.0 / static_cast<double>(milliseconds);
}

double accuracypercent(std::int64_t charstyped, std::int64_t wrong) {
    if (charstyped <= 0)
        return 100;
    return 100.0 * static_cast<double>(charstyped - std::min(wrong, charstyped)) /
           static_cast<double>(charstyped);
}
