#pragma once

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
// missing or a count is not a number.
bool parserecord(const QByteArray& bytes, PlayerRecord& record);
QByteArray recordline(const QString& name, const PlayerRecord& record);

// Whether a name can have a record file inside the program folder.
bool canholdrecord(const QString& name);
// A name's record in the folder; a missing or malformed one, or a name that cannot be a file
// there, reads as zero counts with the signs "X" and "O".
PlayerRecord readrecord(const QString& folder, const QString& name);
// Replaces the name's record file; false, with nothing written, when the name cannot be a
// file of the folder or the write failed.
bool writerecord(const QString& folder, const QString& name, const PlayerRecord& record);
// Removes the default player's record under any case of its file name.
void removedefaultrecord(const QString& folder);

// The roster's names in file order; a missing file is an empty roster.
QStringList loadroster(const QString& folder);
bool appendroster(const QString& folder, const QString& name);
