// An append after any bytes a file may hold (a power cut mid-append tears the last line): no
// byte already there is lost, and when the lines before the torn one read whole, the line
// appended reads back as the last field, not swallowed by the torn one.
#include "common/filewriting.h"
#include "common/textfile.h"

#include <QFile>
#include <QTemporaryDir>

#include <cstdint>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    static QTemporaryDir dir;
    const QByteArray bytes(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size));
    const QString path = dir.filePath(QStringLiteral("hall.dat"));
    {
        QFile file(path);
        if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate) ||
            file.write(bytes) != bytes.size())
            return 0;
    }
    if (!appendtofile(path, LineWriter().text(QStringLiteral("159")).line()))
        __builtin_trap();
    QByteArray after;
    if (!readfile(path, 1 << 20, after).ok() || !after.startsWith(bytes))
        __builtin_trap();
    // A quote left open before the last line end runs on past any mending of the last line.
    FieldReader head(bytes.left(bytes.lastIndexOf('\n') + 1));
    QString field;
    while (head.next(field)) {
    }
    if (head.unclosedquote())
        return 0;
    FieldReader reader(after);
    QString last;
    while (reader.next(field))
        last = field;
    if (last != QStringLiteral("159") || reader.unclosedquote())
        __builtin_trap();
    return 0;
}
