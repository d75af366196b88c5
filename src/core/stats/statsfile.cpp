#include "stats/statsfile.h"

#include "stats/keytallies.h"
#include "stats/statstables.h"

#include "common/clock.h"
#include "common/number.h"
#include "common/textfile.h"

#include <QStringList>

#include <algorithm>
#include <array>
#include <charconv>
#include <string_view>

namespace {

constexpr char tag[] = "keystrider-stats";
constexpr std::int64_t version = 1;
const QString dateformat = QStringLiteral("yyyy-MM-dd HH:mm:ss");

QString counttext(std::int64_t times) {
    return QString::number(times);
}

QString counttext(const KeyTime& time) {
    return QString::number(time.milliseconds) + QLatin1Char(':') + QString::number(time.count);
}

// "97:3 101:1": character code and count(s), in code order so a line always reads the same.
template <typename Value> QString chartable(const QHash<QChar, Value>& table) {
    QList<QChar> keys = table.keys();
    std::sort(keys.begin(), keys.end());
    QStringList parts;
    for (QChar key : keys)
        parts.append(QString::number(key.unicode()) + QLatin1Char(':') +
                     counttext(table.value(key)));
    return parts.join(QLatin1Char(' '));
}

// "th312 he405:2": each pair's two letters, then its typing times added up and, after a colon,
// how many when more than one. Pairs are many and short, so they take as few bytes as they can.
QString pairtable(const QHash<LetterPair, KeyTime>& table) {
    QList<LetterPair> pairs = table.keys();
    std::sort(pairs.begin(), pairs.end());
    QString out;
    for (LetterPair pair : pairs) {
        const KeyTime& time = table.value(pair);
        if (time.count <= 0)
            continue;
        if (!out.isEmpty())
            out += QLatin1Char(' ');
        out += pairname(pair) + QString::number(time.milliseconds);
        if (time.count > 1)
            out += QLatin1Char(':') + QString::number(time.count);
    }
    return out;
}

// The names a line may hold; the counts first, in the order of TypingTally.
enum class Name {
    ms,
    entries,
    matched,
    typed,
    wrong,
    corrections,
    ended,
    activity,
    result,
    career,
    level,
    expected,
    missed,
    keytime,
    pairtime,
    mistyped,
    cleared,
    instead,
    layout,
    unknown
};
constexpr std::string_view names[] = {"ms",          "entries",  "matched",  "typed",   "wrong",
                                      "corrections", "ended",    "activity", "result",  "career",
                                      "level",       "expected", "missed",   "keytime", "pairtime",
                                      "mistyped",    "cleared",  "instead",  "layout"};
// Every count, ended, activity and result.
constexpr unsigned requirednames = (1u << static_cast<int>(Name::career)) - 1;

// No two names share both length and first letter, so a name costs one comparison of text.
Name nameof(QByteArrayView field) {
    const std::string_view text(field.data(), static_cast<std::size_t>(field.size()));
    for (int n = 0; n < static_cast<int>(Name::unknown); ++n)
        if (text.size() == names[n].size() && text[0] == names[n][0] && text == names[n])
            return static_cast<Name>(n);
    return Name::unknown;
}

// "120:99:12": the key due, the key typed instead, how often; in that order, so a line always
// reads the same.
QString swaptable(const KeySwaps& swaps) {
    QList<KeySwap> keys = swaps.keys();
    std::sort(keys.begin(), keys.end());
    QStringList parts;
    for (KeySwap swap : keys)
        if (const std::int64_t times = swaps.value(swap); times > 0)
            parts.append(QString::number(duekey(swap).unicode()) + QLatin1Char(':') +
                         QString::number(typedkey(swap).unicode()) + QLatin1Char(':') +
                         QString::number(times));
    return parts.join(QLatin1Char(' '));
}

// Under the longest gap on average, and a time only with gaps to add up.
bool possiblegaps(std::int64_t milliseconds, std::int64_t times) {
    return times == 0 ? milliseconds == 0 : milliseconds / longestkeygap < times;
}

// Each pair's time is a share of its second key's own: no more gaps, and no more time, than that
// key has. A pair that claims more is none the game timed.
bool possiblepairs(const StatsLine& l) {
    struct Room {
        std::int64_t milliseconds = 0;
        std::int64_t times = 0;
    };
    // A few dozen keys a line: each key's room by its byte, without clearing room for all 256.
    std::array<std::uint8_t, 256> slot{};
    QVarLengthArray<Room, 32> room;
    for (const CharTime& t : l.keytime) {
        const int b = windows1252byte(QChar(t.key));
        if (b < 0)
            continue;
        if (slot[b] == 0) {
            room.append({});
            slot[b] = static_cast<std::uint8_t>(room.size());
        }
        Room& r = room[slot[b] - 1];
        r.milliseconds = addsaturated(r.milliseconds, t.milliseconds);
        r.times = addsaturated(r.times, t.times);
    }
    for (const PairTime& t : l.pairtime) {
        if (slot[t.second] == 0 || !possiblegaps(t.milliseconds, t.times))
            return false;
        Room& left = room[slot[t.second] - 1];
        if (t.milliseconds > left.milliseconds || t.times > left.times)
            return false;
        left.milliseconds -= t.milliseconds;
        left.times -= t.times;
    }
    return true;
}

// Typing times the game can have counted: each gap under the longest, each one a keystroke of
// those typed. Anything else would hold a key's time or the coach's focus wrong for good.
bool possibletimes(const StatsLine& l) {
    std::int64_t timed = 0;
    for (const CharTime& t : l.keytime) {
        if (!possiblegaps(t.milliseconds, t.times))
            return false;
        timed = addsaturated(timed, t.times);
    }
    return timed <= l.tally.charstyped && (l.pairtime.isEmpty() || possiblepairs(l));
}

bool digitsat(QByteArrayView v, qsizetype at, int digits, int& out) {
    out = 0;
    for (qsizetype i = at; i < at + digits; ++i) {
        if (v[i] < '0' || v[i] > '9')
            return false;
        out = out * 10 + (v[i] - '0');
    }
    return true;
}

// The written shape is read directly; anything else the date format may allow goes the slow way.
bool readended(QByteArrayView v, QDate& day, QTime& time) {
    int y = 0, mo = 0, d = 0, h = 0, mi = 0, s = 0;
    if (v.size() == 19 && digitsat(v, 0, 4, y) && v[4] == '-' && digitsat(v, 5, 2, mo) &&
        v[7] == '-' && digitsat(v, 8, 2, d) && v[10] == ' ' && digitsat(v, 11, 2, h) &&
        v[13] == ':' && digitsat(v, 14, 2, mi) && v[16] == ':' && digitsat(v, 17, 2, s)) {
        day = QDate(y, mo, d);
        time = QTime(h, mi, s);
    } else {
        const QDateTime t = QDateTime::fromString(fromwindows1252(v.toByteArray()), dateformat);
        if (!t.isValid())
            return false;
        day = t.date();
        time = t.time();
    }
    return day.isValid() && time.isValid();
}

QString text(QByteArrayView bytes) {
    return fromwindows1252(QByteArray::fromRawData(bytes.data(), bytes.size()));
}

} // namespace

