#include "coach/confidence.h"

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

bool reachedtarget(const KeyStat& stat, int targetwpm) {
    return confidence(stat, targetwpm) >= 1.0;
}
