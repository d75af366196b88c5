#include "stats/pairtimes.h"

#include "common/textfile.h"
#include "stats/keyhistory.h"
#include "stats/keytallies.h"

#include <algorithm>
#include <array>
#include <cmath>

namespace {

// (1 - α)^count, as `smoothed` leaves of the figure before. A long history asks it millions of
// times, nearly always of a count or two. Worked out at the first question, not at every start.
const std::array<double, 64>& powers() {
    static const std::array<double, 64> table = [] {
        std::array<double, 64> t{};
        for (std::size_t n = 0; n < t.size(); ++n)
            t[n] = smoothed(1.0, 0.0, static_cast<std::int64_t>(n));
        return t;
    }();
    return table;
}

double retained(std::int64_t count) {
    return count < 64 ? powers()[static_cast<std::size_t>(count)] : smoothed(1.0, 0.0, count);
}

// The letters' own times, which their pairs are weighed against, and the pairs'.
template <typename Add> void eachtiming(const StatsLine& line, Add add) {
    for (const CharTime& t : line.keytime)
        if (const int b = windows1252byte(QChar(t.key));
            b >= 0 && t.times > 0 && windows1252letter(static_cast<unsigned char>(b)))
            add(false, 0, static_cast<unsigned char>(b), t.milliseconds, t.times);
    for (const PairTime& t : line.pairtime)
        add(true, t.first, t.second, t.milliseconds, t.times);
}

double mean(std::int64_t milliseconds, std::int64_t count) {
    return static_cast<double>(milliseconds) / static_cast<double>(count);
}

} // namespace

void SmoothedTime::add(std::int64_t milliseconds, std::int64_t count) {
    if (count <= 0 || milliseconds < 0)
        return;
    const double m = mean(milliseconds, count);
    ms = m + retained(count) * ((timed > 0 ? ms : m) - m); // as `smoothed` moves a figure
    timed = addsaturated(timed, count);
}

void SmoothedTime::follow(const TimeStride& later) {
    if (later.timed <= 0)
        return;
    ms = later.kept * (timed > 0 ? ms : later.first) + later.fromnothing;
    timed = addsaturated(timed, later.timed);
}

void TimeStride::add(std::int64_t milliseconds, std::int64_t count) {
    if (count <= 0 || milliseconds < 0)
        return;
    const double m = mean(milliseconds, count);
    if (timed == 0)
        first = m;
    fromnothing = m + retained(count) * (fromnothing - m); // as `smoothed` moves a figure
    kept = keptshare(kept, count);
    timed = addsaturated(timed, count);
}

void PairTimes::add(const StatsLine& line) {
    eachtiming(line, [this](bool pair, unsigned char a, unsigned char b, std::int64_t ms,
                            std::int64_t count) {
        (pair ? times.pair(a, b) : times.key(b)).add(ms, count);
    });
}

void addstrides(LetterTable<TimeStride>& strides, const StatsLine& line) {
    eachtiming(line, [&strides](bool pair, unsigned char a, unsigned char b, std::int64_t ms,
                                std::int64_t count) {
        (pair ? strides.pair(a, b) : strides.key(b)).add(ms, count);
    });
}

void PairTimes::follow(const LetterTable<TimeStride>& later) {
    later.eachkey([this](unsigned char b, const TimeStride& s) { times.key(b).follow(s); });
    later.eachpair([this](unsigned char a, unsigned char b, const TimeStride& s) {
        times.pair(a, b).follow(s);
    });
}

SmoothedTime PairTimes::pair(LetterPair pair) const {
    const int a = windows1252byte(firstletter(pair));
    const int b = windows1252byte(secondletter(pair));
    if (a < 0 || b < 0)
        return {};
    const SmoothedTime* t =
        times.findpair(static_cast<unsigned char>(a), static_cast<unsigned char>(b));
    return t ? *t : SmoothedTime();
}

SmoothedTime PairTimes::key(QChar key) const {
    const int b = windows1252byte(key);
    return b < 0 ? SmoothedTime() : times.key(static_cast<unsigned char>(b));
}

PairWeights pairweights(const QStringList& words) {
    QHash<LetterPair, std::int64_t> counts;
    std::int64_t all = 0;
    for (const QString& word : words) {
        const QString lower = word.toLower();
        for (qsizetype i = 1; i < lower.size(); ++i)
            if (lower[i - 1].isLetter() && lower[i].isLetter()) {
                ++counts[letterpair(lower[i - 1], lower[i])];
                ++all;
            }
    }
    PairWeights weights;
    for (auto it = counts.cbegin(); it != counts.cend(); ++it)
        weights.insert(it.key(), static_cast<double>(it.value()) / static_cast<double>(all));
    return weights;
}

namespace {
PairWeigher& installedweigher() {
    static PairWeigher weigher;
    return weigher;
}
} // namespace

void setpairweigher(PairWeigher weigher) {
    installedweigher() = std::move(weigher);
}

PairWeights drilledpairweights(const QString& layout) {
    return installedweigher() ? installedweigher()(layout) : PairWeights();
}

double pairslowness(double pairms, double expectedms, double weight) {
    return (pairms - expectedms) * weight;
}

QList<PairStanding> rankpairs(const PairTimes& times, const PairWeights& weights, qsizetype limit,
                              const QString& letters) {
    QList<PairStanding> ranked;
    times.table().eachpair([&](unsigned char a, unsigned char b, const SmoothedTime& t) {
        const QChar first = windows1252char(a);
        const QChar second = windows1252char(b);
        if (t.timed < rankedpairminimum ||
            (!letters.isNull() && (!letters.contains(first) || !letters.contains(second))))
            return;
        PairStanding s;
        s.pair = letterpair(first, second);
        s.ms = t.ms;
        s.timed = t.timed;
        // The second key is timed whenever its pair is: a slow key alone makes no slow pair.
        s.expected = times.table().key(b).ms;
        s.weight = weights.value(letterpair(first.toLower(), second.toLower()), 0.0);
        s.slowness = pairslowness(s.ms, s.expected, weights.isEmpty() ? 1.0 : s.weight);
        ranked.append(s);
    });
    std::sort(ranked.begin(), ranked.end(), [](const PairStanding& x, const PairStanding& y) {
        if (x.slowness != y.slowness)
            return x.slowness > y.slowness;
        return x.pair < y.pair;
    });
    if (ranked.size() > limit)
        ranked.resize(limit);
    return ranked;
}
