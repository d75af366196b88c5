#include "stats/statsbook.h"

#include "common/bytelines.h"
#include "common/textfile.h"
#include "stats/keytallies.h"

#include <QIODevice>

void CareerTally::addrow(const StatsRow& row, QStringView activity) {
    if (activity == QLatin1String("Race"))
        ++races;
    else if (activity == QLatin1String("Drill"))
        ++drills;
    else
        ++exercises;
    tally.add(row.tally);
    bestspeed = std::max(bestspeed, wordsperminute(row.tally));
}

KeyMisses& CareerTally::key(char16_t code) {
    KeyMisses& k = code < low.size() ? low[code] : high[code];
    k.key = QChar(code);
    return k;
}

void CareerTally::addkey(char16_t code, std::int64_t expected, std::int64_t missed) {
    KeyMisses& k = key(code);
    k.expected = addsaturated(k.expected, expected);
    k.missed = addsaturated(k.missed, missed);
}

void CareerTally::addtime(char16_t code, const KeyTime& time) {
    key(code).time.add(time.milliseconds, time.count);
}

void CareerTally::add(const CareerTally& other) {
    exercises = addsaturated(exercises, other.exercises);
    races = addsaturated(races, other.races);
    drills = addsaturated(drills, other.drills);
    tally.add(other.tally);
    bestspeed = std::max(bestspeed, other.bestspeed);
    for (const KeyMisses& k : other.keys()) {
        addkey(k.key.unicode(), k.expected, k.missed);
        addtime(k.key.unicode(), k.time);
    }
    for (auto it = other.entries.cbegin(); it != other.entries.cend(); ++it) {
        std::int64_t& times = entries[it.key()];
        times = addsaturated(times, it.value());
    }
}

QList<KeyMisses> CareerTally::keys() const {
    QList<KeyMisses> out;
    for (const KeyMisses& k : low)
        if (k.expected > 0 || k.missed > 0 || k.time.count > 0)
            out.append(k);
    for (const KeyMisses& k : high)
        out.append(k);
    return out;
}

qint32 StatsBook::textposition(QByteArrayView bytes) {
    // Looked up in place; only a text not seen before is copied.
    const auto it = bytepositions.constFind(QByteArray::fromRawData(bytes.data(), bytes.size()));
    if (it != bytepositions.cend())
        return it.value();
    const qint32 position = textposition(fromwindows1252(bytes.toByteArray()));
    bytepositions.insert(bytes.toByteArray(), position);
    return position;
}

qint32 StatsBook::textposition(QByteArrayView bytes, RecentTexts& seen) {
    for (std::size_t i = 0; i < seen.bytes.size(); ++i)
        if (seen.bytes[i].size() == bytes.size() && seen.bytes[i] == bytes)
            return seen.positions[i];
    const qint32 position = textposition(bytes);
    seen.bytes[seen.next] = bytes.toByteArray();
    seen.positions[seen.next] = position;
    seen.next = (seen.next + 1) % seen.bytes.size();
    return position;
}

qint32 StatsBook::textposition(const QString& text) {
    const auto it = positions.constFind(text);
    if (it != positions.cend())
        return it.value();
    texts.append(text);
    return positions.insert(text, static_cast<qint32>(texts.size() - 1)).value();
}

CareerTally& StatsBook::addrow(StatsRow row) {
    // A copy of the book, or of its tallies, shares them until one is written: then they move.
    if (!bycareer.isDetached())
        talliesat.clear();
    CareerTally* tally = talliesat.value(row.career);
    if (!tally) {
        const qsizetype before = bycareer.size();
        tally = &bycareer[texts[row.career]];
        if (bycareer.size() != before)
            talliesat.clear();
        talliesat.insert(row.career, tally);
    }
    tally->addrow(row, texts[row.activity]);
    list.append(std::move(row));
    return *tally;
}

void StatsBook::add(const StatsLine& l) {
    StatsRow row;
    row.day = l.day;
    row.time = l.time;
    row.career = textposition(l.career, recent[0]);
    row.activity = textposition(l.activity, recent[1]);
    row.level = textposition(l.level, recent[2]);
    row.result = textposition(l.result, recent[3]);
    row.tally = l.tally;
    for (const PairTime& t : l.pairtime) {
        row.pairstimed = addsaturated(row.pairstimed, t.times);
        row.pairms = addsaturated(row.pairms, t.milliseconds);
    }
    struct Into {
        CareerTally& tally;
        StatsBook& book;
        void addkey(char16_t key, std::int64_t expected, std::int64_t missed) {
            tally.addkey(key, expected, missed);
        }
        void addtime(char16_t key, const KeyTime& time) { tally.addtime(key, time); }
        void addmistyped(QByteArrayView entry) {
            std::int64_t& times = tally.entries[book.texts[book.textposition(entry)]];
            times = addsaturated(times, 1);
        }
    } into{addrow(std::move(row)), *this};
    addtallies(l, into);
    into.tally.pairs.add(l);
    allpairs.add(l);
}

void StatsBook::add(const TypingRecord& record) {
    throughline(record, [this](const StatsLine& line) { add(line); });
}

StatsReader::StatsReader(QByteArray bytes) : data(std::move(bytes)), ended(true) {}

bool StatsReader::more(QIODevice& file, qint64 most) {
    // The lines read go, and the part is read in behind what is left: the same memory serves
    // every part.
    data.remove(0, pos);
    searched = std::max<qsizetype>(0, searched - pos);
    pos = 0;
    const qsizetype kept = data.size();
    data.resize(kept + most);
    const qint64 got = file.read(data.data() + kept, most);
    data.resize(kept + std::max<qint64>(0, got));
    return got >= 0;
}

bool StatsReader::read(int lines) {
    StatsLine line;
    const char* const begin = data.constData();
    const char* const stop = begin + data.size();
    for (int i = 0; i < lines && pos < data.size(); ++i) {
        const char* const end = lineend(begin + std::max(pos, searched), stop);
        // A CR last in the part may be the first half of a CR LF.
        if ((end == stop || (*end == '\r' && end + 1 == stop)) && !ended) {
            searched = end - begin; // a line longer than a part is not searched again
            return false;
        }
        QByteArrayView bytes(begin + pos, end);
        pos = end == stop ? data.size() : pastlineend(end, stop) - begin;
        if (bytes.trimmed().isEmpty())
            continue;
        // A last line with no line end was torn, however much of it reads.
        if (end != stop && splitstatsline(bytes, line))
            book.add(line);
        else
            unreadable = addsaturated(unreadable, 1);
    }
    return pos < data.size();
}
