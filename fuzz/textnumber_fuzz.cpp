// Number-from-text on any text: never undefined, never NaN, and a whole number it yields reads
// back as itself once written as a label would show it.
#include "common/number.h"

#include <cstdint>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const QString text =
        QString::fromLatin1(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size));
    const double value = textnumber(text);
    if (value != value)
        __builtin_trap();
    const qint32 money = textint32(text);
    if (textint32(QString::number(money)) != money)
        __builtin_trap();
    const qint16 rank = textint16(text);
    if (textint16(QString::number(rank)) != rank)
        __builtin_trap();
    return 0;
}
