#pragma once

#include <QString>

#include <cstdint>

struct KeystrokeCounts;

// Keeps an ended drill in the typing statistics, as activity "Drill" of the given level, when
// at least one character was typed.
void recorddrill(const QString& level, bool completed, std::int64_t milliseconds,
                 const KeystrokeCounts& counts);
