#pragma once

#include "stats/pairtimes.h"
#include "stats/statsfile.h"

#include <QHash>
#include <QString>

#include <optional>

struct LayoutStrides;

// The letter pairs of a set of records: of every layout together, of the desktop's layout alone
// and of each layout learnt in the coach, each smoothed in the order typed. Smoothed times can't
// be added up or taken apart afterwards, so each is kept as it goes; the desktop's alone parts
// from every layout's only at the first record of a layout learnt, and costs nothing before.
class LayoutPairs {
public:
    // A record typed on `layout`, empty for the desktop's.
    void add(const StatsLine& line, const QString& layout);
    // The records of a later part of the file, read beside these.
    void follow(const LayoutStrides& later);
    const PairTimes& all() const { return every; }
    // A layout's alone: the desktop's for an empty key; nothing for a layout never typed.
    const PairTimes& of(const QString& layout) const;

private:
    PairTimes every;
    std::optional<PairTimes> desktop; // until a layout learnt is typed, `every`
    QHash<QString, PairTimes> learnt;
};

// What the records of a later part of the file do to each of the pairs above.
struct LayoutStrides {
    LetterTable<TimeStride> every;
    std::optional<LetterTable<TimeStride>> desktop;
    QHash<QString, LetterTable<TimeStride>> learnt;

    void add(const StatsLine& line, const QString& layout);
};
