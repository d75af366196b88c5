#include "battledisk/diskcommands.h"

#include <algorithm>

DiskResult DiskCommands::create(const QString& answer) const {
    DiskResult result;
    const std::optional<QString> path = diskpath(answer);
    if (!path || !writediskfile(*path, career.disk(), result.trouble))
        return result;
    result.outcome = DiskOutcome::Done;
    // The player's best races go with the career, for a friend to race.
    result.more = putghostondisk(*path, career.playername());
    return result;
}

DiskResult DiskCommands::update(const QString& answer) const {
    const std::optional<QString> path = diskpath(answer);
    return path ? career.takeback(*path) : DiskResult{};
}

DiskResult DiskCommands::fight(const QString& answer) const {
    const std::optional<QString> path = diskpath(answer);
    return path ? career.duel(*path) : DiskResult{};
}

FriendlyRace DiskCommands::friendlyrace(const QString& answer) const {
    FriendlyRace race;
    const std::optional<QString> path = diskpath(answer);
    if (!path)
        return race;
    race.ghost = readghostfile(ghostpath(*path), race.trouble);
    if (!race.trouble.isEmpty()) {
        race.outcome = FriendlyRaceOutcome::Refused;
        return race;
    }
    // No races beside it: is there a disk at all?
    if (!race.ghost && !readdiskfile(*path, race.trouble))
        return race;
    if (!race.ghost ||
        std::none_of(race.ghost->best.cbegin(), race.ghost->best.cend(),
                     [](const std::optional<Replay>& best) { return best.has_value(); })) {
        race.outcome = FriendlyRaceOutcome::NoRace;
        race.ghost.reset();
        return race;
    }
    race.outcome = FriendlyRaceOutcome::Ready;
    return race;
}
