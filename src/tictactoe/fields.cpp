#include "tictactoe/fields.h"

#include "common/textfile.h"

QStringList everyfield(QByteArray bytes) {
    QStringList fields;
    FieldReader reader(std::move(bytes));
    QString field;
    while (reader.next(field))
        fields.append(field);
    return fields;
}

QStringList everyfieldof(const QString& path) {
    QByteArray bytes;
    if (!readwholefile(path, bytes))
        return {};
    return everyfield(std::move(bytes));
}
