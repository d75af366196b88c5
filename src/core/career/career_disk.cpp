// The career on a battle disk: written for a friend, taken back, and fought against.
#include "battledisk/duel.h"
#include "career/career.h"

BattleDisk Career::disk() const {
    const CareerState now = state();
    return {now.playername, now.money, now.training};
}

// The training on the disk is not used.
DiskResult Career::takeback(const QString& path) {
    DiskResult result;
    const std::optional<BattleDisk> disk = readdiskfile(path, result.trouble);
    if (!disk)
        return result;
    if (!isowndisk(*disk, playername())) {
        result.outcome = DiskOutcome::WrongDisk;
        return result;
    }
    setmoney(disk->money);
    updatestatus();
    result.outcome = DiskOutcome::Done;
    return result;
}

// The disk is rewritten before anything else changes: a disk that cannot take the new money
// leaves both careers as they were.
DiskResult Career::duel(const QString& path) {
    DiskResult result;
    const std::optional<BattleDisk> disk = readdiskfile(path, result.trouble);
    if (!disk)
        return result;
    if (isowndisk(*disk, playername())) {
        result.outcome = DiskOutcome::WrongDisk;
        return result;
    }
    const DuelOutcome outcome = ::duel(training(), money(), *disk);
    if (!writediskfile(path, outcome.disk, result.trouble))
        return result;
    result.outcome = DiskOutcome::Done;
    result.playerwon = outcome.winner == DuelWinner::Player;
    setmoney(outcome.playermoney);
    updatestatus();
    return result;
}
