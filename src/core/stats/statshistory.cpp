#include "stats/statshistory.h"

#include "common/bytelines.h"
#include "common/filereading.h"
#include "common/mappedfile.h"
#include "common/textfile.h"
#include "stats/keystrokes.h"
#include "stats/keytallies.h"
#include "stats/statsfile.h"

#include <QSet>
#include <QVarLengthArray>

#include <algorithm>
#include <thread>
#include <vector>

namespace {

// The layout a record was typed on, empty for the desktop's.
QString layoutof(const StatsLine& line) {
    return line.layout.isEmpty() ? QString() : fromwindows1252(line.layout.toByteArray());
}

// One record's figures of one key, gathered from the line's tables before they move the key's.
struct RecordKey {
    char16_t key = 0;
    std::int64_t due = 0;
    std::int64_t missed = 0;
    std::int64_t ms = 0;
    std::int64_t timed = 0;
};

// Hands what a line holds to `into`: each key of the record once, with all its counts, then the
// entries mistyped and cleared, and whether it was a drill.
template <typename Into> void takeline(const StatsLine& line, Into& into) {
    struct Gather {
        Into& into;
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
            into.mistypedentry(fromwindows1252(entry.toByteArray()));
        }
        // Typed clean in a drill after its mistakes: it leaves the mistyped entries.
        void addcleared(QByteArrayView entry) {
            into.clearedentry(fromwindows1252(entry.toByteArray()));
        }
    } gather{into, {}};
    addtallies(line, gather);
    const QString layout = layoutof(line);
    for (const RecordKey& k : gather.keys)
        into.key(layout, QChar(k.key), k.due, k.missed, k.ms, k.timed);
    into.line(line);
    if (line.activity == "Drill")
        into.drill();
}

struct IntoHistory {
    StatsHistory& history;
    void key(const QString& layout, QChar key, std::int64_t due, std::int64_t missed,
             std::int64_t ms, std::int64_t timed) {
        (layout.isEmpty() ? history.keys : history.learntkeys[layout])
            .addrecord(key, due, missed, ms, timed);
    }
    void line(const StatsLine& line) {
        history.book.add(line);
        history.days.add(line);
    }
    void unreadable() { history.unreadable = addsaturated(history.unreadable, 1); }
    void mistypedentry(const QString& entry) {
        std::int64_t& times = history.mistyped[entry];
        times = addsaturated(times, 1);
        history.evermistyped = true;
    }
    void clearedentry(const QString& entry) { history.mistyped.remove(entry); }
    void drill() { history.drills = addsaturated(history.drills, 1); }
};

// A later part of a long file, read beside the parts before it and then laid over them.
struct LaterPart {
    QHash<QChar, KeyStride> keys;
    QHash<QString, QHash<QChar, KeyStride>> learntkeys;
    StatsBookPart book;
    PracticeDays days;
    QHash<QString, std::int64_t> mistyped; // since the part's last clearing of each
    QSet<QString> cleared;                 // what came before these in the file goes
    std::int64_t drills = 0;
    bool evermistyped = false;
    std::int64_t unreadablelines = 0;

    void key(const QString& layout, QChar key, std::int64_t due, std::int64_t missed,
             std::int64_t ms, std::int64_t timed) {
        (layout.isEmpty() ? keys : learntkeys[layout])[key].addrecord(due, missed, ms, timed);
    }
    void line(const StatsLine& line) {
        book.add(line);
        days.add(line);
    }
    void unreadable() { unreadablelines = addsaturated(unreadablelines, 1); }
    void mistypedentry(const QString& entry) {
        std::int64_t& times = mistyped[entry];
        times = addsaturated(times, 1);
        evermistyped = true;
    }
    void clearedentry(const QString& entry) {
        mistyped.remove(entry);
        cleared.insert(entry);
    }
    void drill() { drills = addsaturated(drills, 1); }

