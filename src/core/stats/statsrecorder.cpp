#include "stats/statsrecorder.h"
#include "common/filewriting.h"

#include "common/programfolder.h"
#include "stats/typinghistory.h"

StatsRecorder::StatsRecorder(std::function<QString()> career, QObject* parent)
    : QObject(parent), currentcareer(std::move(career)) {}

bool StatsRecorder::record(TypingRecord record) {
    if (record.counts.tally.charstyped == 0)
        return false;
    record.career = career();
    if (appendtofile(::apppath() + statsfilename, statsline(record))) {
        TypingHistory::shared()->add(record);
        emit recorded(record);
        return true;
    }
    if (!unwrittenreported) {
        unwrittenreported = true;
        emit unwritten(QStringLiteral("stats.dat could not be written: this exercise or race, "
                                      "and the ones after it, are left out of the typing "
                                      "statistics."));
    }
    return false;
}
