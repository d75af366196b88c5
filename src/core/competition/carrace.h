#pragma once

#include <QtGlobal>

#include <optional>

// The rules of the car race, apart from any window. Positions and widths are in twips.

enum class RaceLevel { Easy, Average, Hard, Expert };

struct LevelRules {
    int opponentstep; // per clock tick
    int playerstep;   // per matched entry
    int setback;      // per correction key
};

const LevelRules& rulesfor(RaceLevel level);

// The level a competition's prize calls for; none above 1000, where the choice stays as it was.
std::optional<RaceLevel> levelforprize(qint32 prize);

namespace track {
constexpr int startleft = 120;
// The left edge of the "Finish" label.
constexpr int finishleft = 9960;
constexpr int opponentwidth = 1275;
constexpr int playerwidth = 1320;
} // namespace track

// A car has finished once all but its last 20 twips are past the finish.
constexpr bool pastfinish(int left, int width) {
    return left + width - 20 > track::finishleft;
}

enum class RaceOutcome { Running, OpponentWon, PlayerWon };

// Milliseconds between two ticks of the race's clock.
constexpr int raceclockms = 100;
// Ticks until the opponent at `level` passes the finish: the most a race lasts.
int ticksofrace(RaceLevel level);

struct CarRace {
    int opponentleft = track::startleft;
    int playerleft = track::startleft;

    void restart();
    // One clock tick: the opponent moves, then the finish is tested, the opponent first, so a
    // tie goes to the opponent.
    RaceOutcome tick(RaceLevel level);
    void entrymatched(RaceLevel level);
    // The car may slide back behind its start, but not off the track's left edge.
    void correction(RaceLevel level);
};
