#include "coach/coachrecord.h"

#include "career/form1.h"
#include "stats/statsfile.h"

void recorddrill(const QString& level, bool completed, std::int64_t milliseconds,
                 const KeystrokeCounts& counts) {
    if (counts.charstyped < 1)
        return;
    if (Form1* main = Form1::instance())
        main->recordtyping(
            endedrecord(QStringLiteral("Drill"), level,
                        completed ? QStringLiteral("Completed") : QStringLiteral("Stopped"),
                        milliseconds, counts));
}
