#include "stats/statssummary.h"

#include <QHash>

#include <algorithm>

namespace {

// Highest first, ties in character order, cut to `limit`.
void rankkeys(QList<KeyMisses>& keys, qsizetype limit, double (KeyMisses::*measure)() const) {
    std::sort(keys.begin(), keys.end(), [measure](const KeyMisses& a, const KeyMisses& b) {
        const double ma = (a.*measure)();
        const double mb = (b.*measure)();
        if (ma != mb)
            return ma > mb;
        return a.key < b.key;
    });
    keys = keys.first(std::min(limit, keys.size()));
}

} // namespace

StatsSummary summarise(const StatsBook& book, const StatsChoice& choice, qsizetype keylimit,
                       qsizetype entrylimit, const PairWeights& weights) {
    StatsSummary s;
    const QList<StatsRow>& rows = book.rows();
    const qint32 career = choice.career ? book.find(*choice.career) : -1;
    // The desktop's layout is no text of the book's.
    const bool desktop = choice.layout && choice.layout->isEmpty();
    const qint32 layout = choice.layout && !desktop ? book.find(*choice.layout) : -1;
    if ((choice.career && career < 0) || (choice.layout && !desktop && layout < 0))
        return s;
    for (qsizetype i = 0; i < rows.size(); ++i)
        if ((!choice.career || rows[i].career == career) &&
            (!choice.layout || rows[i].layout == layout))
            s.shown.append(i);
    if (s.shown.isEmpty())
        return s;
    const CareerTally total = book.tally(choice);
    s.exercises = total.exercises;
    s.races = total.races;
    s.drills = total.drills;
    s.tally = total.tally;
    s.bestspeed = total.bestspeed;
    // All matched characters over all the time: a short fast record weighs what it lasted.
    s.averagespeed = wordsperminute(total.tally);
    TypingTally recent;
    int counted = 0;
    for (qsizetype i = s.shown.size() - 1; i >= 0 && counted < 10; --i) {
        const TypingTally& t = rows[s.shown[i]].tally;
        if (t.charstyped > 0) {
            recent.add(t);
            ++counted;
        }
    }
    if (counted > 0)
        s.recentaccuracy = accuracypercent(recent);

    for (const KeyMisses& k : total.keys()) {
        if (k.expected >= rankedkeyminimum && k.missed > 0)
            s.keys.append(k);
        if (k.time.count >= rankedkeyminimum)
            s.slowkeys.append(k);
        if (k.expected >= rankedkeyminimum || k.time.count >= rankedkeyminimum)
            s.rankedkeys.append(k);
    }
    rankkeys(s.keys, keylimit, &KeyMisses::rate);
    rankkeys(s.slowkeys, keylimit, &KeyMisses::meantime);
    std::sort(s.rankedkeys.begin(), s.rankedkeys.end(),
              [](const KeyMisses& a, const KeyMisses& b) { return a.key < b.key; });
    for (auto it = total.entries.cbegin(); it != total.entries.cend(); ++it)
        s.entries.append({it.key(), it.value()});
    std::sort(s.entries.begin(), s.entries.end(), [](const EntryMisses& a, const EntryMisses& b) {
        if (a.times != b.times)
            return a.times > b.times;
        return a.entry < b.entry;
    });
    s.entries = s.entries.first(std::min(entrylimit, s.entries.size()));
    s.slowpairs = rankpairs(book.pairs(choice), weights, keylimit);
    s.swaps = worstswaps(total.instead);
    s.swaps = s.swaps.first(std::min(entrylimit, s.swaps.size()));
    return s;
}

QString durationtext(std::int64_t milliseconds) {
    const std::int64_t seconds = milliseconds / 1000;
    return QStringLiteral("%1:%2:%3")
        .arg(seconds / 3600)
        .arg(seconds / 60 % 60, 2, 10, QLatin1Char('0'))
        .arg(seconds % 60, 2, 10, QLatin1Char('0'));
}