    void layover(StatsHistory& history) const {
        for (auto it = keys.cbegin(); it != keys.cend(); ++it)
            history.keys.follow(it.key(), it.value());
        for (auto layout = learntkeys.cbegin(); layout != learntkeys.cend(); ++layout)
            for (auto it = layout->cbegin(); it != layout->cend(); ++it)
                history.learntkeys[layout.key()].follow(it.key(), it.value());
        history.book.follow(book);
        history.unreadable = addsaturated(history.unreadable, unreadablelines);
        history.days.add(days);
        for (const QString& entry : cleared)
            history.mistyped.remove(entry);
        for (auto it = mistyped.cbegin(); it != mistyped.cend(); ++it) {
            std::int64_t& times = history.mistyped[it.key()];
            times = addsaturated(times, it.value());
        }
        history.drills = addsaturated(history.drills, drills);
        history.evermistyped = history.evermistyped || evermistyped;
    }
};

template <typename Into> void readlines(QByteArrayView bytes, Into& into) {
    StatsLine line;
    QByteArrayView text;
    while (nextline(bytes, text)) {
        if (text.trimmed().isEmpty())
            continue;
        line.clear();
        if (splitstatsline(text, line))
            takeline(line, into);
        else
            into.unreadable();
    }
}

// A few megabytes are read at once; a longer history is read in parts, one on each core.
qsizetype partsfor(QByteArrayView bytes) {
    constexpr qsizetype leastpart = 4 * 1024 * 1024;
    const qsizetype cores = std::clamp<qsizetype>(std::thread::hardware_concurrency(), 1, 8);
    return std::clamp<qsizetype>(bytes.size() / leastpart, 1, cores);
}

std::vector<QByteArrayView> parts(QByteArrayView bytes, qsizetype count) {
    std::vector<QByteArrayView> cut;
    qsizetype from = 0;
    for (qsizetype i = 1; i < count; ++i) {
        // A part ends after a line feed: a CR LF pair is never cut in two.
        const qsizetype at = bytes.indexOf('\n', std::max(from, bytes.size() / count * i));
        if (at < 0)
            break;
        cut.push_back(bytes.sliced(from, at + 1 - from));
        from = at + 1;
    }
    cut.push_back(bytes.sliced(from));
    return cut;
}

} // namespace

const KeyHistory& StatsHistory::keysof(const QString& layout) const {
    static const KeyHistory none;
    if (layout.isEmpty())
        return keys;
    const auto found = learntkeys.constFind(layout);
    return found == learntkeys.cend() ? none : *found;
}

void StatsHistory::add(const StatsLine& line) {
    IntoHistory into{*this};
    takeline(line, into);
}

void StatsHistory::add(const TypingRecord& record) {
    throughline(record, [this](const StatsLine& line) { add(line); });
}

StatsHistory readstatshistory(QByteArrayView statsbytes, int partcount) {
    StatsHistory history;
    // A last line with no line end was torn (the game ends every line it writes) and may have
    // lost any part of itself, however it reads: it is counted unreadable and left out.
    const QByteArrayView ended = endedlines(statsbytes);
    if (!statsbytes.sliced(ended.size()).trimmed().isEmpty())
        history.unreadable = addsaturated(history.unreadable, 1);
    const std::vector<QByteArrayView> cut =
        parts(ended, partcount > 0 ? partcount : partsfor(ended));
    std::vector<LaterPart> later(cut.size() - 1);
    std::vector<std::thread> readers;
    for (std::size_t i = 1; i < cut.size(); ++i)
        readers.emplace_back([&later, &cut, i] { readlines(cut[i], later[i - 1]); });
    IntoHistory into{history};
    readlines(cut.front(), into);
    for (std::thread& reader : readers)
        reader.join();
    for (const LaterPart& part : later)
        part.layover(history);
    return history;
}

StatsHistory loadstatshistory(const QString& folder, qint64 upto) {
    MappedFile mapped;
    const FileRead read = mapfile(folder + statsfilename, largeststats, mapped);
    if (!read.ok()) {
        StatsHistory none;
        if (!read.missing())
            none.trouble = read.message(statsfilename);
        return none;
    }
    QByteArrayView bytes = mapped.bytes();
    if (upto >= 0 && upto < bytes.size())
        bytes = bytes.first(upto);
    return readstatshistory(bytes);
}
