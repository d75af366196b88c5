#include "coach/coachhistory.h"

#include "common/bytelines.h"
#include "common/textfile.h"
#include "stats/keystrokes.h"
#include "stats/statsfile.h"

CoachHistory readcoachhistory(const QByteArray& statsbytes) {
    CoachHistory history;
    StatsLine line;
    QByteArrayView rest(statsbytes);
    QByteArrayView text;
    while (nextline(rest, text)) {
        line.clear();
        if (!splitstatsline(text, line))
            continue;
        for (const CharCount& due : line.expected)
            history.keys.addcounts(QChar(due.key), due.times, 0);
        for (const CharCount& miss : line.missed)
            history.keys.addcounts(QChar(miss.key), 0, miss.times);
        for (const CharTime& time : line.keytime)
            history.keys.addtime(QChar(time.key), time.milliseconds, time.times);
        for (QByteArrayView entry : line.mistyped) {
            std::int64_t& times = history.mistyped[fromwindows1252(entry.toByteArray())];
            times = addsaturated(times, 1);
        }
    }
    return history;
}

CoachHistory loadcoachhistory(const QString& folder) {
    QByteArray bytes;
    const FileRead read = readfile(folder + statsfilename, largeststats, bytes);
    if (!read.ok()) {
        CoachHistory none;
        if (!read.missing())
            none.trouble = read.message(statsfilename);
        return none;
    }
    return readcoachhistory(bytes);
}