LetterPair PairTime::pair() const {
    return letterpair(windows1252char(first), windows1252char(second));
}

// A field may hold neither a line end (it would split the record) nor a double quote.
QString statstext(const QString& text) {
    QString out = quotabletext(text);
    out.replace(QLatin1Char('\r'), QLatin1Char(' '));
    out.replace(QLatin1Char('\n'), QLatin1Char(' '));
    return out;
}

TypingRecord endedrecord(const QString& activity, const QString& level, const QString& result,
                         std::int64_t milliseconds, const KeystrokeCounts& counts) {
    TypingRecord r;
    r.ended = localnow();
    r.activity = activity;
    r.level = level;
    r.result = result;
    r.counts = counts;
    r.counts.tally.milliseconds = milliseconds;
    return r;
}

QByteArray statsline(const TypingRecord& r) {
    const KeystrokeCounts& c = r.counts;
    const TypingTally& t = c.tally;
    LineWriter line;
    line.text(QLatin1String(tag)).number(version);
    line.text(QStringLiteral("ended")).text(r.ended.toString(dateformat));
    line.text(QStringLiteral("career")).text(statstext(r.career));
    line.text(QStringLiteral("activity")).text(statstext(r.activity));
    line.text(QStringLiteral("level")).text(statstext(r.level));
    line.text(QStringLiteral("result")).text(statstext(r.result));
    line.text(QStringLiteral("ms")).number(t.milliseconds);
    line.text(QStringLiteral("entries")).number(t.entries);
    line.text(QStringLiteral("matched")).number(t.charsmatched);
    line.text(QStringLiteral("typed")).number(t.charstyped);
    line.text(QStringLiteral("wrong")).number(t.wrong);
    line.text(QStringLiteral("corrections")).number(t.corrections);
    line.text(QStringLiteral("expected")).text(chartable(c.expected));
    line.text(QStringLiteral("missed")).text(chartable(c.missed));
    line.text(QStringLiteral("keytime")).text(chartable(c.keytime));
    // Left out when there are none: a race of digits, or a record of an older kind, has none.
    if (const QString pairs = pairtable(c.pairtime); !pairs.isEmpty())
        line.text(QStringLiteral("pairtime")).text(pairs);
    // Left out when there are none, as lines written before it have none.
    if (const QString swaps = swaptable(c.instead); !swaps.isEmpty())
        line.text(QStringLiteral("instead")).text(swaps);
    // In the order of the texts as written, so the line reads back to the very same line.
    QList<std::pair<QString, std::int64_t>> entries;
    for (auto it = c.mistyped.cbegin(); it != c.mistyped.cend(); ++it)
        entries.append({statstext(it.key()), it.value()});
    std::sort(entries.begin(), entries.end());
    for (const auto& [text, times] : entries)
        for (std::int64_t i = 0; i < times; ++i)
            line.text(QStringLiteral("mistyped")).text(text);
    for (const QString& entry : r.cleared)
        line.text(QStringLiteral("cleared")).text(statstext(entry));
    if (!r.layout.isEmpty())
        line.text(QStringLiteral("layout")).text(statstext(r.layout));
    return line.line();
}

