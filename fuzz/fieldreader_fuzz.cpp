// The comma-and-quote reader on any bytes: it must end, and every field it gives back that the
// writer can hold (no double quote inside) must come back whole through the writer.
#include "common/textfile.h"

#include <cstdint>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    FieldReader reader(
        QByteArray(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size)));
    QString field;
    while (reader.next(field)) {
        if (field.contains(QLatin1Char('"')))
            continue;
        FieldReader back(LineWriter().text(field).line());
        QString again;
        if (!back.next(again) || again != field)
            __builtin_trap();
    }
    return 0;
}
