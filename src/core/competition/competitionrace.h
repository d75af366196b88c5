#pragma once

#include "competition/carrace.h"

#include <QPointer>

#include <cstdint>
#include <optional>

class Career;

// The competition a race is typed for: its first price, the level that calls for, and what a
// won race pays into the career.
class CompetitionRace {
public:
    explicit CompetitionRace(Career* career);

    // What a won race earns besides the prize.
    static constexpr std::int32_t trainingpoints = 10;

    // A competition joined: the race is for its first price, at the level the price calls for
    // (none above 1000, where the choice stays as it was).
    std::optional<RaceLevel> enter(std::int32_t prize);
    std::int32_t prize() const { return firstprice; }
    // The race won: the training points, then the prize, each shown at once. Nothing without a
    // career, as in a friendly race.
    void won();
    // The race is over, won or not: no prize waits any more.
    void reset() { firstprice = 0; }

private:
    const QPointer<Career> career;
    std::int32_t firstprice = 0;
};
