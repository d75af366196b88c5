#include "tictactoe/match.h"

#include "career/career.h"
#include "common/clock.h"
#include "common/number.h"
#include "common/random.h"

TicTacToeMatch::TicTacToeMatch(Career* career) : career(career) {}

bool TicTacToeMatch::playertakes(int k) {
    if (!isempty(cells, k))
        return false;
    cells[static_cast<std::size_t>(k - 1)] = player.yoursign;
    playermoves += QString::number(k);
    return true;
}

Position TicTacToeMatch::beginreply() {
    compturns = addclamped<qint16>(compturns, 1);
    return {cells, player.yoursign, player.compsign, compturns, playermoves, computermoves};
}

void TicTacToeMatch::computertakes(int cell, const Position& before) {
    cells[static_cast<std::size_t>(cell - 1)] = before.compsign;
    for (std::size_t i = 0; i < cells.size(); ++i)
        if (cells[i] != before.board[i])
            computermoves += QString::number(i + 1);
}

int TicTacToeMatch::openingmove() {
    if (compturns >= 2) {
        compturns = addclamped<qint16>(compturns, -1);
        return 0;
    }
    const int cell = openingcell(cells);
    if (cell == 0)
        return 0;
    computermoves = QString::number(cell);
    compturns = addclamped<qint16>(compturns, 1);
    cells[static_cast<std::size_t>(cell - 1)] = player.compsign;
    return cell;
}

// The money stays within what the career can hold.
void TicTacToeMatch::settle(Outcome outcome) {
    switch (outcome) {
    case Outcome::PlayerWon:
        if (career)
            career->changemoneyby(prize);
        player.wins = addclamped<qint16>(player.wins, 1);
        break;
    case Outcome::ComputerWon:
        player.losses = addclamped<qint16>(player.losses, 1);
        if (career)
            career->changemoneyby(-loss);
        break;
    case Outcome::Draw:
        player.draws = addclamped<qint16>(player.draws, 1);
        break;
    case Outcome::Open:
        break;
    }
}

bool TicTacToeMatch::tired() {
    randomize(timeofday());
    return wholeupto(3) == 2;
}

bool TicTacToeMatch::reset(const QString& yoursign, const QString& compsign) {
    computermoves.clear();
    playermoves.clear();
    player.yoursign = yoursign;
    player.compsign = compsign;
    over = false;
    compturns = 0;
    cells = Board();
    return !career || career->shown().money >= stake;
}

bool TicTacToeMatch::tick() {
    if (!over)
        return false;
    compturns = addclamped<qint16>(compturns, -1);
    return true;
}

void TicTacToeMatch::setgame(const Board& board, const QString& yourmoves, const QString& compmoves,
                             qint16 turns) {
    cells = board;
    playermoves = yourmoves;
    computermoves = compmoves;
    compturns = turns;
}
