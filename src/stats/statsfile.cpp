#include "stats/statsfile.h"

#include "common/number.h"
#include "common/textfile.h"

#include <QStringList>

#include <algorithm>

namespace {

const QString tag = QStringLiteral("keystrider-stats");
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

bool count(const QString& text, std::int64_t& value) {
    return filenumber(text, 0, std::numeric_limits<std::int64_t>::max(), value) ==
           FileNumber::Whole;
}

bool readchartable(const QString& text, QHash<QChar, std::int64_t>& table) {
    for (QStringView part : QStringView(text).split(QLatin1Char(' '), Qt::SkipEmptyParts)) {
        const qsizetype colon = part.indexOf(QLatin1Char(':'));
        std::int64_t code = 0;
        std::int64_t times = 0;
        if (colon < 0 ||
            filenumber(part.first(colon).toString(), 1, 0xFFFF, code) != FileNumber::Whole ||
            !count(part.sliced(colon + 1).toString(), times))
            return false;
        std::int64_t& sum = table[QChar(static_cast<char16_t>(code))];
        sum = addsaturated(sum, times);
    }
    return true;
}

} // namespace

QByteArray statsline(const TypingRecord& r) {
    const KeystrokeCounts& c = r.counts;
    LineWriter line;
    line.text(tag).number(version);
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

bool parsestatsline(const QByteArray& bytes, TypingRecord& r) {
    r = TypingRecord();
    FieldReader reader(bytes);
    QStringList fields;
    QString field;
    while (reader.next(field))
        fields.append(field);
    if (reader.unclosedquote() || fields.size() < 2 || fields.size() % 2 != 0 || fields[0] != tag)
        return false;
    std::int64_t lineversion = 0;
    if (filenumber(fields[1], 1, std::numeric_limits<std::int64_t>::max(), lineversion) !=
        FileNumber::Whole)
        return false;
    KeystrokeCounts& c = r.counts;
    std::int64_t* numbers[] = {&r.milliseconds, &c.entries, &c.charsmatched,
                               &c.charstyped,   &c.wrong,   &c.corrections};
    const QString numbernames[] = {QStringLiteral("ms"),      QStringLiteral("entries"),
                                   QStringLiteral("matched"), QStringLiteral("typed"),
                                   QStringLiteral("wrong"),   QStringLiteral("corrections")};
    // Bits of the names a line can't do without: ended, activity, result and the six counts.
    unsigned seen = 0;
    for (qsizetype i = 2; i < fields.size(); i += 2) {
        const QString& name = fields[i];
        const QString& value = fields[i + 1];
        bool known = true;
        if (name == QLatin1String("ended")) {
            r.ended = QDateTime::fromString(value, dateformat);
            if (!r.ended.isValid())
                return false;
            seen |= 1u << 6;
        } else if (name == QLatin1String("career")) {
            r.career = value;
        } else if (name == QLatin1String("activity")) {
            r.activity = value;
            seen |= 1u << 7;
        } else if (name == QLatin1String("level")) {
            r.level = value;
        } else if (name == QLatin1String("result")) {
            r.result = value;
            seen |= 1u << 8;
        } else if (name == QLatin1String("expected")) {
            if (!readchartable(value, c.expected))
                return false;
        } else if (name == QLatin1String("missed")) {
            if (!readchartable(value, c.missed))
                return false;
        } else if (name == QLatin1String("mistyped")) {
            std::int64_t& times = c.mistyped[value];
            times = addsaturated(times, 1);
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
    return seen == (1u << 9) - 1 && r.counts.wrong <= r.counts.charstyped;
}

StatsReader::StatsReader(QByteArray bytes) : data(std::move(bytes)) {}

bool StatsReader::read(int lines) {
    for (int i = 0; i < lines && pos < data.size(); ++i) {
        qsizetype end = data.indexOf('\n', pos);
        if (end < 0)
            end = data.size();
        QByteArray line = data.sliced(pos, end - pos);
        pos = end + 1;
        if (line.endsWith('\r'))
            line.chop(1);
        if (line.trimmed().isEmpty())
            continue;
        TypingRecord record;
        if (parsestatsline(line, record))
            records.append(std::move(record));
        else
            unreadable = addsaturated(unreadable, 1);
    }
    return !done();
}
