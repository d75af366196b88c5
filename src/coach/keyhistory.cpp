#include "coach/keyhistory.h"

#include "stats/keystrokes.h"

#include <algorithm>

void KeyStat::add(const KeyStat& other) {
    due = addsaturated(due, other.due);
    missed = addsaturated(missed, other.missed);
    timedms = addsaturated(timedms, other.timedms);
    timed = addsaturated(timed, other.timed);
}

double targetms(int targetwpm) {
    return 60000.0 / (5.0 * std::max(1, targetwpm));
}

namespace {

// A key with few timed keystrokes is assumed slow, at twice the target's time, until enough of
// them prove otherwise: a handful of lucky gaps must not pass it.
constexpr double priorgaps = 3;
// Missing up to one key in twenty still counts as accurate.
constexpr double tolerablemissrate = 0.05;

} // namespace

double confidence(const KeyStat& stat, int targetwpm) {
    const double target = targetms(targetwpm);
    const double smoothed = (static_cast<double>(stat.timedms) + priorgaps * 2 * target) /
                            (static_cast<double>(stat.timed) + priorgaps);
    const double speed = std::min(1.0, target / std::max(1.0, smoothed));
    const double missrate = stat.due > 0 ? static_cast<double>(std::min(stat.missed, stat.due)) /
                                               static_cast<double>(stat.due)
                                         : 0.0;
    const double accuracy = std::min(1.0, (1.0 - missrate) / (1.0 - tolerablemissrate));
    return speed * accuracy;
}

bool reachedtarget(const KeyStat& stat, int targetwpm) {
    return confidence(stat, targetwpm) >= 1.0;
}

void KeyHistory::addcounts(QChar key, std::int64_t due, std::int64_t missed) {
    keys[key].add({std::max<std::int64_t>(0, due), std::max<std::int64_t>(0, missed), 0, 0});
}

void KeyHistory::addtime(QChar key, std::int64_t milliseconds, std::int64_t count) {
    keys[key].add(
        {0, 0, std::max<std::int64_t>(0, milliseconds), std::max<std::int64_t>(0, count)});
}

void KeyHistory::add(const KeyHistory& other) {
    for (auto it = other.keys.cbegin(); it != other.keys.cend(); ++it)
        keys[it.key()].add(it.value());
}

namespace {

// Keys in the order given by a score, lowest first; ties go to the lower character so the
// choice never depends on the hash's order.
template <typename Score> QList<QChar> ranked(QList<QChar> keys, Score score) {
    std::sort(keys.begin(), keys.end(), [&](QChar a, QChar b) {
        const double sa = score(a);
        const double sb = score(b);
        return sa != sb ? sa < sb : a < b;
    });
    return keys;
}

} // namespace

FocusChoice choosefocus(const KeyHistory& history, int targetwpm,
                        const QHash<QChar, std::int64_t>& frequency) {
    QList<QChar> judged;
    bool anyunreached = false;
    for (auto it = history.all().cbegin(); it != history.all().cend(); ++it) {
        // Of the blanks only the space bar is trained: a drill's entries hold no tab.
        const bool untrainable = it.key().isSpace() && it.key() != QLatin1Char(' ');
        if (it.value().due < leastdue || !frequency.contains(it.key()) || untrainable)
            continue;
        judged.append(it.key());
        anyunreached = anyunreached || !reachedtarget(it.value(), targetwpm);
    }
    FocusChoice choice;
    if (!judged.isEmpty()) {
        if (anyunreached)
            judged.removeIf([&](QChar key) { return reachedtarget(history.stat(key), targetwpm); });
        judged =
            ranked(judged, [&](QChar key) { return confidence(history.stat(key), targetwpm); });
        choice.enoughhistory = true;
    } else {
        QList<QChar> letters;
        for (auto it = frequency.cbegin(); it != frequency.cend(); ++it)
            if (it.key().isLetter())
                letters.append(it.key());
        judged = ranked(letters, [&](QChar key) { return -static_cast<double>(frequency[key]); });
    }
    if (judged.isEmpty())
        return choice;
    choice.focus = judged.first();
    choice.others = judged.mid(1, 2);
    return choice;
}

FocusChoice askfocus(const FocusChoice& chosen, QChar key) {
    QList<QChar> behind;
    if (!chosen.focus.isNull())
        behind << chosen.focus;
    behind << chosen.others;
    behind.removeAll(key);
    FocusChoice asked = chosen;
    asked.focus = key;
    asked.others = behind.mid(0, 2);
    return asked;
}
