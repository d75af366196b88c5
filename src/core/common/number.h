#pragma once

#include <QByteArrayView>
#include <QString>

#include <cstdint>
#include <limits>
#include <optional>
#include <type_traits>

// The decimal number at the start of a text after leading blanks: sign, digits, a decimal point
// and more digits. 0 when there is none.
double textnumber(const QString& text);

// Round half to even, then clamp into T's range: a label may hold a number its variable can't,
// and converting that must never be undefined.
template <typename T> T roundtoint(double value) {
    static_assert(std::is_integral_v<T>);
    if (value != value)
        return 0;
    const double rounded = __builtin_nearbyint(value);
    if (rounded <= static_cast<double>(std::numeric_limits<T>::min()))
        return std::numeric_limits<T>::min();
    if (rounded >= static_cast<double>(std::numeric_limits<T>::max()))
        return std::numeric_limits<T>::max();
    return static_cast<T>(rounded);
}

// The same rounding, but a value beyond T's range (or not a number at all) gives nothing, for
// changes that must be refused rather than cut short.
template <typename T> std::optional<T> roundtofit(double value) {
    // Every bound of a type this narrow is exact as a double.
    static_assert(std::is_integral_v<T> && sizeof(T) <= 4);
    const double rounded = __builtin_nearbyint(value);
    if (!(rounded >= static_cast<double>(std::numeric_limits<T>::min()) &&
          rounded <= static_cast<double>(std::numeric_limits<T>::max())))
        return std::nullopt;
    return static_cast<T>(rounded);
}

// A whole number as the game's files write one: an optional minus sign and digits, nothing
// else, within T's range. Unlike a label's reading, "12abc" or "" is no number at all: a file
// is applied whole or refused, never read as 0.
enum class FileNumber { Whole, NotANumber, OutOfRange };
FileNumber filenumber(const QString& text, std::int64_t min, std::int64_t max, std::int64_t& value);
// The same read straight from a file's bytes.
FileNumber filenumber(QByteArrayView bytes, std::int64_t min, std::int64_t max,
                      std::int64_t& value);
template <typename T> FileNumber filenumber(const QString& text, T& value) {
    static_assert(std::is_integral_v<T> && sizeof(T) <= 4);
    std::int64_t wide = 0;
    const FileNumber read =
        filenumber(text, std::numeric_limits<T>::min(), std::numeric_limits<T>::max(), wide);
    if (read == FileNumber::Whole)
        value = static_cast<T>(wide);
    return read;
}

// An amount in its shortest form: no thousands separators, no trailing zeros, whole numbers
// without a point (1500, 1125, 0.75, -750).
QString generalnumber(double value);

inline qint32 textint32(const QString& text) {
    return roundtoint<qint32>(textnumber(text));
}
inline qint16 textint16(const QString& text) {
    return roundtoint<qint16>(textnumber(text));
}

// Counts that only ever grow stop at their largest value instead of wrapping round.
inline std::int64_t addsaturated(std::int64_t a, std::int64_t b) {
    std::int64_t sum = 0;
    if (__builtin_add_overflow(a, b, &sum))
        return b < 0 ? std::numeric_limits<std::int64_t>::min()
                     : std::numeric_limits<std::int64_t>::max();
    return sum;
}

// Sums at the widths of the career state: a result that would leave the width stops at its edge
// instead of wrapping.
template <typename T> T addclamped(T a, std::int64_t b) {
    static_assert(std::is_integral_v<T> && sizeof(T) <= 4);
    const std::int64_t sum = addsaturated(a, b);
    if (sum < std::numeric_limits<T>::min())
        return std::numeric_limits<T>::min();
    if (sum > std::numeric_limits<T>::max())
        return std::numeric_limits<T>::max();
    return static_cast<T>(sum);
}
