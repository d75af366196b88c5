#pragma once

#include "coach/keyhistory.h"

#include <QByteArray>
#include <QHash>
#include <QString>

#include <cstdint>

// What the coach takes from the typing statistics: every record's keys, their typing times and the
// mistyped entries, of every career, tallied as the file is read.
struct CoachHistory {
    KeyHistory keys;
    QHash<QString, std::int64_t> mistyped;
};

CoachHistory readcoachhistory(const QByteArray& statsbytes);
// From "stats.dat" in the program folder; nothing when it is missing.
CoachHistory loadcoachhistory();
