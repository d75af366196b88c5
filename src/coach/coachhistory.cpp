#include "coach/coachhistory.h"

#include "common/bytelines.h"
#include "common/textfile.h"
#include "stats/keystrokes.h"
#include "stats/keytallies.h"
#include "stats/statsfile.h"

void CoachHistory::add(const StatsLine& line) {
    struct Into {
        CoachHistory& history;
        void addkey(char16_t key, std::int64_t expected, std::int64_t missed) {
            history.keys.addcounts(QChar(key), expected, missed);
        }
        void addtime(char16_t key, const KeyTime& time) {
            history.keys.addtime(QChar(key), time.milliseconds, time.count);
        }
        void addmistyped(QByteArrayView entry) {
            std::int64_t& times = history.mistyped[fromwindows1252(entry.toByteArray())];
            times = addsaturated(times, 1);
        }
    } into{*this};
    addtallies(line, into);
}

void CoachHistory::add(const TypingRecord& record) {
    throughline(record, [this](const StatsLine& line) { add(line); });
}

CoachHistory readcoachhistory(const QByteArray& statsbytes) {
    CoachHistory history;
    StatsLine line;
    QByteArrayView rest(statsbytes);
    QByteArrayView text;
    while (nextline(rest, text)) {
        line.clear();
        if (splitstatsline(text, line))
            history.add(line);
    }
    return history;
}

CoachHistory loadcoachhistory(const QString& folder, qint64 upto) {
    QByteArray bytes;
    const FileRead read = readfile(folder + statsfilename, largeststats, bytes);
    if (upto >= 0 && upto < bytes.size())
        bytes.truncate(upto);
    if (!read.ok()) {
        CoachHistory none;
        if (!read.missing())
            none.trouble = read.message(statsfilename);
        return none;
    }
    return readcoachhistory(bytes);
}
