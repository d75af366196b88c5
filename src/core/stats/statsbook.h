#pragma once

#include "stats/layoutpairs.h"
#include "stats/pairtimes.h"
#include "stats/statsfile.h"

#include <QHash>
#include <QList>
#include <QStringList>

#include <array>
#include <optional>

// A record as the statistics window keeps it: what a row and the progress chart show. The
// per-character and per-entry counts are added into its career's tally instead, and the texts,
// the same few on every row, are kept once in the book: a hundred thousand records cost a
// small row each.
struct StatsRow {
    QDate day;
    QTime time;
    // Positions in the book's texts.
    qint32 career = 0;
    qint32 activity = 0;
    qint32 level = 0;
    qint32 result = 0;
    qint32 layout = -1; // of a layout learnt in the coach; -1 for the desktop's
    TypingTally tally;
    // The letter pairs timed, and their typing times added up.
    std::int64_t pairstimed = 0;
    std::int64_t pairms = 0;
    // Position in the book's texts of the keys typed instead ("c for x: 2"), -1 for none.
    qint32 instead = -1;
};
// A hundred thousand rows move by memcpy when the list grows, not one by one.
Q_DECLARE_TYPEINFO(StatsRow, Q_RELOCATABLE_TYPE);

// A key and how it fared.
struct KeyMisses {
    QChar key;
    std::int64_t missed = 0;
    std::int64_t expected = 0;
    KeyTime time;
    double rate() const {
        return expected > 0 ? static_cast<double>(missed) / static_cast<double>(expected) : 0;
    }
    // Mean typing time in milliseconds; 0 when it was never timed.
    double meantime() const {
        return time.count > 0
                   ? static_cast<double>(time.milliseconds) / static_cast<double>(time.count)
                   : 0;
    }
};

// What one career's records on one layout add up to.
class CareerTally {
public:
    std::int64_t exercises = 0;
    std::int64_t races = 0;
    std::int64_t drills = 0; // of the typing coach
    TypingTally tally;       // of all its records together
    double bestspeed = 0;
    QHash<QString, std::int64_t> entries; // times each entry was mistyped
    KeySwaps instead;                     // keys typed instead of those due

    void addrow(const StatsRow& row, QStringView activity);
    void addkey(char16_t code, std::int64_t expected, std::int64_t missed);
    void addtime(char16_t code, const KeyTime& time);
    void add(const CareerTally& other);
    // Every key that was expected, missed or timed at least once.
    QList<KeyMisses> keys() const;

private:
    KeyMisses& key(char16_t code);
    // Windows-1252 text keeps nearly every key below 256: those need no hashing.
    std::array<KeyMisses, 256> low{};
    QHash<char16_t, KeyMisses> high;
};

// "c for x: 12; v for b: 1", worst first: one record's keys typed instead, as the export has them.
QString swapsummary(const KeySwaps& swaps);

// Whose records a tally adds up: a career's, typed on a layout (empty: the desktop's).
struct TallyKey {
    QString career;
    QString layout;
    bool operator==(const TallyKey&) const = default;
};
inline size_t qHash(const TallyKey& key, size_t seed = 0) {
    return qHashMulti(seed, key.career, key.layout);
}

// Which records the statistics show: one career's or every career's (no career), one layout's
// or every layout's (no layout; an empty one is the desktop's).
struct StatsChoice {
    std::optional<QString> career;
    std::optional<QString> layout;
};

class StatsBookPart;

// Every record read or added, in the order they ended, with a tally per career and layout.
class StatsBook {
public:
    void add(const StatsLine& line);
    // The records of a later part of the file, read beside this one, after those of this.
    void follow(const StatsBookPart& later);
    // As its line in the file reads, so it shows as it will after the window is reopened.
    void add(const TypingRecord& record);
    const QList<StatsRow>& rows() const { return list; }
    const QHash<TallyKey, CareerTally>& tallies() const { return bycareer; }
    // The records chosen, added up.
    CareerTally tally(const StatsChoice& choice) const;
    // Every career's records together: smoothed times can't be added up from the careers'.
    const PairTimes& pairs() const { return allpairs.all(); }
    const PairTimes& pairs(const StatsChoice& choice) const;
    // The layouts the records were typed on: the desktop's (empty) first when it has any, then
    // those learnt in the coach, in the order of their keys.
    QStringList layouts() const;
    // Keys typed instead of those due, of every career.
    KeySwaps instead() const;
    const QString& text(qint32 position) const { return texts[position]; }
    // Where a text is kept, -1 if no row or entry has it; one text has one position.
    qint32 find(const QString& text) const { return positions.value(text, -1); }

private:
    friend class StatsBookPart;
    // The row and its tallies, the letter pairs left to the caller.
    CareerTally& addline(const StatsLine& line);
    CareerTally& addrow(StatsRow row);
    // The career's letter pairs, by the position of its name.
    LayoutPairs& careerpairsat(qint32 career);
    // The layout learnt a row was typed on; empty for the desktop's.
    const QString& layoutof(const StatsRow& row) const;
    // Each text is kept once, however often it comes: careers, levels and entries repeat.
    qint32 textposition(QByteArrayView bytes);
    // The same for a field every line has: its last few texts are compared before any is hashed.
    struct RecentTexts {
        std::array<QByteArray, 4> bytes;
        std::array<qint32, 4> positions{};
        std::size_t next = 0;
    };
    qint32 textposition(QByteArrayView bytes, RecentTexts& recent);
    qint32 textposition(const QString& text);
    QList<StatsRow> list;
    QHash<TallyKey, CareerTally> bycareer;
    QHash<QString, LayoutPairs> careerpairs;
    // Each tally by the positions of its career's name and layout, so a line hashes no name; a
    // new tally, or a copy that shares them, may move the tallies, and then they are found again.
    // The same for each career's pairs.
    QHash<qint64, CareerTally*> talliesat;
    QHash<qint32, LayoutPairs*> pairsat;
    std::array<RecentTexts, 5> recent; // career, activity, level, result and layout
    LayoutPairs allpairs;
    QStringList texts;
    QHash<QByteArray, qint32> bytepositions;
    QHash<QString, qint32> positions;
};

// A later part of a long file, read on a thread of its own beside the parts before it: its rows
// and tallies, and what its records do to the smoothed pair times, which only the parts before
// can finish.
class StatsBookPart {
public:
    void add(const StatsLine& line);

private:
    friend class StatsBook;
    StatsBook book; // its pairs left out
    LayoutStrides allpairs;
    // By the position of the career's name in the part's book.
    QHash<qint32, LayoutStrides> careerpairs;
};
