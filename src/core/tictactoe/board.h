#pragma once

#include <QString>

#include <array>

// The nine cells in reading order, cell k at index k - 1: the empty text for a free cell,
// otherwise the sign of whoever took it. Signs compare exactly, case included.
using Board = std::array<QString, 9>;

enum class Outcome { Open, PlayerWon, ComputerWon, Draw };

// The end-of-game check: the first completed line, in the game's line order, decides; a line's
// sign is the player's win only when it equals the player's sign, so equal signs score for the
// player. A full board without a line is a draw.
Outcome checkwin(const Board& board, const QString& yoursign);

bool isempty(const Board& board, int cell);
bool holds(const Board& board, int cell, const QString& sign);
bool hasemptycell(const Board& board);

// "Comp Move First": a random free cell, the generator reseeded from the clock once before the
// draws. 0 on a full board.
int openingcell(const Board& board);

// A random cell from 1 to 9, whatever the source returns.
int randomcell();
