#pragma once

#include "competition/carrace.h"

#include <QList>
#include <QString>

#include <cstdint>
#include <optional>

// What the player's car did in one race: when it moved and where to, in milliseconds from
// Start. It holds no words, so it replays against whatever the next race draws.

struct RaceMove {
    std::int64_t ms = 0;
    int left = track::startleft; // where the car stood after the move
    bool operator==(const RaceMove&) const = default;
};

// A race lasts as long as the opponent takes at the slowest pace, unless the clock lags: an
// hour is far past any race.
inline constexpr std::int64_t longestrace = 60 * 60 * 1000;
// Entries, corrections and the moves they undo: a few hundred in the longest race. A race that
// moved more often is not kept.
inline constexpr int mostmoves = 1000;
// A new entry shows only once the last one is matched, and no person reads and types one
// sooner than this: a replay that moves on faster was not typed.
inline constexpr std::int64_t quickestentry = 100;

// "Easy", "Average", "Hard", "Expert", as the level buttons say it.
QString levelname(RaceLevel level);
std::optional<RaceLevel> levelnamed(QStringView name);

struct Replay {
    RaceLevel level = RaceLevel::Average;
    std::int64_t length = 0; // when the race ended
    QList<RaceMove> moves;

    // Where the car stood at `ms`: after every move made by then.
    int leftat(std::int64_t ms) const;
    // When the car first stood at `left` or beyond; nothing when it never did.
    std::optional<std::int64_t> reached(int left) const;
    // When the car got past the finish.
    std::optional<std::int64_t> finish() const;
    int farthest() const;
    bool operator==(const Replay&) const = default;
};

// Whether `race` is the better one: past the finish sooner; a car that finished beats one that
// did not; of two that did not, the one that got farther, then the one that got there sooner.
// A tie is no better, so the older best stays.
bool betterrace(const Replay& race, const Replay& than);

// Whether a car could have made these moves at its level: times never going back and within
// the race, each move a matched entry's step, a correction's setback or one cut short by the
// track's left edge, and no entry sooner than a person types one.
bool typedbyaperson(const Replay& replay);

// Whether a race could have gone so, for a replay from someone else: typed by a person, no
// entry once the car was past the finish (the race ends there, at the clock's next tick), and
// no longer than the opponent takes to the finish, with half as long again for a clock that
// lags.
bool withinarace(const Replay& replay);

// Entries the car still lacked to pass the finish, at the farthest it got.
int entriesshort(const Replay& replay);

// Records the race as the car moves. A move that undoes the last setback (a correction key
// that proved a key repeat) takes that setback back, so the replay holds what the car did.
class ReplayTape {
public:
    void start(RaceLevel level);
    // The car stands at `left` at `ms` from Start.
    void follow(std::int64_t ms, int left);
    // The player left the race by Back.
    void back();
    bool running() const { return isrunning; }
    const Replay& sofar() const { return tape; }
    int left() const;
    // When the car came to where it stands.
    std::int64_t arrived() const;
    // Ends the tape at `ms`: the race to keep, or nothing when it is not one to keep (left by
    // Back before an entry was matched, or not typed by a person).
    std::optional<Replay> finish(std::int64_t ms);

private:
    Replay tape;
    bool isrunning = false;
    bool matched = false;
    bool leftbyback = false;
};
