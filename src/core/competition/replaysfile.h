#pragma once

#include "competition/replaybook.h"

// "replays.dat" in the program folder: every change is made under a lock, to the file as it is
// then, so two copies of the game that race at once both keep their races. It follows the rule
// of the settings files (common/settingsfile.h): a damaged one is set aside by the next change,
// which says so, and the replays that could be read go on.
inline const QString replaysfilename = QStringLiteral("replays.dat");
// 4 levels of 11 replays of at most a thousand moves stay under 600 KB.
inline constexpr qint64 largestreplays = 1024 * 1024;

// The book and what the player should be told of the file, empty when all went well.
struct ReplaysRead {
    ReplayBook book;
    QString trouble;
};
const SettingsFile& replaysfile();
// A missing or empty file is an empty book; an unreadable one or a newer copy's too, with the
// reason.
ReplaysRead loadreplays();

struct KeptRace {
    bool kept = false;
    bool newbest = false;
    // The level's best before this race.
    std::optional<Replay> before;
    QString trouble;
};
KeptRace keepreplay(const Replay& race);
// "Race my best" turned on or off; what the player should be told, empty when it was kept.
QString keepshowbest(bool show);
