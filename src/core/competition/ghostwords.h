#pragma once

#include "competition/replay.h"

// What the race window says of the player against a ghost. `whom` is "your best", or a
// friend's name.

// "74.3 s": milliseconds to the nearest tenth of a second.
QString secondstext(std::int64_t ms);

// How the player stands against the ghost at `now`, the player's car at `left` since
// `arrived`: "2 entries behind your best" while the cars are an entry or more apart, else
// "0.8 s ahead of your best", how much sooner the player got to where the car stands (the
// ghost may yet get there), or "level with your best".
QString standing(int left, std::int64_t arrived, const Replay& ghost, std::int64_t now,
                 const QString& whom);

// The line at the end of a race: its time to the finish, or how far it fell short, against
// the best before it, and "New best!" when it beat it; with no race before it at the level, that
// it is the first.
QString raceline(const Replay& race, const std::optional<Replay>& before, bool newbest);

// The end of a friendly race against `name`'s best: who was faster, and by how much, with both
// times to the finish or how far short of it each was.
QString friendlyverdict(const Replay& race, const Replay& ghost, const QString& name);
