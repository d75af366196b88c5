#pragma once

#include "tictactoe/board.h"
#include "tictactoe/opponent.h"
#include "tictactoe/records.h"

#include <QPointer>
#include <QString>

#include <cstdint>

class Career;

// A visit to Vivovu Dev Ezi Doz: the board of the game in play with each side's record of
// cells, the signs in effect, the computer's turns, the current player's wins, losses and draws,
// and the career money a game is played for.
class TicTacToeMatch {
public:
    // Played for nothing without a career.
    explicit TicTacToeMatch(Career* career);

    // What a game won pays and a game lost costs; the reset checks the player could pay a loss.
    static constexpr std::int32_t prize = 25;
    static constexpr std::int32_t loss = 10;
    static constexpr std::int32_t stake = 10;

    const Board& board() const { return cells; }
    const QString& yoursign() const { return player.yoursign; }
    const QString& compsign() const { return player.compsign; }
    qint16 turns() const { return compturns; }
    // Set while a finished game is scored, until the reset: the computer does not move.
    bool gameover() const { return over; }
    // The cells each side took this game, in order, as digits.
    const QString& yourmoves() const { return playermoves; }
    const QString& compmoves() const { return computermoves; }
    // The current player's wins, losses and draws with the signs in effect.
    const PlayerRecord& record() const { return player; }

    // The player's move on cell k (1 to 9): false, with nothing changed, on a taken cell.
    bool playertakes(int k);
    // The end-of-game check on the board as it stands.
    Outcome check() const { return checkwin(cells, player.yoursign); }
    // The computer's reply begins: a turn counted, and the position it sees.
    Position beginreply();
    // The cell the reply chose, in the computer's sign; its record gains every cell whose sign
    // changed since `before`, so an empty sign adds none.
    void computertakes(int cell, const Position& before);
    // "Comp Move First": the computer opens on a random free cell while it has taken fewer than
    // two turns (its record then holds that cell alone); otherwise it only counts a turn down.
    // The cell taken, or 0.
    int openingmove();

    // A finished game is being scored.
    void finish() { over = true; }
    // Its score: the money and the count of its kind, in the game's order for each.
    void settle(Outcome outcome);
    // After every scored game: tired one time in three, the generator reseeded from the clock.
    static bool tired();
    // "Start / Reset": an empty board and records, no turn, the signs given taken up. False when
    // the player's money shown could not pay a lost game.
    bool reset(const QString& yoursign, const QString& compsign);
    // The status row's tick: while a finished game is scored its turn is counted down, and the
    // row's clock is to stop (true) until the next reset.
    bool tick();

    // A player's record taken up: counts and signs.
    void takerecord(const PlayerRecord& record) { player = record; }
    // A game in progress put in place, as a picture or a test of one needs it.
    void setgame(const Board& board, const QString& yourmoves, const QString& compmoves,
                 qint16 turns);

private:
    const QPointer<Career> career;
    Board cells;
    QString playermoves;
    QString computermoves;
    qint16 compturns = 0;
    bool over = false;
    PlayerRecord player;
};
