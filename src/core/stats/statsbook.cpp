#include "stats/statsbook.h"

#include "common/textfile.h"
#include "keyboard/keyboardphysical.h"
#include "stats/keytallies.h"

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
    addswaps(instead, other.instead);
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
    const qint64 at = (qint64(row.career) << 32) | quint32(row.layout);
    CareerTally* tally = talliesat.value(at);
    if (!tally) {
        const qsizetype before = bycareer.size();
        tally = &bycareer[{texts[row.career], layoutof(row)}];
        if (bycareer.size() != before)
            talliesat.clear();
        talliesat.insert(at, tally);
    }
    tally->addrow(row, texts[row.activity]);
    list.append(std::move(row));
    return *tally;
}

LayoutPairs& StatsBook::careerpairsat(qint32 career) {
    if (!careerpairs.isDetached())
        pairsat.clear();
    LayoutPairs* pairs = pairsat.value(career);
    if (!pairs) {
        const qsizetype before = careerpairs.size();
        pairs = &careerpairs[texts[career]];
        if (careerpairs.size() != before)
            pairsat.clear();
        pairsat.insert(career, pairs);
    }
    return *pairs;
}

const QString& StatsBook::layoutof(const StatsRow& row) const {
    static const QString desktop;
    return row.layout < 0 ? desktop : texts[row.layout];
}

void StatsBook::add(const StatsLine& line) {
    addline(line);
    const StatsRow& row = list.last();
    careerpairsat(row.career).add(line, layoutof(row));
    allpairs.add(line, layoutof(row));
}

CareerTally& StatsBook::addline(const StatsLine& l) {
    StatsRow row;
    row.day = l.day;
    row.time = l.time;
    row.career = textposition(l.career, recent[0]);
    row.activity = textposition(l.activity, recent[1]);
    row.level = textposition(l.level, recent[2]);
    row.result = textposition(l.result, recent[3]);
    if (!l.layout.isEmpty())
        row.layout = textposition(l.layout, recent[4]);
    row.tally = l.tally;
    if (!l.instead.isEmpty()) {
        KeySwaps swaps;
        for (const SwapCount& s : l.instead)
            swaps[s.swap] = addsaturated(swaps.value(s.swap), s.times);
        row.instead = textposition(swapsummary(swaps));
    }
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
        void addinstead(const SwapCount& swap) {
            std::int64_t& times = tally.instead[swap.swap];
            times = addsaturated(times, swap.times);
        }
    } into{addrow(std::move(row)), *this};
    addtallies(l, into);
    return into.tally;
}

void StatsBook::follow(const StatsBookPart& later) {
    const StatsBook& part = later.book;
    QList<qint32> at;
    at.reserve(part.texts.size());
    for (const QString& text : part.texts)
        at.append(textposition(text));
    list.reserve(list.size() + part.list.size());
    for (StatsRow row : part.list) {
        row.career = at[row.career];
        row.activity = at[row.activity];
        row.level = at[row.level];
        row.result = at[row.result];
        if (row.instead >= 0)
            row.instead = at[row.instead];
        if (row.layout >= 0)
            row.layout = at[row.layout];
        list.append(row);
    }
    talliesat.clear(); // a new career may move the tallies
    pairsat.clear();
    for (auto it = part.bycareer.cbegin(); it != part.bycareer.cend(); ++it)
        bycareer[it.key()].add(it.value());
    for (auto it = later.careerpairs.cbegin(); it != later.careerpairs.cend(); ++it)
        careerpairs[part.texts[it.key()]].follow(it.value());
    allpairs.follow(later.allpairs);
}

CareerTally StatsBook::tally(const StatsChoice& choice) const {
    CareerTally total;
    for (auto it = bycareer.cbegin(); it != bycareer.cend(); ++it)
        if ((!choice.career || it.key().career == *choice.career) &&
            (!choice.layout || it.key().layout == *choice.layout))
            total.add(it.value());
    return total;
}

const PairTimes& StatsBook::pairs(const StatsChoice& choice) const {
    static const LayoutPairs none;
    const LayoutPairs* of = &allpairs;
    if (choice.career) {
        const auto found = careerpairs.constFind(*choice.career);
        of = found == careerpairs.cend() ? &none : &*found;
    }
    return choice.layout ? of->of(*choice.layout) : of->all();
}

QStringList StatsBook::layouts() const {
    QStringList found;
    bool desktop = false;
    for (auto it = bycareer.cbegin(); it != bycareer.cend(); ++it) {
        if (it.key().layout.isEmpty())
            desktop = true;
        else if (!found.contains(it.key().layout))
            found.append(it.key().layout);
    }
    found.sort();
    if (desktop)
        found.prepend(QString());
    return found;
}

KeySwaps StatsBook::instead() const {
    KeySwaps all;
    for (const CareerTally& tally : bycareer)
        addswaps(all, tally.instead);
    return all;
}

QString swapsummary(const KeySwaps& swaps) {
    QStringList parts;
    for (const auto& [swap, times] : worstswaps(swaps))
        parts.append(keyname(typedkey(swap)) + QStringLiteral(" for ") + keyname(duekey(swap)) +
                     QStringLiteral(": ") + QString::number(times));
    return parts.join(QStringLiteral("; "));
}

void StatsBookPart::add(const StatsLine& line) {
    book.addline(line);
    const StatsRow& row = book.list.last();
    allpairs.add(line, book.layoutof(row));
    careerpairs[row.career].add(line, book.layoutof(row));
}

void StatsBook::add(const TypingRecord& record) {
    throughline(record, [this](const StatsLine& line) { add(line); });
}
