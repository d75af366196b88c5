#include "coach/keyhistory.h"

#include "common/number.h"

#include <algorithm>
#include <cmath>

namespace {

// A key never typed starts slow, at a second a keystroke, and missed one time in ten, so a few
// lucky keystrokes do not pass it; twenty good ones leave little of that.
constexpr double priorms = 1000;
constexpr double priormissrate = 0.1;
// Missing up to one key in twenty still counts as accurate.
constexpr double tolerablemissrate = 0.05;

} // namespace

KeyStat::KeyStat() : ms(priorms), missrate(priormissrate) {}

double smoothed(double figure, double mean, std::int64_t count) {
    if (count <= 0)
        return figure;
    return mean + std::pow(1.0 - smoothingfactor, static_cast<double>(count)) * (figure - mean);
}

void KeyStat::addrecord(std::int64_t recorddue, std::int64_t recordmissed, std::int64_t timedms,
                        std::int64_t recordtimed) {
    recorddue = std::max<std::int64_t>(0, recorddue);
    recordmissed = std::clamp<std::int64_t>(recordmissed, 0, recorddue);
    if (recorddue > 0)
        missrate =
            smoothed(missrate, static_cast<double>(recordmissed) / static_cast<double>(recorddue),
                     recorddue);
    if (recordtimed > 0 && timedms >= 0)
        ms = smoothed(ms, static_cast<double>(timedms) / static_cast<double>(recordtimed),
                      recordtimed);
    due = addsaturated(due, recorddue);
    timed = addsaturated(timed, std::max<std::int64_t>(0, recordtimed));
}

double targetms(int targetwpm) {
    return 60000.0 / (5.0 * std::max(1, targetwpm));
}

double confidence(const KeyStat& stat, int targetwpm) {
    if (!stat.typed())
        return 0;
    const double speed = std::min(1.0, targetms(targetwpm) / std::max(1.0, stat.ms));
    const double accuracy = std::clamp((1.0 - stat.missrate) / (1.0 - tolerablemissrate), 0.0, 1.0);
    return speed * accuracy;
}

bool reachedtarget(const KeyStat& stat, int targetwpm) {
    return confidence(stat, targetwpm) >= 1.0;
}

void KeyHistory::addrecord(QChar key, std::int64_t due, std::int64_t missed, std::int64_t timedms,
                           std::int64_t timed) {
    keys[key].addrecord(due, missed, timedms, timed);
}
