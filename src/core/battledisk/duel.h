#pragma once

#include "battledisk/battledisk.h"

#include <QChar>

// The duel against a disk character: decided at once by the two careers, then staged as a race.

enum class DuelWinner { Player, Disk };

// More training wins whatever the money; on equal training the poorer player wins, and a full
// tie goes to the disk character.
DuelWinner duelwinner(qint32 training, qint32 money, const BattleDisk& disk);

// What the loser pays the winner.
constexpr qint32 duelstake = 25;

struct DuelOutcome {
    DuelWinner winner;
    qint32 playermoney;
    // The disk to write back: only its money has changed.
    BattleDisk disk;
};

// Either side may fall below zero; a sum beyond 32 bits stops at the edge.
DuelOutcome duel(qint32 training, qint32 money, const BattleDisk& disk);

// The race: a lane holds this many characters before the next tick ends the race.
constexpr int lanelength = 25;

// The character a drawn code 1 to 200 adds to a lane: the code page's character, or a visible
// stand-in where that would be a control character that shows nothing, so each code is one
// character that can be seen.
QChar lanechar(int code);
