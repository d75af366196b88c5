#include "tictactoe/board.h"

#include "common/clock.h"
#include "common/random.h"

#include <algorithm>

namespace {

struct Line {
    int x, y, z;
};

// The order matters: a board can hold two completed lines, and the first one found scores.
// clang-format off
constexpr Line lines[] = {
    {1, 2, 3},
    {4, 5, 6},
    {7, 8, 9},
    {1, 4, 7},
    {2, 5, 8},
    {3, 6, 9},
    {1, 5, 9},
    {3, 5, 7},
};
// clang-format on

const QString& at(const Board& board, int cell) {
    return board[static_cast<std::size_t>(cell - 1)];
}

} // namespace

bool isempty(const Board& board, int cell) {
    return at(board, cell).isEmpty();
}

bool holds(const Board& board, int cell, const QString& sign) {
    return at(board, cell) == sign;
}

bool hasemptycell(const Board& board) {
    return std::any_of(board.begin(), board.end(), [](const QString& c) { return c.isEmpty(); });
}

Outcome checkwin(const Board& board, const QString& yoursign) {
    for (const Line& line : lines) {
        const QString& winner = at(board, line.x);
        if (winner == at(board, line.y) && at(board, line.y) == at(board, line.z) &&
            !winner.isEmpty())
            return winner == yoursign ? Outcome::PlayerWon : Outcome::ComputerWon;
    }
    return hasemptycell(board) ? Outcome::Open : Outcome::Draw;
}

int randomcell() {
    return std::clamp(wholeupto(9), 1, 9);
}

int openingcell(const Board& board) {
    if (!hasemptycell(board))
        return 0;
    randomize(timeofday());
    int cell = randomcell();
    while (!isempty(board, cell))
        cell = randomcell();
    return cell;
}
