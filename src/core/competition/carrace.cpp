#include "competition/carrace.h"

#include <algorithm>
#include <array>

namespace {
// In the order of RaceLevel.
constexpr std::array<LevelRules, 4> levels{{
    {5, 250, 0},
    {7, 250, 50},
    {10, 175, 80},
    {12, 175, 120},
}};
} // namespace

const LevelRules& rulesfor(RaceLevel level) {
    return levels.at(static_cast<std::size_t>(level));
}

std::optional<RaceLevel> levelforprize(qint32 prize) {
    if (prize <= 250)
        return RaceLevel::Easy;
    if (prize <= 500)
        return RaceLevel::Average;
    if (prize <= 750)
        return RaceLevel::Hard;
    if (prize <= 1000)
        return RaceLevel::Expert;
    return std::nullopt;
}

int ticksofrace(RaceLevel level) {
    // The least n with startleft + n * step past the finish.
    const int step = rulesfor(level).opponentstep;
    return (track::finishleft + 20 - track::opponentwidth - track::startleft) / step + 1;
}

void CarRace::restart() {
    opponentleft = track::startleft;
    playerleft = track::startleft;
}

RaceOutcome CarRace::tick(RaceLevel level) {
    opponentleft += rulesfor(level).opponentstep;
    if (pastfinish(opponentleft, track::opponentwidth))
        return RaceOutcome::OpponentWon;
    if (pastfinish(playerleft, track::playerwidth))
        return RaceOutcome::PlayerWon;
    return RaceOutcome::Running;
}

void CarRace::entrymatched(RaceLevel level) {
    playerleft += rulesfor(level).playerstep;
}

void CarRace::correction(RaceLevel level) {
    playerleft = std::max(0, playerleft - rulesfor(level).setback);
}
