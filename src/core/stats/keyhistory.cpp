#include "stats/keyhistory.h"

#include "common/number.h"

#include <algorithm>
#include <array>
#include <cmath>

namespace {

// A key never typed starts slow, at a second a keystroke, and missed one time in ten, so a few
// lucky keystrokes do not pass it; twenty good ones leave little of that.
constexpr double priorms = 1000;
constexpr double priormissrate = 0.1;

} // namespace

KeyStat::KeyStat() : ms(priorms), missrate(priormissrate) {}

namespace {

// (1 - smoothingfactor)^count: a long history asks it millions of times, mostly of small counts.
double retained(std::int64_t count) {
    static const auto powers = [] {
        std::array<double, 512> table{};
        for (std::size_t n = 0; n < table.size(); ++n)
            table[n] = std::pow(1.0 - smoothingfactor, static_cast<double>(n));
        return table;
    }();
    if (count < static_cast<std::int64_t>(powers.size()))
        return powers[static_cast<std::size_t>(count)];
    return std::pow(1.0 - smoothingfactor, static_cast<double>(count));
}

} // namespace

double keptshare(double kept, std::int64_t count) {
    // Below this nothing of the past is left in any figure a double holds; the products of a long
    // run would otherwise sink into subnormal numbers, which the processor works out a hundred
    // times slower.
    const double left = kept * retained(count);
    return left < 1e-200 ? 0.0 : left;
}

double smoothed(double figure, double mean, std::int64_t count) {
    if (count <= 0)
        return figure;
    return mean + retained(count) * (figure - mean);
}

namespace {

// A record's counts as they may move a key: nothing below none, no more missed than due.
struct RecordCounts {
    std::int64_t due;
    std::int64_t missed;
    std::int64_t timedms;
    std::int64_t timed;

    bool movesmissrate() const { return due > 0; }
    bool movestime() const { return timed > 0 && timedms >= 0; }
    double missmean() const { return static_cast<double>(missed) / static_cast<double>(due); }
    double timemean() const { return static_cast<double>(timedms) / static_cast<double>(timed); }
};

RecordCounts sane(std::int64_t due, std::int64_t missed, std::int64_t timedms, std::int64_t timed) {
    due = std::max<std::int64_t>(0, due);
    return {due, std::clamp<std::int64_t>(missed, 0, due), timedms, timed};
}

} // namespace

void KeyStat::addrecord(std::int64_t recorddue, std::int64_t recordmissed, std::int64_t timedms,
                        std::int64_t recordtimed) {
    const RecordCounts r = sane(recorddue, recordmissed, timedms, recordtimed);
    if (r.movesmissrate())
        missrate = smoothed(missrate, r.missmean(), r.due);
    if (r.movestime())
        ms = smoothed(ms, r.timemean(), r.timed);
    due = addsaturated(due, r.due);
    timed = addsaturated(timed, std::max<std::int64_t>(0, r.timed));
}

void KeyStride::addrecord(std::int64_t recorddue, std::int64_t recordmissed, std::int64_t timedms,
                          std::int64_t recordtimed) {
    const RecordCounts r = sane(recorddue, recordmissed, timedms, recordtimed);
    if (r.movesmissrate()) {
        missfromnothing = smoothed(missfromnothing, r.missmean(), r.due);
        misskept = keptshare(misskept, r.due);
    }
    if (r.movestime()) {
        msfromnothing = smoothed(msfromnothing, r.timemean(), r.timed);
        mskept = keptshare(mskept, r.timed);
    }
    due = addsaturated(due, r.due);
    timed = addsaturated(timed, std::max<std::int64_t>(0, r.timed));
}

// Each smoothing moves a figure x to mean + r (x - mean), a line in x: a run of them is the line
// kept x + (the run begun from nothing).
void KeyStat::follow(const KeyStride& later) {
    ms = later.mskept * ms + later.msfromnothing;
    missrate = later.misskept * missrate + later.missfromnothing;
    due = addsaturated(due, later.due);
    timed = addsaturated(timed, later.timed);
}

void KeyHistory::addrecord(QChar key, std::int64_t due, std::int64_t missed, std::int64_t timedms,
                           std::int64_t timed) {
    keys[key].addrecord(due, missed, timedms, timed);
}
