#pragma once

#include "stats/keystrokes.h"
#include "stats/statsfile.h"

#include <QHash>
#include <QList>
#include <QStringList>

#include <array>
#include <cstdint>
#include <functional>
#include <vector>

struct TimeStride;

// A typing time smoothed keystroke by keystroke as the coach smooths a key's (α = 0.1, see
// `smoothed`), begun at what its first record showed rather than at a guess: a pair timed twenty
// times carries none of a starting figure.
struct SmoothedTime {
    std::int64_t timed = 0;
    double ms = 0;

    // One record's timings: their sum and how many.
    void add(std::int64_t milliseconds, std::int64_t count);
    // Moved on by the records of `later`, as adding each in turn would move it.
    void follow(const TimeStride& later);
};

// What a run of records does to a smoothed time, worked out without knowing where it stood: a
// long history is read in parts at once, and each part laid over the ones before.
struct TimeStride {
    std::int64_t timed = 0;
    double kept = 1;        // the share of the figure before the run that is left after it
    double fromnothing = 0; // the figure the run leaves when it began at 0
    double first = 0;       // the run's first mean: where it begins when nothing was timed before

    void add(std::int64_t milliseconds, std::int64_t count);
};

// Keys and letter pairs by their Windows-1252 bytes, the pairs' room made only for the first
// letters that come: a few dozen letters start the pairs a player types.
template <typename T> class LetterTable {
public:
    LetterTable() { blockof.fill(-1); }
    T& key(unsigned char b) { return keys[b]; }
    const T& key(unsigned char b) const { return keys[b]; }
    T& pair(unsigned char a, unsigned char b) {
        if (blockof[a] < 0) {
            blockof[a] = static_cast<std::int16_t>(blocks.size());
            blocks.emplace_back();
        }
        return blocks[static_cast<std::size_t>(blockof[a])][b];
    }
    const T* findpair(unsigned char a, unsigned char b) const {
        return blockof[a] < 0 ? nullptr : &blocks[static_cast<std::size_t>(blockof[a])][b];
    }
    // `f(first, second, value)` for every pair timed, in byte order.
    template <typename F> void eachpair(F f) const {
        for (int a = 0; a < 256; ++a)
            if (blockof[a] >= 0)
                for (int b = 0; b < 256; ++b)
                    if (const T& v = blocks[static_cast<std::size_t>(blockof[a])][b]; v.timed > 0)
                        f(static_cast<unsigned char>(a), static_cast<unsigned char>(b), v);
    }
    template <typename F> void eachkey(F f) const {
        for (int b = 0; b < 256; ++b)
            if (keys[b].timed > 0)
                f(static_cast<unsigned char>(b), keys[b]);
    }

private:
    std::array<T, 256> keys{};
    std::array<std::int16_t, 256> blockof;
    std::vector<std::array<T, 256>> blocks;
};

// The records' keys and letter pairs, smoothed record by record in the order they were typed:
// what a pair's slowness is worked out from.
class PairTimes {
public:
    // A record as its line holds it; records come in the order they were typed.
    void add(const StatsLine& line);
    // The records of a later part of the file, read beside this one.
    void follow(const LetterTable<TimeStride>& later);
    SmoothedTime pair(LetterPair pair) const;
    SmoothedTime key(QChar key) const;
    const LetterTable<SmoothedTime>& table() const { return times; }

private:
    LetterTable<SmoothedTime> times;
};

// The strides of a part of the file, as PairTimes takes lines.
void addstrides(LetterTable<TimeStride>& strides, const StatsLine& line);

// How common each pair is among the pairs of a language's words, as a share of them all, the
// letters in lower case: "th" is common in English, "ju" rare.
using PairWeights = QHash<LetterPair, double>;
PairWeights pairweights(const QStringList& words);

// How common each pair is in the words the player drills, for a keyboard layout `layout`
// describes: the coach's words, which the game installs at its start. Without it (in tests) no
// pair weighs more than another. It may read files: call it away from a window's thread.
using PairWeigher = std::function<PairWeights(const QString& layout)>;
void setpairweigher(PairWeigher weigher);
PairWeights drilledpairweights(const QString& layout);

// A pair is ranked once it was timed this many times.
inline constexpr std::int64_t rankedpairminimum = 20;

struct PairStanding {
    LetterPair pair = 0;
    double ms = 0;       // smoothed time
    double expected = 0; // what its second key takes, its own smoothed time
    std::int64_t timed = 0;
    double weight = 0; // how common it is, a share of all pairs; 0 when no words are known
    double slowness = 0;
    double slowerby() const { return ms - expected; }
};

// The one slowness of a pair: its smoothed time above its second key's own smoothed time (the
// pair's time is that key's, typed after the first), weighed by how common it is. A key typed
// slowly makes every pair it ends slow too; only what is slow about the pair itself counts, and
// the more so the more often the language asks for it.
double pairslowness(double pairms, double expectedms, double weight);

// The pairs timed often enough to rank, slowest first (ties in pair order), at most `limit`;
// with `letters`, only the pairs of two of them. Without weights every pair weighs the same.
QList<PairStanding> rankpairs(const PairTimes& times, const PairWeights& weights,
                              qsizetype limit = 10, const QString& letters = QString());
