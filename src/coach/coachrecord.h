#pragma once

#include <QString>

#include <cstdint>

struct KeystrokeCounts;
class StatsRecorder;

// Keeps an ended drill in the typing statistics, as activity "Drill" of the given level; the
// recorder leaves out one in which nothing was typed.
void recorddrill(StatsRecorder* recorder, const QString& level, bool completed,
                 std::int64_t milliseconds, const KeystrokeCounts& counts);
