#include "coach/confidence.h"

#include <QtGlobal>

#include <algorithm>

double targetms(int targetwpm) {
    return 60000.0 / (5.0 * std::max(1, targetwpm));
}

double speedpart(double ms, int targetwpm) {
    return std::min(1.0, targetms(targetwpm) / std::max(1.0, ms));
}

double accuracypart(double missrate) {
    return std::clamp((1.0 - missrate) / (1.0 - tolerablemissrate), 0.0, 1.0);
}

double confidence(const KeyStat& stat, int targetwpm) {
    if (!stat.typed())
        return 0;
    return speedpart(stat.ms, targetwpm) * accuracypart(stat.missrate);
}

bool attarget(double confidence) {
    // A hair under the margin for a double's rounding: 90 % of the way is there.
    return confidence >= 1.0 - targetmargin - 1e-12;
}

bool reachedtarget(const KeyStat& stat, int targetwpm) {
    return attarget(confidence(stat, targetwpm));
}

int confidencepercent(double confidence) {
    const int shown = qRound(confidence * 100);
    const int least = qRound((1.0 - targetmargin) * 100);
    return shown >= least && !attarget(confidence) ? least - 1 : shown;
}
