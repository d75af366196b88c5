#include "number.h"

#include <QByteArray>

#include <charconv>
#include <cmath>
#include <limits>

FileNumber filenumber(const QString& text, std::int64_t min, std::int64_t max,
                      std::int64_t& value) {
    return filenumber(QByteArrayView(text.toLatin1()), min, max, value);
}

FileNumber filenumber(QByteArrayView bytes, std::int64_t min, std::int64_t max,
                      std::int64_t& value) {
    const char* end = bytes.data() + bytes.size();
    std::int64_t read = 0;
    const auto [stop, error] = std::from_chars(bytes.data(), end, read);
    if (error == std::errc::result_out_of_range)
        return FileNumber::OutOfRange;
    if (error != std::errc() || stop != end)
        return FileNumber::NotANumber;
    if (read < min || read > max)
        return FileNumber::OutOfRange;
    value = read;
    return FileNumber::Whole;
}

double textnumber(const QString& text) {
    qsizetype i = 0;
    const qsizetype n = text.size();
    while (i < n && (text[i] == QLatin1Char(' ') || text[i] == QLatin1Char('\t')))
        ++i;
    bool negative = false;
    if (i < n && (text[i] == QLatin1Char('-') || text[i] == QLatin1Char('+')))
        negative = text[i++] == QLatin1Char('-');
    auto isdigit = [&text](qsizetype at) { return text[at] >= u'0' && text[at] <= u'9'; };
    std::string digits;
    bool anydigit = false;
    bool wholepart = false; // a digit other than 0 before the point
    while (i < n && isdigit(i)) {
        wholepart = wholepart || text[i] != QLatin1Char('0');
        digits.push_back(static_cast<char>(text[i++].unicode()));
        anydigit = true;
    }
    if (i < n && text[i] == QLatin1Char('.')) {
        digits.push_back('.');
        ++i;
        while (i < n && isdigit(i)) {
            digits.push_back(static_cast<char>(text[i++].unicode()));
            anydigit = true;
        }
    }
    if (!anydigit)
        return 0;
    double value = 0;
    const auto [end, error] = std::from_chars(digits.data(), digits.data() + digits.size(), value);
    (void)end;
    // Too many digits for a double: beyond any range, like any other number too large, unless
    // it is a tiny fraction, which is as good as nothing.
    if (error == std::errc::result_out_of_range)
        value = wholepart ? std::numeric_limits<double>::infinity() : 0.0;
    else if (error != std::errc())
        return 0;
    // No minus zero: it would print as "-0".
    return negative && value != 0 ? -value : value;
}

QString generalnumber(double value) {
    // No minus zero: it would print as "-0".
    if (value == 0)
        return QStringLiteral("0");
    return QString::number(value, 'g', 15);
}
