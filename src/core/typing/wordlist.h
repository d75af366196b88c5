#pragma once

#include "common/filereading.h"

#include <QByteArray>
#include <QString>
#include <QStringList>
#include <QtGlobal>

// Word lists: the entries of one word file, in file order, duplicates included.

// A word file far longer than any exercise asks for: a hundred thousand entries take 1 MB.
inline constexpr qint64 largestwordfile = 2 * 1024 * 1024;

// Appends every entry of the file; a missing file or a broken entry ends the load quietly with
// what was read so far. Entries no typing box could take (too long, or holding a tab, a line
// end or another control character) are left out, so every target can be typed. A file that is
// there and can't be read adds nothing, and the answer says why.
FileRead loadwords(QStringList& list, const QString& path);
// What the player is told when a word file that is there could not be read; empty for a good
// or a missing one.
QString wordfileproblem(const FileRead& read, const QString& path);
// The same, from the file's bytes.
void appendwords(QStringList& list, QByteArray bytes);

// The index of the next target, drawn uniformly, with the generator reseeded by the given value
// before and after the draw. -1 for an empty list (the target is then the empty text).
qsizetype pickwordindex(qsizetype count, double seed);

// The text at that index, or the empty text for -1.
QString wordat(const QStringList& list, qsizetype index);

// How many entries a practice exercise asks for, from the list size and the level's divisor:
// between about count * (1 - 1/divisor) + 1 and count + 1, capped at the counter's width.
qint32 exerciselength(qsizetype count, int divisor);
qint32 exerciselength(qsizetype count, int divisor, float r);
