#pragma once

#include "stats/keyhistory.h"
#include "stats/pairtimes.h"
#include "stats/practiceday.h"
#include "stats/statsbook.h"
#include "stats/statsfile.h"

#include <QByteArrayView>
#include <QHash>
#include <QString>

#include <cstdint>

// Everything the records of "stats.dat" add up to, of every career, taken record by record in the
// order they were typed: the statistics' rows and tallies, each key's smoothed figures and the
// letter pairs', the practice days, and the entries mistyped. One copy serves every window.
struct StatsHistory {
    // Every record as the statistics show it, each career's tally, and the pairs of them all.
    StatsBook book;
    // The keys as typed on the desktop's layout; those of each layout learnt in the coach apart,
    // by its key ("us(dvorak)"), so learning one moves none of the other's figures.
    KeyHistory keys;
    QHash<QString, KeyHistory> learntkeys;
    PracticeDays days;
    // Entries mistyped and not typed clean in a drill since, with how often they were mistyped.
    QHash<QString, std::int64_t> mistyped;
    bool evermistyped = false; // an entry was mistyped, whether typed clean since or not
    std::int64_t drills = 0;   // the coach's drills among the records
    // Lines that were damaged, foreign or of no kind this version knows.
    std::int64_t unreadable = 0;
    // Why stats.dat was there and could not be read; empty when it was read or is missing.
    QString trouble;

    const PairTimes& pairs() const { return book.pairs(); }
    // The keys of a layout: the desktop's for an empty key.
    const KeyHistory& keysof(const QString& layout) const;
    // The letter pairs the coach drills on a layout: the desktop's for an empty key.
    const PairTimes& pairsof(const QString& layout) const { return book.pairs({{}, layout}); }
    // A record as the file holds it, after every record before it.
    void add(const StatsLine& line);
    void add(const TypingRecord& record);
};

// Read in `partcount` parts at once, or as many as the file's size and the cores make worth it.
StatsHistory readstatshistory(QByteArrayView statsbytes, int partcount = 0);
// From "stats.dat" in the program folder; nothing when it is missing or can't be read. A long
// file takes a while: read it away from a window's thread. With `upto`, only the lines within its
// first `upto` bytes, the file as it was when the reading set out.
StatsHistory loadstatshistory(const QString& folder, qint64 upto = -1);
