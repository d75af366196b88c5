#include "coach/coachhistory.h"

#include "common/bytelines.h"
#include "common/textfile.h"
#include "stats/keystrokes.h"
#include "stats/keytallies.h"
#include "stats/statsfile.h"

#include <QVarLengthArray>

namespace {

// One record's figures of one key, gathered from the line's tables before they move the key's.
struct RecordKey {
    char16_t key = 0;
    std::int64_t due = 0;
    std::int64_t missed = 0;
    std::int64_t ms = 0;
    std::int64_t timed = 0;
};

} // namespace

void CoachHistory::add(const StatsLine& line) {
    struct Into {
        CoachHistory& history;
        // A record names a few dozen keys: a short list beats a hash here.
        QVarLengthArray<RecordKey, 64> keys;
        RecordKey& of(char16_t key) {
            for (RecordKey& k : keys)
                if (k.key == key)
                    return k;
            keys.append({key});
            return keys.last();
        }
        void addkey(char16_t key, std::int64_t expected, std::int64_t missed) {
            RecordKey& k = of(key);
            k.due = addsaturated(k.due, expected);
            k.missed = addsaturated(k.missed, missed);
        }
        void addtime(char16_t key, const KeyTime& time) {
            RecordKey& k = of(key);
            k.ms = addsaturated(k.ms, time.milliseconds);
            k.timed = addsaturated(k.timed, time.count);
        }
        void addmistyped(QByteArrayView entry) {
            std::int64_t& times = history.mistyped[fromwindows1252(entry.toByteArray())];
            times = addsaturated(times, 1);
        }
        // Typed clean in a drill after its mistakes: it leaves the mistyped entries.
        void addcleared(QByteArrayView entry) {
            history.mistyped.remove(fromwindows1252(entry.toByteArray()));
        }
    } into{*this, {}};
    addtallies(line, into);
    for (const RecordKey& k : into.keys)
        keys.addrecord(QChar(k.key), k.due, k.missed, k.ms, k.timed);
    if (line.activity == "Drill")
        drills = addsaturated(drills, 1);
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
