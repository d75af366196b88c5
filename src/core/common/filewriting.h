#pragma once

#include "common/filereading.h"

#include <QByteArray>
#include <QString>

// Appends whole lines, each call in one write; a torn last line left by an earlier append is
// ended first.
bool appendtofile(const QString& path, const QByteArray& bytes);
// Writes beside the old file and renames over it only once every byte is on the disk, so a
// failed write (a full disk too) leaves the old file intact and answers false. The new file
// keeps the old one's permissions, and a symbolic link is followed: its target is replaced,
// unless links are refused, when a link is left as it is and nothing is written. Only a regular
// file is ever replaced.
bool replacefile(const QString& path, const QByteArray& bytes, Links links = Links::Follow);
// The same, with the system's error for a write that failed.
bool replacefile(const QString& path, const QByteArray& bytes, Links links, int& error);
// "battle.dat could not be written: permission denied.": why, as a read says it.
QString writefault(const QString& name, int error);
// Why replacefile would refuse `path` before writing a byte: a link where links are refused, or
// a name that holds something other than a file. ReadFault::None when it may go ahead.
ReadFault replaceable(const QString& path, Links links);
// "NAME.damaged", then "NAME.damaged-2" and on: where what could not be read is kept for the
// player to repair, never over an older one.
QString damagedname(const QString& name, int n);
// Writes `bytes` into the first free damagedname() beside `path`; returns the name it took, or
// the empty text when none could be written.
QString keepdamaged(const QString& path, const QByteArray& bytes);
// Removes the half-made copies replacefile leaves when the program is killed mid-write; one
// that another running copy of the game is still writing stays. The copies of files that the
// folder's links lead to, elsewhere, are removed too.
void removeunfinishedreplaces(const QString& folder);
// The same for the one file `path`, as a folder the game does not own (a battle disk) holds no
// other copies of ours.
void removeunfinishedreplace(const QString& path);
