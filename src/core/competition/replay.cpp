#include "competition/replay.h"

#include <algorithm>
#include <array>

namespace {

const std::array<QString, 4> names{QStringLiteral("Easy"), QStringLiteral("Average"),
                                   QStringLiteral("Hard"), QStringLiteral("Expert")};

// The least place at which the player's car is past the finish.
constexpr int finishplace = track::finishleft - track::playerwidth + 21;
static_assert(pastfinish(finishplace, track::playerwidth) &&
              !pastfinish(finishplace - 1, track::playerwidth));

} // namespace

QString levelname(RaceLevel level) {
    return names.at(static_cast<std::size_t>(level));
}

std::optional<RaceLevel> levelnamed(QStringView name) {
    for (std::size_t i = 0; i < names.size(); ++i) {
        if (name == names[i])
            return static_cast<RaceLevel>(i);
    }
    return std::nullopt;
}

int Replay::leftat(std::int64_t ms) const {
    const auto after = std::upper_bound(moves.cbegin(), moves.cend(), ms,
                                        [](std::int64_t t, const RaceMove& m) { return t < m.ms; });
    return after == moves.cbegin() ? track::startleft : std::prev(after)->left;
}

std::optional<std::int64_t> Replay::reached(int left) const {
    if (track::startleft >= left)
        return 0;
    for (const RaceMove& move : moves) {
        if (move.left >= left)
            return move.ms;
    }
    return std::nullopt;
}

std::optional<std::int64_t> Replay::finish() const {
    return reached(finishplace);
}

int Replay::farthest() const {
    int most = track::startleft;
    for (const RaceMove& move : moves)
        most = std::max(most, move.left);
    return most;
}

bool betterrace(const Replay& race, const Replay& than) {
    const std::optional<std::int64_t> finished = race.finish();
    const std::optional<std::int64_t> otherfinished = than.finish();
    if (finished || otherfinished)
        return finished && (!otherfinished || *finished < *otherfinished);
    const int farthest = race.farthest();
    const int otherfarthest = than.farthest();
    if (farthest != otherfarthest)
        return farthest > otherfarthest;
    return *race.reached(farthest) < *than.reached(otherfarthest);
}

bool typedbyaperson(const Replay& replay) {
    if (replay.length < 0 || replay.length > longestrace || replay.moves.size() > mostmoves)
        return false;
    const LevelRules& rules = rulesfor(replay.level);
    int left = track::startleft;
    std::int64_t previous = 0;
    std::int64_t lastentry = 0;
    for (const RaceMove& move : replay.moves) {
        if (move.ms < previous || move.ms > replay.length || move.left < 0)
            return false;
        const int step = move.left - left;
        if (step == rules.playerstep) {
            if (move.ms - lastentry < quickestentry)
                return false;
            lastentry = move.ms;
        } else if (!(step < 0 && (step == -rules.setback || move.left == 0) &&
                     step >= -rules.setback)) {
            return false;
        }
        left = move.left;
        previous = move.ms;
    }
    return true;
}

bool withinarace(const Replay& replay) {
    const std::int64_t longest = std::int64_t{ticksofrace(replay.level)} * raceclockms * 3 / 2;
    if (!typedbyaperson(replay) || replay.length > longest)
        return false;
    int left = track::startleft;
    for (const RaceMove& move : replay.moves) {
        if (move.left > left && left >= finishplace)
            return false;
        left = move.left;
    }
    return true;
}

int entriesshort(const Replay& replay) {
    const int step = rulesfor(replay.level).playerstep;
    return std::max(0, (finishplace - replay.farthest() + step - 1) / step);
}

void ReplayTape::start(RaceLevel level) {
    tape = Replay{level, 0, {}};
    isrunning = true;
    matched = false;
    leftbyback = false;
}

int ReplayTape::left() const {
    return tape.moves.isEmpty() ? track::startleft : tape.moves.constLast().left;
}

std::int64_t ReplayTape::arrived() const {
    return tape.moves.isEmpty() ? 0 : tape.moves.constLast().ms;
}

void ReplayTape::follow(std::int64_t ms, int left) {
    if (!isrunning || left == this->left())
        return;
    const qsizetype count = tape.moves.size();
    if (count > 0) {
        const int before = count > 1 ? tape.moves[count - 2].left : track::startleft;
        if (tape.moves[count - 1].left < before && left == before) {
            tape.moves.removeLast();
            return;
        }
    }
    matched = matched || left > this->left();
    // One move past the most is enough to know the race is not kept.
    if (count <= mostmoves)
        tape.moves.append({std::max(ms, arrived()), left});
}

void ReplayTape::back() {
    if (isrunning && !matched)
        leftbyback = true;
}

std::optional<Replay> ReplayTape::finish(std::int64_t ms) {
    if (!isrunning)
        return std::nullopt;
    isrunning = false;
    tape.length = std::max(ms, arrived());
    if (leftbyback || !typedbyaperson(tape))
        return std::nullopt;
    return tape;
}
