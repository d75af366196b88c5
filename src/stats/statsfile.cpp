#include "stats/statsfile.h"

#include "common/number.h"
#include "common/textfile.h"

#include <QStringList>

#include <algorithm>
#include <charconv>

namespace {

constexpr char tag[] = "keystrider-stats";
constexpr std::int64_t version = 1;
const QString dateformat = QStringLiteral("yyyy-MM-dd HH:mm:ss");

// A field may hold neither a line end (it would split the record) nor a double quote.
QString fieldtext(const QString& text) {
    QString out = quotabletext(text);
    out.replace(QLatin1Char('\r'), QLatin1Char(' '));
    out.replace(QLatin1Char('\n'), QLatin1Char(' '));
    return out;
}

// "97:3 101:1": character code and count, in code order so a line always reads the same.
QString chartable(const QHash<QChar, std::int64_t>& table) {
    QList<QChar> keys = table.keys();
    std::sort(keys.begin(), keys.end());
    QStringList parts;
    for (QChar key : keys)
        parts.append(QString::number(key.unicode()) + QLatin1Char(':') +
                     QString::number(table.value(key)));
    return parts.join(QLatin1Char(' '));
}

// A whole number straight from the bytes, read as filenumber reads the decoded field.
bool wholenumber(QByteArrayView bytes, std::int64_t min, std::int64_t max, std::int64_t& value) {
    std::int64_t read = 0;
    const char* end = bytes.data() + bytes.size();
    const auto [stop, error] = std::from_chars(bytes.data(), end, read);
    if (error != std::errc() || stop != end || read < min || read > max)
        return false;
    value = read;
    return true;
}

bool count(QByteArrayView bytes, std::int64_t& value) {
    return wholenumber(bytes, 0, std::numeric_limits<std::int64_t>::max(), value);
}

bool readchartable(QByteArrayView text, QVarLengthArray<CharCount, 32>& table) {
    for (qsizetype i = 0; i < text.size();) {
        if (text[i] == ' ') {
            ++i;
            continue;
        }
        qsizetype end = text.indexOf(' ', i);
        if (end < 0)
            end = text.size();
        const QByteArrayView part = text.sliced(i, end - i);
        i = end;
        const qsizetype colon = part.indexOf(':');
        std::int64_t code = 0;
        std::int64_t times = 0;
        if (colon < 0 || !wholenumber(part.first(colon), 1, 0xFFFF, code) ||
            !count(part.sliced(colon + 1), times))
            return false;
        table.append({static_cast<char16_t>(code), times});
    }
    return true;
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

void addto(QHash<QChar, std::int64_t>& table, const QVarLengthArray<CharCount, 32>& counts) {
    for (const CharCount& c : counts) {
        std::int64_t& sum = table[QChar(c.key)];
        sum = addsaturated(sum, c.times);
    }
}

} // namespace

QByteArray statsline(const TypingRecord& r) {
    const KeystrokeCounts& c = r.counts;
    LineWriter line;
    line.text(QLatin1String(tag)).number(version);
    line.text(QStringLiteral("ended")).text(r.ended.toString(dateformat));
    line.text(QStringLiteral("career")).text(fieldtext(r.career));
    line.text(QStringLiteral("activity")).text(fieldtext(r.activity));
    line.text(QStringLiteral("level")).text(fieldtext(r.level));
    line.text(QStringLiteral("result")).text(fieldtext(r.result));
    line.text(QStringLiteral("ms")).number(r.milliseconds);
    line.text(QStringLiteral("entries")).number(c.entries);
    line.text(QStringLiteral("matched")).number(c.charsmatched);
    line.text(QStringLiteral("typed")).number(c.charstyped);
    line.text(QStringLiteral("wrong")).number(c.wrong);
    line.text(QStringLiteral("corrections")).number(c.corrections);
    line.text(QStringLiteral("expected")).text(chartable(c.expected));
    line.text(QStringLiteral("missed")).text(chartable(c.missed));
    QStringList entries = c.mistyped.keys();
    std::sort(entries.begin(), entries.end());
    for (const QString& entry : entries) {
        const QString text = fieldtext(entry);
        for (std::int64_t i = 0; i < c.mistyped.value(entry); ++i)
            line.text(QStringLiteral("mistyped")).text(text);
    }
    return line.line();
}

bool splitstatsline(QByteArrayView bytes, StatsLine& l) {
    l = StatsLine();
    FieldReader reader(QByteArray::fromRawData(bytes.data(), bytes.size()));
    QVarLengthArray<QByteArrayView, 48> fields;
    QByteArrayView field;
    while (reader.nextbytes(field))
        fields.append(field);
    if (reader.unclosedquote() || fields.size() < 2 || fields.size() % 2 != 0 || fields[0] != tag)
        return false;
    std::int64_t lineversion = 0;
    if (!wholenumber(fields[1], 1, std::numeric_limits<std::int64_t>::max(), lineversion))
        return false;
    RecordTotals& t = l.totals;
    std::int64_t* numbers[] = {&t.milliseconds, &t.entries, &t.charsmatched,
                               &t.charstyped,   &t.wrong,   &t.corrections};
    const QByteArrayView numbernames[] = {"ms",    "entries", "matched",
                                          "typed", "wrong",   "corrections"};
    // Bits of the names a line can't do without: ended, activity, result and the six counts.
    unsigned seen = 0;
    for (qsizetype i = 2; i < fields.size(); i += 2) {
        const QByteArrayView name = fields[i];
        const QByteArrayView value = fields[i + 1];
        bool known = true;
        if (name == "ended") {
            if (!readended(value, l.day, l.time))
                return false;
            seen |= 1u << 6;
        } else if (name == "career") {
            l.career = value;
        } else if (name == "activity") {
            l.activity = value;
            seen |= 1u << 7;
        } else if (name == "level") {
            l.level = value;
        } else if (name == "result") {
            l.result = value;
            seen |= 1u << 8;
        } else if (name == "expected") {
            if (!readchartable(value, l.expected))
                return false;
        } else if (name == "missed") {
            if (!readchartable(value, l.missed))
                return false;
        } else if (name == "mistyped") {
            l.mistyped.append(value);
        } else {
            known = false;
        }
        for (int n = 0; !known && n < 6; ++n) {
            if (name != numbernames[n])
                continue;
            if (!count(value, *numbers[n]))
                return false;
            known = true;
            seen |= 1u << n;
        }
    }
    // A later version may add names; without these a line says nothing worth showing.
    return seen == (1u << 9) - 1 && t.wrong <= t.charstyped;
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
    const RecordTotals& t = l.totals;
    r.milliseconds = t.milliseconds;
    KeystrokeCounts& c = r.counts;
    c.entries = t.entries;
    c.charsmatched = t.charsmatched;
    c.charstyped = t.charstyped;
    c.wrong = t.wrong;
    c.corrections = t.corrections;
    addto(c.expected, l.expected);
    addto(c.missed, l.missed);
    for (QByteArrayView entry : l.mistyped) {
        std::int64_t& times = c.mistyped[text(entry)];
        times = addsaturated(times, 1);
    }
    return true;
}
