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

// Twenty real words of the language, only of keys in play: every other one holds a drilled pair,
// the pairs in turn, the rest are ordinary words of those keys; the commoner words come first.
// A pair no word of the keys in play holds is passed over for the next. Empty when no pair is
// ranked among the keys in play or no word holds one.
PairDrill buildpairdrill(const QStringList& words, const PairTimes& times,
                         const PairWeights& weights, const QString& inplay, std::uint64_t seed);

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
