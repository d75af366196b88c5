// The tic-tac-toe roster on any bytes: a name listed that may have a record file names one in
// the program folder itself, never elsewhere, and a name added after it reads back last.
#include "common/fields.h"
#include "common/textfile.h"
#include "tictactoe/records.h"

#include <QDir>

#include <cstdint>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const QByteArray bytes(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size));
    const QString folder = QStringLiteral("/home/zoe/.local/share/keystrider");
    const QStringList names = everyfield(bytes);
    for (const QString& name : names) {
        if (!canholdrecord(name))
            continue;
        const QString record = QDir::cleanPath(folder + QLatin1Char('/') + name + ".sco");
        if (record.section(QLatin1Char('/'), 0, -2) != folder)
            __builtin_trap();
    }
    // Lines read whole to their end, then one more as Add to List writes it: the roster gains
    // that name last.
    FieldReader reader(bytes);
    QString field;
    while (reader.next(field)) {
    }
    if (!reader.unclosedquote() && (bytes.isEmpty() || bytes.endsWith('\n'))) {
        const QStringList more =
            everyfield(bytes + LineWriter().text(QStringLiteral("Bea")).line());
        if (more.isEmpty() || more.last() != QStringLiteral("Bea"))
            __builtin_trap();
    }
    return 0;
}
