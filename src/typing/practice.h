#pragma once

#include <QString>
#include <QtGlobal>

// The rules of a practice exercise, apart from its window.

// Only the exact target completes it: same characters, same case, nothing trimmed. An empty box
// never does, so an empty target can't be typed at all.
bool wordmatches(const QString& typed, const QString& target);

// What the player is told when an exercise ends, however it ended.
QString resultmessage(qint32 seconds, qint32 typedcount, const QString& levelname, qint32 mistakes);

