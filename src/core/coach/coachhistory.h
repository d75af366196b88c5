#pragma once

#include "coach/keyhistory.h"
#include "stats/pairtimes.h"
#include "stats/practiceday.h"
#include "stats/statsfile.h"

#include <QByteArray>
#include <QByteArrayView>
#include <QHash>
#include <QString>

#include <cstdint>

// What the coach takes from the typing statistics: every record's keys, their typing times and the
// mistyped entries, of every career, taken record by record in the order they were typed.
struct CoachHistory {
    KeyHistory keys;
    PairTimes pairs;   // the letter pairs' typing times, and their keys'
    PracticeDays days; // today's practice and the streak are worked out from
    // Entries mistyped and not typed clean in a drill since, with how often they were mistyped.
    QHash<QString, std::int64_t> mistyped;
    bool evermistyped = false; // an entry was mistyped, whether typed clean since or not
    std::int64_t drills = 0;   // the coach's drills among the records
    // Why stats.dat was there and could not be read; empty when it was read or is missing.
    QString trouble;

    // A record's tallies, as the file holds them.
    void add(const StatsLine& line);
    void add(const TypingRecord& record);
};

// Read in `partcount` parts at once, or as many as the file's size and the cores make worth it.
CoachHistory readcoachhistory(QByteArrayView statsbytes, int partcount = 0);
// From "stats.dat" in the program folder; nothing when it is missing or can't be read. A long
// file takes a while: the window reads it away from its own thread. With `upto`, only the lines
// within its first `upto` bytes, the file as it was when the window set out to read it.
CoachHistory loadcoachhistory(const QString& folder, qint64 upto = -1);
