#pragma once

#include "coach/drill.h"
#include "stats/pairtimes.h"

#include <QStringList>

#include <cstdint>

// A weak-pairs drill trains the three to five weakest letter pairs among the keys in play: the
// slowest three, and up to two more while they are slow at all.
inline constexpr qsizetype fewestdrilledpairs = 3;
inline constexpr qsizetype mostdrilledpairs = 5;

struct PairDrill {
    QList<PairStanding> pairs; // as they stood when the drill was built
    QStringList entries;
};

// Twenty real words of the language, only of keys in play: every fourth an ordinary word of those
// keys, the others holding a drilled pair, each pair as many as `pairshares` gives it, spread
// through the drill; the commoner words come first. A pair no word of the keys in play holds is
// passed over for the next. Empty when no pair is ranked among the keys in play or no word holds
// one. `targetwpm` is the speed the player aims at.
PairDrill buildpairdrill(const QStringList& words, const PairTimes& times,
                         const PairWeights& weights, const QString& inplay, std::uint64_t seed,
                         int targetwpm = 35);

// How many of `count` words each drilled pair takes: shares by how far its time is over the
// target's, every pair at least one; a pair far the slowest (twice as far over as the next) at
// least a third of the whole drill.
QList<int> pairshares(const QList<PairStanding>& pairs, double targetms, int count);

class WeakPairsDrill : public Drill {
public:
    WeakPairsDrill(PairDrill built) : built(std::move(built)) {}
    QString start() override;
    QString entry() const override;
    QString typed(bool) override {
        ++at;
        return {};
    }
    bool finished() const override { return at >= built.entries.size(); }
    QString level() const override { return weakpairsname; }
    QList<QChar> keys() const override;
    const QList<PairStanding>& pairs() const { return built.pairs; }

private:
    PairDrill built;
    qsizetype at = 0;
};

// How each drilled pair moved: "Pairs: th 312 ms → 280 ms, ju 405 ms → 390 ms."
QString pairsmoved(const QList<PairStanding>& before, const PairTimes& after);
