#pragma once

#include "tictactoe/board.h"

#include <QString>
#include <QStringList>

#include <functional>

// The stages of the computer's reply, in the order they are tried; each is a row of the
// "Thinking Process" list.
enum class Thinking { Processing, Predefined, Win, Block, Recall, Random };

// What the computer sees when it replies.
struct Position {
    Board board;
    QString yoursign;
    QString compsign;
    // The computer's moves this game, the reply being chosen included.
    qint16 turns = 0;
    // The cells each side took, in order, as digits.
    QString yourmoves;
    QString compmoves;
};

struct MoveChoice {
    // 1 to 9; 0 only when the reply was abandoned.
    int cell = 0;
    Thinking stage = Thinking::Processing;
};

struct ThinkingHooks {
    // Told as each stage starts.
    std::function<void(Thinking)> stagestarted;
    // Called every few milliseconds of a long scan of the learned strategies, so a window can
    // let events run; returning false abandons the reply.
    std::function<bool()> pause;
    qint64 pauseafterns = 5'000'000;
};

// The computer's reply on a board that has a free cell: the first stage that finds a cell
// takes it. The learned strategies are searched oldest first.
MoveChoice choosemove(const Position& position, const QStringList& strategies,
                      const ThinkingHooks& hooks = {});

// The stages one by one; 0 when a stage finds nothing.
int predefinedmove(const Position& position);
int winningmove(const Position& position);
int blockingmove(const Position& position);

// How a scan of the learned strategies went.
enum class Scan { Found, NotFound, Abandoned };

// Searches the strategies for a record (the player's to recall, the computer's own to
// imitate): in the first strategy holding it that points at a free cell, the cell after the
// record is removed. The cell is written to `cell`.
Scan strategymove(const Board& board, const QString& record, const QStringList& strategies,
                  const ThinkingHooks& hooks, int& cell);

// A random free cell, the generator reseeded from the clock after every draw.
int randommove(const Board& board);
