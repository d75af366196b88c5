#include "textfile.h"

#include "common/regularfile.h"

#include <QByteArrayList>

#include <array>
#include <utility>

namespace {

// 0x80-0x9F of Windows-1252; the rest of the page is Latin-1. Unused slots map to themselves.
constexpr std::array<char16_t, 32> high = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0x008D, 0x017D, 0x008F, 0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178};

char encodechar(QChar c) {
    const char16_t u = c.unicode();
    if (u < 0x80 || (u >= 0xA0 && u <= 0xFF))
        return static_cast<char>(u);
    for (std::size_t i = 0; i < high.size(); ++i)
        if (high[i] == u)
            return static_cast<char>(0x80 + i);
    return '?';
}

} // namespace

namespace {
QString decode(const char* bytes, qsizetype size) {
    QString out(size, Qt::Uninitialized);
    QChar* to = out.data();
    for (qsizetype i = 0; i < size; ++i) {
        const auto u = static_cast<unsigned char>(bytes[i]);
        to[i] = QChar(u >= 0x80 && u < 0xA0 ? high[u - 0x80] : char16_t(u));
    }
    return out;
}
} // namespace

QString fromwindows1252(const QByteArray& bytes) {
    return decode(bytes.constData(), bytes.size());
}

QByteArray towindows1252(const QString& text) {
    QByteArray out(text.size(), Qt::Uninitialized);
    char* to = out.data();
    for (QChar c : text)
        *to++ = encodechar(c);
    return out;
}

bool fitswindows1252(const QString& text) {
    // A '?' typed as such is fine; only one that encodechar made stands for a lost character.
    return std::all_of(text.begin(), text.end(),
                       [](QChar c) { return c == QLatin1Char('?') || encodechar(c) != '?'; });
}

int windows1252byte(QChar c) {
    const char byte = encodechar(c);
    return byte == '?' && c != QLatin1Char('?') ? -1 : static_cast<unsigned char>(byte);
}

QChar windows1252char(unsigned char byte) {
    return QChar(byte >= 0x80 && byte < 0xA0 ? high[byte - 0x80] : char16_t(byte));
}

bool windows1252letter(unsigned char byte) {
    static const auto letters = [] {
        std::array<bool, 256> table{};
        for (std::size_t b = 0; b < table.size(); ++b)
            table[b] = windows1252char(static_cast<unsigned char>(b)).isLetter();
        return table;
    }();
    return letters[byte];
}

QString quotabletext(const QString& text) {
    QString out = text;
    out.replace(QLatin1Char('"'), QLatin1Char('\''));
    return out;
}

FieldReader::FieldReader(QByteArray bytes) : data(std::move(bytes)) {
    // A file saved by an editor that marks UTF-8 starts with these; they are not text.
    if (data.startsWith("\xEF\xBB\xBF"))
        pos = 3;
}

void FieldReader::skipdelimiter() {
    if (pos >= data.size())
        return;
    if (data[pos] == ',') {
        ++pos;
        fieldpending = true;
        return;
    }
    // A run of CRs before the LF is one line end, as files that passed through a CR LF
    // conversion twice have it.
    while (pos < data.size() && data[pos] == '\r')
        ++pos;
    if (pos < data.size() && data[pos] == '\n')
        ++pos;
}

bool FieldReader::next(QString& field) {
    bool cut = false;
    return next(field, data.size(), cut);
}

bool FieldReader::next(QString& field, qsizetype longest, bool& cut) {
    qsizetype start = 0;
    qsizetype length = 0;
    if (!nextspan(start, length))
        return false;
    cut = length > longest;
    field = decode(data.constData() + start, std::min(length, longest));
    return true;
}

bool FieldReader::nextbytes(QByteArrayView& field) {
    qsizetype start = 0;
    qsizetype length = 0;
    if (!nextspan(start, length))
        return false;
    field = QByteArrayView(data.constData() + start, length);
    return true;
}

bool FieldReader::nextspan(qsizetype& start, qsizetype& length) {
    // Plain pointers: these loops run over every byte of every file the game reads.
    const char* const begin = data.constData();
    const char* const end = begin + data.size();
    const char* p = begin + pos;
    while (p < end && (*p == ' ' || *p == '\t'))
        ++p;
    start = p - begin;
    length = 0;
    if (p >= end) {
        pos = data.size();
        if (!fieldpending)
            return false;
        fieldpending = false;
        return true;
    }
    fieldpending = false;
    if (*p == '"') {
        const auto* close = static_cast<const char*>(std::memchr(p + 1, '"', end - p - 1));
        if (!close) {
            pos = data.size();
            brokenquote = true;
            return false;
        }
        start = p + 1 - begin;
        length = close - (p + 1);
        p = close + 1;
        // Anything between the closing quote and the delimiter is not part of the field.
        while (p < end && *p != ',' && !islineend(*p))
            ++p;
    } else {
        const char* stop = p;
        while (stop < end && *stop != ',' && !islineend(*stop))
            ++stop;
        const char* last = stop;
        while (last > p && (last[-1] == ' ' || last[-1] == '\t'))
            --last;
        length = last - p;
        p = stop;
    }
    pos = p - begin;
    skipdelimiter();
    return true;
}

LineWriter& LineWriter::text(const QString& value) {
    fields.append(QLatin1Char('"') + value + QLatin1Char('"'));
    return *this;
}

LineWriter& LineWriter::number(qint64 value) {
    fields.append(QString::number(value));
    return *this;
}

QByteArray LineWriter::line() const {
    return towindows1252(fields.join(QLatin1Char(','))) + "\r\n";
}
