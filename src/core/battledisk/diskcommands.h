#pragma once

#include "battledisk/diskghost.h"
#include "career/career.h"

#include <QString>

#include <optional>

// What came of reading a friend's best races off a disk.
enum class FriendlyRaceOutcome { NoDisk, Refused, NoRace, Ready };

struct FriendlyRace {
    FriendlyRaceOutcome outcome = FriendlyRaceOutcome::NoDisk;
    // Why the disk was no disk (NoDisk) or its races were refused (Refused), when there is more
    // to say.
    QString trouble;
    // The bests to race, when Ready.
    std::optional<DiskGhost> ghost;
};

// The commands of the Two Playes menu, apart from the drive prompt and the messages: each takes
// the prompt's answer as it was given and says what came of it. An answer that names no folder
// finds no diskette.
class DiskCommands {
public:
    explicit DiskCommands(Career& career) : career(career) {}

    // Create KVR Competition Disk: the career written on the disk, with the player's best races
    // beside it (`more` says when they are not there).
    DiskResult create(const QString& answer) const;
    // Update Status from KVR Competition Disk: the money taken back from the player's own disk.
    DiskResult update(const QString& answer) const;
    // Competition With Typist in KVR Battle Disk: the duel, decided and written back.
    DiskResult fight(const QString& answer) const;
    // Race the disk typist's best: their best races, or why there is none to race. Nothing of
    // either career changes.
    FriendlyRace friendlyrace(const QString& answer) const;

private:
    Career& career;
};