bool splitstatsline(QByteArrayView bytes, StatsLine& l) {
    l.clear();
    FieldReader reader(QByteArray::fromRawData(bytes.data(), bytes.size()));
    QVarLengthArray<QByteArrayView, 48> fields;
    QByteArrayView field;
    while (reader.nextbytes(field))
        fields.append(field);
    if (reader.unclosedquote() || fields.size() < 2 || fields.size() % 2 != 0 || fields[0] != tag)
        return false;
    std::int64_t lineversion = 0;
    if (!statswhole(fields[1], 1, std::numeric_limits<std::int64_t>::max(), lineversion))
        return false;
    TypingTally& t = l.tally;
    std::int64_t* numbers[] = {&t.milliseconds, &t.entries, &t.charsmatched,
                               &t.charstyped,   &t.wrong,   &t.corrections};
    // Bits of the names a line can't do without: the six counts, ended, activity and result.
    unsigned seen = 0;
    for (qsizetype i = 2; i < fields.size(); i += 2) {
        const QByteArrayView value = fields[i + 1];
        const Name name = nameof(fields[i]);
        if (name < Name::ended && !statscount(value, *numbers[static_cast<int>(name)]))
            return false;
        switch (name) {
        case Name::ended:
            if (!readended(value, l.day, l.time))
                return false;
            break;
        case Name::career:
            l.career = value;
            break;
        case Name::activity:
            l.activity = value;
            break;
        case Name::level:
            l.level = value;
            break;
        case Name::result:
            l.result = value;
            break;
        case Name::expected:
            if (!readchartable(value, l.expected))
                return false;
            break;
        case Name::missed:
            if (!readchartable(value, l.missed))
                return false;
            break;
        case Name::keytime:
            if (!readtimetable(value, l.keytime))
                return false;
            break;
        case Name::pairtime:
            if (!readpairtable(value, l.pairtime))
                return false;
            break;
        case Name::mistyped:
            l.mistyped.append(value);
            break;
        case Name::cleared:
            l.cleared.append(value);
            break;
        case Name::instead:
            if (!readswaptable(value, l.instead))
                return false;
            break;
        case Name::layout:
            l.layout = value;
            break;
        default:
            break;
        }
        if (name < Name::career)
            seen |= 1u << static_cast<int>(name);
    }
    // A later version may add names; without these a line says nothing worth showing.
    return seen == requirednames && t.wrong <= t.charstyped && possibletimes(l);
}

bool parsestatsline(const QByteArray& bytes, TypingRecord& r) {
    r = TypingRecord();
    StatsLine l;
    if (!splitstatsline(bytes, l))
        return false;
    r.ended = QDateTime(l.day, l.time);
    r.career = text(l.career);
    r.activity = text(l.activity);
    r.level = text(l.level);
    r.result = text(l.result);
    r.layout = text(l.layout);
    r.counts.tally = l.tally;
    struct Into {
        KeystrokeCounts& c;
        void addkey(char16_t key, std::int64_t expected, std::int64_t missed) {
            if (expected)
                c.expected[QChar(key)] = addsaturated(c.expected.value(QChar(key)), expected);
            if (missed)
                c.missed[QChar(key)] = addsaturated(c.missed.value(QChar(key)), missed);
        }
        void addtime(char16_t key, const KeyTime& time) {
            c.keytime[QChar(key)].add(time.milliseconds, time.count);
        }
        void addpair(const PairTime& time) {
            c.pairtime[time.pair()].add(time.milliseconds, time.times);
        }
        void addmistyped(QByteArrayView entry) {
            std::int64_t& times = c.mistyped[text(entry)];
            times = addsaturated(times, 1);
        }
        void addinstead(const SwapCount& swap) {
            std::int64_t& times = c.instead[swap.swap];
            times = addsaturated(times, swap.times);
        }
    } into{r.counts};
    for (QByteArrayView entry : l.cleared)
        r.cleared.append(text(entry));
    addtallies(l, into);
    return true;
}
