#pragma once

#include "common/filereading.h"

#include <QByteArray>
#include <QString>
#include <QStringList>

// Every field of a comma-and-quote file in order, however the lines group them; a field that
// cannot be read ends the list with what came before it. The roster and the opponent's memory
// are such lists.
QStringList everyfield(QByteArray bytes);
// The same from a file of at most `most` bytes; a missing or unreadable file gives no fields,
// and `read` says why.
QStringList everyfieldof(const QString& path, qint64 most, FileRead& read);
