#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>

// Every field of a comma-and-quote file in order, however the lines group them; a field that
// cannot be read ends the list with what came before it. The roster and the opponent's memory
// are such lists.
QStringList everyfield(QByteArray bytes);
// The same from a file; a missing or unreadable file gives no fields.
QStringList everyfieldof(const QString& path);
