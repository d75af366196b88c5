#pragma once

#include "common/settingsfile.h"
#include "competition/replay.h"

#include <QByteArray>
#include <QByteArrayView>

#include <array>

class FieldReader;

// The replays kept of each level: the best race, and the last ten.
inline constexpr int keptraces = 10;

struct ReplayBook {
    std::array<std::optional<Replay>, 4> best;
    std::array<QList<Replay>, 4> recent; // oldest first
    // Whether the race shows the best as a ghost ("Race my best").
    bool showbest = true;

    const std::optional<Replay>& bestof(RaceLevel level) const;
    // Takes a race in among the level's last ten; true when it is the level's new best.
    bool add(const Replay& race);
    bool operator==(const ReplayBook&) const = default;
};

// One replay as a line of the game's files: "best" or "race", the level, the race's length
// and the moves as "ms:step" pairs, each step the car's move from where it stood.
QByteArray replayline(const QString& kind, const Replay& replay);
// Reads one such line; nothing when a field is missing or damaged or the moves could not have
// been typed by a person.
std::optional<Replay> readreplayline(QByteArrayView line, QString& kind);

// The whole of "replays.dat": a first line of its own and a line per replay.
QByteArray replaysbytes(const ReplayBook& book);
// Takes every replay that could have been raced into `book`, each line on its own, and says how
// the bytes read; `badline` is the first line dropped, from 1, or 0.
Reading readreplays(QByteArrayView bytes, ReplayBook& book, int& badline);

// "replays.dat could not be read: line 3 is damaged."
QString damagedline(const QString& name, int line);
