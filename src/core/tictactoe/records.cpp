#include "tictactoe/records.h"
#include "common/filewriting.h"

#include "common/fields.h"
#include "common/filename.h"
#include "common/number.h"
#include "common/textfile.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

namespace {

const QString recordending = QStringLiteral(".sco");

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
    PlayerRecord read;
    if (filenumber(fields[1], read.wins) != FileNumber::Whole ||
        filenumber(fields[2], read.losses) != FileNumber::Whole ||
        filenumber(fields[3], read.draws) != FileNumber::Whole)
        return false;
    record.wins = read.wins;
    record.losses = read.losses;
    record.draws = read.draws;
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

RecordState readrecord(const QString& folder, const QString& name, PlayerRecord& record,
                       FileRead& read) {
    record = PlayerRecord();
    read = FileRead();
    if (!canholdrecord(name))
        return RecordState::Missing;
    QByteArray bytes;
    read = readfile(recordpath(folder, name), largestrecord, bytes);
    if (read.missing())
        return RecordState::Missing;
    if (!read.ok())
        return RecordState::Unreadable;
    if (parserecord(bytes, record))
        return RecordState::Read;
    record = PlayerRecord();
    return RecordState::Damaged;
}

QString setdamagedaside(const QString& folder, const QString& name) {
    const QString from = recordpath(folder, name);
    QString aside = damagedname(name + recordending, 1);
    for (int n = 2; QFileInfo::exists(folder + aside) && n < 1000; ++n)
        aside = damagedname(name + recordending, n);
    // rename() never replaces an existing file, so an older damaged copy is never lost.
    return QFile::rename(from, folder + aside) ? aside : QString();
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

QStringList loadroster(const QString& folder, FileRead& read) {
    return everyfieldof(folder + rosterfile, largestroster, read);
}

bool appendroster(const QString& folder, const QString& name) {
    return appendtofile(folder + rosterfile, LineWriter().text(name).line());
}
