#pragma once

#include <QString>
#include <QtGlobal>

// The rules of a practice exercise, apart from its window.

// What the player is told when an exercise ends, however it ended.
QString resultmessage(qint32 seconds, qint32 typedcount, const QString& levelname, qint32 mistakes);
