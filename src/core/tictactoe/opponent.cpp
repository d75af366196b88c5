#include "tictactoe/opponent.h"

#include "common/clock.h"
#include "common/random.h"

#include <QElapsedTimer>

#include <array>
#include <span>

namespace {

// The opening and defence rules, tried in order. A rule applies on its turn (0: any turn) when
// its cell is free and the player holds the cells it names, or for the first rule any cell.
struct PredefinedRule {
    int turns;
    int held1, held2;
    bool anycell;
    int takes;
};
// clang-format off
constexpr PredefinedRule predefined[] = {
    {1, 0, 0, true, 5},
    {1, 5, 0, false, 1},
    {0, 2, 3, false, 1},
    {2, 1, 9, false, 8},
    {2, 3, 7, false, 2},
};
// clang-format on

// a + b -> t: a and b hold one side's sign and t is free.
struct PairRow {
    int a, b, takes;
};

// Taken as listed: 3+4 is no line, and 1-2-3 and 3-6-9 are never completed by 1 or 3.
// clang-format off
constexpr PairRow waystowin[] = {
    {1, 2, 3},
    {1, 3, 2},
    {1, 4, 7},
    {1, 7, 4},
    {1, 5, 9},
    {1, 9, 5},
    {2, 5, 8},
    {2, 8, 5},
    {3, 6, 9},
    {3, 9, 6},
    {3, 4, 7},
    {3, 5, 7},
    {3, 7, 5},
    {4, 5, 6},
    {4, 6, 5},
    {4, 7, 1},
    {4, 1, 7},
    {5, 6, 4},
    {5, 1, 9},
    {5, 9, 1},
    {5, 2, 8},
    {5, 8, 2},
    {5, 3, 7},
    {5, 7, 3},
    {7, 8, 9},
    {7, 9, 8},
    {9, 8, 7},
    {9, 7, 8},
};
// clang-format on

// With the predefined rule 2+3 -> 1, every way the player can stand one cell short of a line:
// three pairs first, then the ways to win but 3+4 -> 7, no line, and 5+6 -> 4, which leads as
// 6+5 -> 4.
constexpr auto waystoblock = [] {
    constexpr PairRow first[] = {{6, 5, 4}, {6, 9, 3}, {5, 8, 2}};
    std::array<PairRow, std::size(first) + std::size(waystowin) - 2> rows{};
    std::size_t n = 0;
    for (const PairRow& row : first)
        rows[n++] = row;
    for (const PairRow& row : waystowin)
        if (!(row.a == 3 && row.b == 4) && !(row.a == 5 && row.b == 6))
            rows[n++] = row;
    return rows;
}();
static_assert(waystoblock.size() == 29 && waystoblock.back().takes == 8);

// Early in a game, two edges held by the player are answered in a corner: the first free one.
struct CornerRule {
    int held1, held2;
    int tries[3];
};
// clang-format off
constexpr CornerRule corners[] = {
    {2, 4, {1, 3, 7}},
    {2, 6, {3, 1, 9}},
    {8, 4, {7, 9, 1}},
    {8, 6, {9, 7, 3}},
};
// clang-format on
constexpr qint16 lastcornerturn = 2;

int firstpair(std::span<const PairRow> rows, const Board& board, const QString& sign) {
    for (const PairRow& row : rows)
        if (holds(board, row.a, sign) && holds(board, row.b, sign) && isempty(board, row.takes))
            return row.takes;
    return 0;
}

int cornermove(const Position& p) {
    if (p.turns > lastcornerturn)
        return 0;
    for (const CornerRule& rule : corners) {
        if (!holds(p.board, rule.held1, p.yoursign) || !holds(p.board, rule.held2, p.yoursign))
            continue;
        for (int cell : rule.tries)
            if (isempty(p.board, cell))
                return cell;
    }
    return 0;
}

bool anyotherheld(const Board& board, int except, const QString& sign) {
    for (int cell = 1; cell <= 9; ++cell)
        if (cell != except && holds(board, cell, sign))
            return true;
    return false;
}

// The cell a strategy points at once the record is taken out of it, 0 for none.
int pointedcell(const QString& strategy, const QString& record) {
    QChar first;
    if (record.isEmpty()) {
        if (strategy.isEmpty())
            return 0;
        first = strategy.front();
    } else {
        const QString rest = QString(strategy).remove(record);
        if (rest.isEmpty())
            return 0;
        first = rest.front();
    }
    return first >= u'1' && first <= u'9' ? first.unicode() - u'0' : 0;
}

// Reading the clock per strategy would cost more than the search itself.
constexpr qsizetype clockevery = 256;

} // namespace

int predefinedmove(const Position& p) {
    for (const PredefinedRule& rule : predefined) {
        if (rule.turns != 0 && p.turns != rule.turns)
            continue;
        if (!isempty(p.board, rule.takes))
            continue;
        const bool held = rule.anycell
                              ? anyotherheld(p.board, rule.takes, p.yoursign)
                              : holds(p.board, rule.held1, p.yoursign) &&
                                    (rule.held2 == 0 || holds(p.board, rule.held2, p.yoursign));
        if (held)
            return rule.takes;
    }
    return 0;
}

int winningmove(const Position& p) {
    if (const int cell = firstpair(waystowin, p.board, p.compsign))
        return cell;
    return cornermove(p);
}

int blockingmove(const Position& p) {
    return firstpair(waystoblock, p.board, p.yoursign);
}

Scan strategymove(const Board& board, const QString& record, const QStringList& strategies,
                  const ThinkingHooks& hooks, int& cell) {
    QElapsedTimer sincepause;
    sincepause.start();
    for (qsizetype i = 0; i < strategies.size(); ++i) {
        if (hooks.pause && i % clockevery == clockevery - 1 &&
            sincepause.nsecsElapsed() >= hooks.pauseafterns) {
            if (!hooks.pause())
                return Scan::Abandoned;
            sincepause.restart();
        }
        const QString& strategy = strategies.at(i);
        if (!strategy.contains(record))
            continue;
        const int d = pointedcell(strategy, record);
        if (d != 0 && isempty(board, d)) {
            cell = d;
            return Scan::Found;
        }
    }
    return Scan::NotFound;
}

int randommove(const Board& board) {
    if (!hasemptycell(board))
        return 0;
    for (;;) {
        const int cell = randomcell();
        randomize(timeofday());
        if (isempty(board, cell))
            return cell;
    }
}

MoveChoice choosemove(const Position& p, const QStringList& strategies,
                      const ThinkingHooks& hooks) {
    auto announce = [&hooks](Thinking stage) {
        if (hooks.stagestarted)
            hooks.stagestarted(stage);
    };
    announce(Thinking::Predefined);
    if (const int cell = predefinedmove(p))
        return {cell, Thinking::Predefined};
    announce(Thinking::Win);
    if (const int cell = winningmove(p))
        return {cell, Thinking::Win};
    announce(Thinking::Block);
    if (const int cell = blockingmove(p))
        return {cell, Thinking::Block};
    announce(Thinking::Recall);
    for (const QString& record : {p.yourmoves, p.compmoves}) {
        int cell = 0;
        switch (strategymove(p.board, record, strategies, hooks, cell)) {
        case Scan::Found:
            return {cell, Thinking::Recall};
        case Scan::Abandoned:
            return {};
        case Scan::NotFound:
            break;
        }
    }
    announce(Thinking::Random);
    return {randommove(p.board), Thinking::Random};
}
