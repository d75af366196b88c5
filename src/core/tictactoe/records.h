#pragma once

#include "common/filereading.h"

#include <QByteArray>
#include <QString>
#include <QStringList>

// The tic-tac-toe roster, "list.dat" (one double-quoted name a line), and each player's record
// file, the name followed by ".sco": "name",wins,losses,draws,"your sign","computer's sign".

struct PlayerRecord {
    qint16 wins = 0;
    qint16 losses = 0;
    qint16 draws = 0;
    QString yoursign = QStringLiteral("X");
    QString compsign = QStringLiteral("O");
};

inline const QString defaultplayer = QStringLiteral("Nobody");

// A record's bytes, whole or not at all: false, with the record untouched, when a field is
// missing or a count is not a whole number that fits its 16 bits.
bool parserecord(const QByteArray& bytes, PlayerRecord& record);
QByteArray recordline(const QString& name, const PlayerRecord& record);

// Whether a name can have a record file inside the program folder.
bool canholdrecord(const QString& name);
// Unreadable: something is there that is no record file to read (a folder, a device, a file
// refused or far too large); it is neither moved nor written over.
enum class RecordState { Read, Missing, Damaged, Unreadable };
// A name's record in the folder into `record`; a missing, damaged or unreadable one, or a name
// that cannot be a file there, leaves zero counts with the signs "X" and "O". `read` says why
// an unreadable one was not read.
RecordState readrecord(const QString& folder, const QString& name, PlayerRecord& record,
                       FileRead& read);
// Renames a damaged record out of the way, to "NAME.sco.damaged" or the first free
// "NAME.sco.damaged-N", so the next write cannot destroy what may still be repaired. Returns
// the file name it now has, or the empty text when it could not be moved.
QString setdamagedaside(const QString& folder, const QString& name);
// Replaces the name's record file; false, with nothing written, when the name cannot be a
// file of the folder or the write failed.
bool writerecord(const QString& folder, const QString& name, const PlayerRecord& record);
// Removes the default player's record under any case of its file name.
void removedefaultrecord(const QString& folder);

// The roster's names in file order; a missing file is an empty roster, and so is one that
// can't be read, as `read` then says.
inline const QString rosterfile = QStringLiteral("list.dat");
// One line of a name, three counts and two signs.
inline constexpr qint64 largestrecord = 64 * 1024;
// Names a line each: thousands of them, and still listed at once.
inline constexpr qint64 largestroster = 64 * 1024;
QStringList loadroster(const QString& folder, FileRead& read);
bool appendroster(const QString& folder, const QString& name);
