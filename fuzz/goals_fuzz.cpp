// practicegoal.dat on any bytes: whatever they hold, every goal read is one the spin box offers,
// the goals go by day, and written back they read the same, and whole.
#include "stats/practicegoal.h"

#include <cstdint>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const QByteArray bytes(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size));
    GoalHistory goals;
    readgoals(bytes, goals);
    QDate before;
    for (const GoalChange& change : goals.changes()) {
        if (!possiblegoal(change.minutes) || !change.from.isValid() ||
            (before.isValid() && change.from <= before) || goals.on(change.from) != change.minutes)
            __builtin_trap();
        before = change.from;
    }
    GoalHistory again;
    if (readgoals(goalsline(goals), again) != Reading::Whole || again != goals)
        __builtin_trap();
    return 0;
}
