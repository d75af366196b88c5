#include "coach/keytiming.h"

void KeyTiming::restart() {
    timed = KeyHistory();
    previous.clear();
    lastright = false;
    lastms = 0;
}

void KeyTiming::changed(const QString& target, const QString& typed, std::int64_t ms) {
    const bool right = typed.size() == previous.size() + 1 && typed.startsWith(previous) &&
                       target.startsWith(typed);
    const std::int64_t gap = ms - lastms;
    if (right && lastright && gap >= 0 && gap < longestgap)
        timed.addtime(typed.back(), gap, 1);
    lastright = right;
    lastms = ms;
    previous = typed;
}
