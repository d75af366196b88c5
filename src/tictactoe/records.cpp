#include "tictactoe/records.h"

#include "common/filename.h"
#include "common/number.h"
#include "common/textfile.h"
#include "tictactoe/fields.h"

#include <QDir>
#include <QFile>

namespace {

const QString recordending = QStringLiteral(".sco");
const QString rosterfile = QStringLiteral("list.dat");

// A count as the game writes it, or any plain decimal: sign, digits, a point and more digits.
bool isnumber(const QString& field) {
    qsizetype i = 0;
    if (i < field.size() && (field[i] == u'-' || field[i] == u'+'))
        ++i;
    bool digits = false;
    bool point = false;
    for (; i < field.size(); ++i) {
        if (field[i] >= u'0' && field[i] <= u'9')
            digits = true;
        else if (field[i] == u'.' && !point)
            point = true;
        else
            return false;
    }
    return digits;
}

QString recordpath(const QString& folder, const QString& name) {
    return folder + name + recordending;
}

} // namespace

bool parserecord(const QByteArray& bytes, PlayerRecord& record) {
    FieldReader reader(bytes);
    QString fields[6];
    for (QString& field : fields)
        if (!reader.next(field))
            return false;
    for (int count = 1; count <= 3; ++count)
        if (!isnumber(fields[count]))
            return false;
    record.wins = textint16(fields[1]);
    record.losses = textint16(fields[2]);
    record.draws = textint16(fields[3]);
    record.yoursign = fields[4];
    record.compsign = fields[5];
    return true;
}

QByteArray recordline(const QString& name, const PlayerRecord& record) {
    return LineWriter()
        .text(name)
        .number(record.wins)
        .number(record.losses)
        .number(record.draws)
        .text(record.yoursign)
        .text(record.compsign)
        .line();
}

bool canholdrecord(const QString& name) {
    return isplainfilename(name, recordending);
}

PlayerRecord readrecord(const QString& folder, const QString& name) {
    PlayerRecord record;
    QByteArray bytes;
    if (canholdrecord(name) && readwholefile(recordpath(folder, name), bytes))
        parserecord(bytes, record);
    return record;
}

bool writerecord(const QString& folder, const QString& name, const PlayerRecord& record) {
    return canholdrecord(name) && replacefile(recordpath(folder, name), recordline(name, record));
}

void removedefaultrecord(const QString& folder) {
    const QString target = defaultplayer + recordending;
    const QDir dir(folder);
    for (const QString& file : dir.entryList({QStringLiteral("*") + recordending}, QDir::Files))
        if (file.compare(target, Qt::CaseInsensitive) == 0)
            QFile::remove(dir.filePath(file));
}

QStringList loadroster(const QString& folder) {
    return everyfieldof(folder + rosterfile);
}

bool appendroster(const QString& folder, const QString& name) {
    return appendtofile(folder + rosterfile, LineWriter().text(name).line());
}
