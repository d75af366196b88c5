#pragma once

#include <QtGlobal>

// A benchmark repeats each measurement many times, for figures that a busy machine moves
// little. With KEYSTRIDER_BENCH_QUICK set (./build.sh bench, as CI runs them) it repeats each a
// few times only: enough to show it still runs to a clean end, too few for its figures to say
// anything of the goals.
inline bool quickbench() {
    return qEnvironmentVariableIsSet("KEYSTRIDER_BENCH_QUICK");
}

// `full` repeats, or `quick` in a quick run.
inline int repeats(int full, int quick) {
    return quickbench() ? quick : full;
}
