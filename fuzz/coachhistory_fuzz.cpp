// The coach's history from any stats.dat: every count it keeps is one the game could have
// counted (no key typed at 2 s a gap or slower), every confidence lies in [0, 1], and a focus
// key is chosen without fault.
#include "coach/coachhistory.h"

#include "stats/keystrokes.h"

#include <cmath>
#include <cstdint>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const CoachHistory history = readcoachhistory(
        QByteArray(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size)));
    QHash<QChar, std::int64_t> frequency;
    for (auto it = history.keys.all().cbegin(); it != history.keys.all().cend(); ++it) {
        const KeyStat& k = it.value();
        if (k.due < 0 || k.missed < 0 || k.timedms < 0 || k.timed < 0)
            __builtin_trap();
        if (k.timed == 0 ? k.timedms != 0 : k.timedms / longestkeygap >= k.timed)
            __builtin_trap();
        const double c = confidence(k, 35);
        if (!(c >= 0 && c <= 1))
            __builtin_trap();
        frequency.insert(it.key(), 1);
    }
    for (auto it = history.mistyped.cbegin(); it != history.mistyped.cend(); ++it)
        if (it.value() <= 0)
            __builtin_trap();
    const FocusChoice keys = choosefocus(history.keys, 35, frequency);
    if (!keys.focus.isNull() && !frequency.contains(keys.focus))
        __builtin_trap();
    return 0;
}
