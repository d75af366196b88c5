#pragma once

#include "common/filereading.h"

#include <QString>
#include <QStringList>

// The opponent's memory, "brain.dat": one learned strategy (the winner's cells in the order
// taken) per line, double-quoted, oldest first. Several fields on a line are several
// strategies; a missing file is an empty memory, and so is one that can't be read, as `read`
// then says.
inline const QString brainfile = QStringLiteral("brain.dat");
// A strategy a line of a few bytes: some sixty thousand of them, one a game won, and still read
// as the window opens without keeping the player waiting.
inline constexpr qint64 largestbrain = 512 * 1024;
QStringList loadbrain(const QString& folder, FileRead& read);
// Appends one strategy as a line of its own, creating the file. False when it could not be
// written whole; the file then holds what it held before.
bool learnstrategy(const QString& folder, const QString& strategy);
