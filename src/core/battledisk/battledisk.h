#pragma once

#include <QByteArray>
#include <QString>

#include <optional>

// The battle disk: one player's career carried to another player's copy of the game in
// "battle.dat", three lines of the comma-and-quote files: the name, the money, the training.
struct BattleDisk {
    QString name;
    qint32 money = 0;
    qint32 training = 0;
    bool operator==(const BattleDisk&) const = default;
};

// Where the drive prompt's answer puts the disk: inside the folder it names, after a leading "~"
// is taken for the home folder; an empty answer (Cancel) means the current folder. Nothing when
// the answer names no existing folder: a disk written beside it would be no disk at all.
std::optional<QString> diskpath(const QString& answer);

// A name as it comes back from a disk: a double quote kept as a single quote, characters the
// code page lacks as '?'. The owner is recognised by this form of their name, so a name the
// disk cannot hold exactly still finds its own disk.
QString diskname(const QString& playername);
bool isowndisk(const BattleDisk& disk, const QString& playername);

QByteArray diskbytes(const BattleDisk& disk);
// Nothing when a field is missing or a number is not a whole decimal number within 32 bits;
// whatever follows the third field is not part of the disk.
std::optional<BattleDisk> readdisk(const QByteArray& bytes);

// A disk holds a name and two numbers; a file larger than this is no battle disk.
inline constexpr qint64 largestdisk = 1024 * 1024;

// The disk is someone else's: its file is read and written only as a regular file of the disk
// itself, never through a symbolic link. `trouble` says why a disk was refused when there is
// more to tell than that there is none.
std::optional<BattleDisk> readdiskfile(const QString& path, QString& trouble);
std::optional<BattleDisk> readdiskfile(const QString& path);
// Replaces the file only once the whole disk is written; `trouble` says why it was not.
bool writediskfile(const QString& path, const BattleDisk& disk, QString& trouble);
bool writediskfile(const QString& path, const BattleDisk& disk);
