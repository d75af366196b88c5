#include "common/fields.h"
#include "common/filereading.h"

#include "common/textfile.h"

QStringList everyfield(QByteArray bytes) {
    QStringList fields;
    FieldReader reader(std::move(bytes));
    QString field;
    while (reader.next(field))
        fields.append(field);
    return fields;
}

QStringList everyfieldof(const QString& path, qint64 most, FileRead& read) {
    QByteArray bytes;
    read = readfile(path, most, bytes);
    if (!read.ok())
        return {};
    return everyfield(std::move(bytes));
}
