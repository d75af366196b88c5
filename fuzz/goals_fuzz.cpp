// practicegoal.dat on any bytes: every goal read is one the spin box offers, the goals go by day,
// and written back they read the same.
#include "stats/practicegoal.h"

#include <cstdint>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const QByteArray bytes(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size));
    const std::optional<GoalHistory> goals = readgoals(bytes);
    if (!goals)
        return 0;
    QDate before;
    for (const GoalChange& change : goals->changes()) {
        if (!possiblegoal(change.minutes) || !change.from.isValid() ||
            (before.isValid() && change.from <= before) || goals->on(change.from) != change.minutes)
            __builtin_trap();
        before = change.from;
    }
    if (readgoals(goalsline(*goals)) != goals)
        __builtin_trap();
    return 0;
}
