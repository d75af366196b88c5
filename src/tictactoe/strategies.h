#pragma once

#include <QString>
#include <QStringList>

// The opponent's memory, "brain.dat": one learned strategy (the winner's cells in the order
// taken) per line, double-quoted, oldest first. Several fields on a line are several
// strategies; a missing file is an empty memory.
QStringList loadbrain(const QString& folder);
// Appends one strategy as a line of its own, creating the file. False when it could not be
// written whole; the file then holds what it held before.
bool learnstrategy(const QString& folder, const QString& strategy);
