#include "coach/coachrecord.h"

#include "stats/statsfile.h"
#include "stats/statsrecorder.h"

void recorddrill(StatsRecorder* recorder, const QString& level, bool completed,
                 std::int64_t milliseconds, const KeystrokeCounts& counts) {
    if (recorder)
        recorder->record(
            endedrecord(QStringLiteral("Drill"), level,
                        completed ? QStringLiteral("Completed") : QStringLiteral("Stopped"),
                        milliseconds, counts));
}
