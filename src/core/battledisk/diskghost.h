#pragma once

#include "competition/replaybook.h"

// The disk typist's best race of each level, in "ghost.dat" beside "battle.dat", which stays
// as it is so that any copy of the game still reads it.
inline const QString ghostfilename = QStringLiteral("ghost.dat");
// Four replays of at most a thousand moves come to about 50 KB.
inline constexpr qint64 largestghost = 256 * 1024;

struct DiskGhost {
    QString name;
    std::array<std::optional<Replay>, 4> best;
    bool operator==(const DiskGhost&) const = default;
};

// The disk typist's bests as the player's own replays hold them.
DiskGhost ghostof(const QString& playername, const ReplayBook& book);

// A name from someone else's file as the game shows it, on screen and to a screen reader alike:
// control characters (a NUL, the code page's unused bytes) replaced.
QString shownname(QString name);

QByteArray ghostbytes(const DiskGhost& ghost);
// Nothing when any line is damaged, a level comes twice, or a race could not have gone so (a
// car on past the finish, a race longer than the level's); `badline` then says which.
std::optional<DiskGhost> readghost(QByteArrayView bytes, int& badline);

// Beside the battle disk at `diskpath`.
QString ghostpath(const QString& diskpath);

// The file is someone else's, read and written as the battle disk is: a regular file of the
// disk itself, never through a link. Nothing when there is none or it is refused; `trouble`
// then names the file and says why, and is empty when it is missing.
std::optional<DiskGhost> readghostfile(const QString& path, QString& trouble);
bool writeghostfile(const QString& path, const DiskGhost& ghost, QString& trouble);

// Puts the player's best races beside the battle disk at `diskpath`: what the player should be
// told when they are not there, else the empty text. A disk holds one typist, so a disk with
// no best races still gets the file, and a ghost of whoever wrote the disk before is gone.
QString putghostondisk(const QString& diskpath, const QString& playername);
