#pragma once

#include "stats/statsbook.h"

#include <QList>
#include <QString>

#include <optional>

struct EntryMisses {
    QString entry;
    std::int64_t times = 0;
};

// What the statistics window shows of a set of records, worked out without a window.
struct StatsSummary {
    // Positions in the book's rows, oldest first, of the records shown.
    QList<qsizetype> shown;
    std::int64_t exercises = 0;
    std::int64_t races = 0;
    std::int64_t drills = 0;
    TypingTally tally; // of every record shown together
    double averagespeed = 0;
    double bestspeed = 0; // of the best single record
    // Over the keystrokes of the last ten records shown that had any; none without such a record.
    std::optional<double> recentaccuracy;
    // Highest miss rate first, only keys expected often enough for the rate to mean something.
    QList<KeyMisses> keys;
    // Highest mean typing time first, only keys timed often enough for the mean to mean something.
    QList<KeyMisses> slowkeys;
    // Every key expected or timed often enough, in character order: the heat map's.
    QList<KeyMisses> rankedkeys;
    QList<EntryMisses> entries; // most often mistyped first
    // Letter pairs timed often enough, slowest first (see `pairslowness`).
    QList<PairStanding> slowpairs;
    // Keys typed instead of those due, most often first.
    QList<std::pair<KeySwap, std::int64_t>> swaps;
};

// A key is ranked once it was the one to type this many times, and by its typing time once it
// was timed this many times.
constexpr std::int64_t rankedkeyminimum = 20;

// The records `choice` names. Pairs weigh as common as `weights` say they are.
StatsSummary summarise(const StatsBook& book, const StatsChoice& choice, qsizetype keylimit = 10,
                       qsizetype entrylimit = 20, const PairWeights& weights = {});

QString durationtext(std::int64_t milliseconds);
