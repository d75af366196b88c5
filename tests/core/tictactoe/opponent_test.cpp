#include "support/fakes.h"
#include "tictactoe/board.h"
#include "tictactoe/opponent.h"

#include <QTest>

Q_DECLARE_METATYPE(Outcome)
Q_DECLARE_METATYPE(Thinking)

namespace {

// Nine characters in reading order: X the player's sign, O the computer's, '.' a free cell.
Board boardof(const QString& cells) {
    Board board;
    for (int k = 0; k < 9; ++k)
        if (cells[k] != u'.')
            board[static_cast<std::size_t>(k)] = QString(cells[k]);
    return board;
}

// Only the pair's two cells hold the sign: nothing else can decide the move.
QString pairboard(int a, int b, QChar sign) {
    QString cells(9, u'.');
    cells[a - 1] = sign;
    cells[b - 1] = sign;
    return cells;
}

} // namespace

class OpponentTest : public QObject {
    Q_OBJECT
private slots:
    void checkwin_data();
    void checkwin();
    void choosemove_data();
    void choosemove();
    void longscanpausesandcanbeabandoned();
};

void OpponentTest::checkwin_data() {
    QTest::addColumn<QString>("cells");
    QTest::addColumn<QString>("yoursign");
    QTest::addColumn<Outcome>("outcome");
    // clang-format off
    QTest::newRow("empty board")                << "........." << "X" << Outcome::Open;
    QTest::newRow("top row first")              << "OOOXXX..." << "X" << Outcome::ComputerWon;
    QTest::newRow("top row before bottom row")  << "XXX...OOO" << "X" << Outcome::PlayerWon;
    QTest::newRow("first column before third")  << "O.XO.XO.X" << "X" << Outcome::ComputerWon;
    QTest::newRow("player's row")               << "XXXOO...." << "X" << Outcome::PlayerWon;
    QTest::newRow("first column")               << "XO.XO.X.." << "X" << Outcome::PlayerWon;
    QTest::newRow("second diagonal")            << "..O.O.O.." << "X" << Outcome::ComputerWon;
    QTest::newRow("full board without line")    << "XOXXOOOXX" << "X" << Outcome::Draw;
    QTest::newRow("line on a full board")       << "XXXOOXXOO" << "X" << Outcome::PlayerWon;
    QTest::newRow("signs differ in case")       << "xXX......" << "X" << Outcome::Open;
    // Only the player's sign is compared: the same sign on both sides scores for the player.
    QTest::newRow("equal signs")                << "XXX......" << "X" << Outcome::PlayerWon;
    QTest::newRow("any other sign")             << "???......" << "X" << Outcome::ComputerWon;
    // clang-format on
}

void OpponentTest::checkwin() {
    QFETCH(QString, cells);
    QFETCH(QString, yoursign);
    QFETCH(Outcome, outcome);
    QCOMPARE(::checkwin(boardof(cells), yoursign), outcome);
}

void OpponentTest::choosemove_data() {
    QTest::addColumn<QString>("cells");
    QTest::addColumn<int>("turns");
    QTest::addColumn<QString>("yourmoves");
    QTest::addColumn<QString>("compmoves");
    QTest::addColumn<QStringList>("strategies");
    QTest::addColumn<QList<double>>("draws");
    QTest::addColumn<int>("cell");
    QTest::addColumn<Thinking>("stage");
    const QStringList no;
    const QList<double> none;
    const auto P = Thinking::Predefined;
    const auto W = Thinking::Win;
    const auto R = Thinking::Random;
    const auto M = Thinking::Recall;
    // clang-format off
    QTest::newRow("opening on 7")                << "......X.." << 1 << "7"  << ""   << no << none << 5 << P;
    QTest::newRow("opening on 5")                << "....X...." << 1 << "5"  << ""   << no << none << 1 << P;
    QTest::newRow("1 then 9")                    << "X...O...X" << 2 << "19" << "5"  << no << none << 8 << P;
    QTest::newRow("3 then 7")                    << "..X.O.X.." << 2 << "37" << "5"  << no << none << 2 << P;
    QTest::newRow("2+3 before winning")          << ".XX.OO..." << 3 << "23" << "56" << no << none << 1 << P;
    QTest::newRow("stage 2 wins with 9")         << "OXX.O...." << 3 << "23" << "15" << no << none << 9 << W;
    // No row of the ways to win completes 1-2-3 by 1 or 3-6-9 by 3: chance moves instead.
    QTest::newRow("2+3 not completed by 1")      << ".OOX....X" << 3 << "49" << "23" << no << QList<double>{0.5} << 5 << R;
    QTest::newRow("6+9 not completed by 3")      << ".....O..O" << 3 << ""   << "69" << no << QList<double>{0.5} << 5 << R;
    QTest::newRow("corner for 2 and 4")          << ".X.XO...." << 2 << "24" << "5"  << no << none << 1 << W;
    QTest::newRow("corner for 2 and 4, 1 taken") << "OX.X....." << 2 << "24" << "1"  << no << none << 3 << W;
    QTest::newRow("corner for 2 and 6")          << ".X..OX..." << 2 << "26" << "5"  << no << none << 3 << W;
    QTest::newRow("corner for 8 and 4")          << "...XO..X." << 2 << "48" << "5"  << no << none << 7 << W;
    QTest::newRow("corner for 8 and 6")          << "....OX.X." << 2 << "68" << "5"  << no << none << 9 << W;
    QTest::newRow("no corner after turn 2")      << ".X.XO...." << 3 << "24" << "5"  << no << QList<double>{0.9} << 9 << R;
    QTest::newRow("recall 1597")                 << "X.O......" << 2 << "1"  << "3"  << QStringList{"1597"} << none << 5 << M;
    QTest::newRow("recall skips a taken cell")   << "X...O...." << 2 << "1"  << "5"  << QStringList{"1597", "182"} << none << 8 << M;
    QTest::newRow("record inside a strategy")    << "X...O...." << 2 << "1"  << "5"  << QStringList{"3415"} << none << 3 << M;
    QTest::newRow("strategy of other text")      << "X...O...." << 2 << "1"  << "5"  << QStringList{"1a", "1", "10", "15"} << QList<double>{0.0, 0.2} << 2 << R;
    QTest::newRow("imitate 537")                 << "....O...X" << 2 << "9"  << "5"  << QStringList{"537"} << none << 3 << M;
    QTest::newRow("no strategies: random")       << "....O...X" << 2 << "9"  << "5"  << no << QList<double>{0.5, 0.9, 0.0} << 1 << R;
    // clang-format on

    const int win[28][3] = {{1, 2, 3}, {1, 3, 2}, {1, 4, 7}, {1, 7, 4}, {1, 5, 9}, {1, 9, 5},
                            {2, 5, 8}, {2, 8, 5}, {3, 6, 9}, {3, 9, 6}, {3, 4, 7}, {3, 5, 7},
                            {3, 7, 5}, {4, 5, 6}, {4, 6, 5}, {4, 7, 1}, {4, 1, 7}, {5, 6, 4},
                            {5, 1, 9}, {5, 9, 1}, {5, 2, 8}, {5, 8, 2}, {5, 3, 7}, {5, 7, 3},
                            {7, 8, 9}, {7, 9, 8}, {9, 8, 7}, {9, 7, 8}};
    for (const auto& row : win)
        QTest::addRow("win %d+%d", row[0], row[1])
            << pairboard(row[0], row[1], u'O') << 3 << ""
            << "" << QStringList() << none << row[2] << Thinking::Win;
    const int block[29][3] = {{6, 5, 4}, {6, 9, 3}, {5, 8, 2}, {1, 2, 3}, {1, 3, 2}, {1, 4, 7},
                              {1, 7, 4}, {1, 5, 9}, {1, 9, 5}, {2, 5, 8}, {2, 8, 5}, {3, 6, 9},
                              {3, 9, 6}, {3, 5, 7}, {3, 7, 5}, {4, 5, 6}, {4, 6, 5}, {4, 7, 1},
                              {4, 1, 7}, {5, 1, 9}, {5, 9, 1}, {5, 2, 8}, {5, 8, 2}, {5, 3, 7},
                              {5, 7, 3}, {7, 8, 9}, {7, 9, 8}, {9, 8, 7}, {9, 7, 8}};
    for (const auto& row : block)
        QTest::addRow("block %d+%d", row[0], row[1])
            << pairboard(row[0], row[1], u'X') << 3 << ""
            << "" << QStringList() << none << row[2] << Thinking::Block;
}

void OpponentTest::choosemove() {
    QFETCH(QString, cells);
    QFETCH(int, turns);
    QFETCH(QString, yourmoves);
    QFETCH(QString, compmoves);
    QFETCH(QStringList, strategies);
    QFETCH(QList<double>, draws);
    QFETCH(int, cell);
    QFETCH(Thinking, stage);
    GameFixture fixture;
    fixture.random.draws.append(draws);
    const Position position{boardof(cells),      QStringLiteral("X"),
                            QStringLiteral("O"), static_cast<qint16>(turns),
                            yourmoves,           compmoves};
    QList<Thinking> announced;
    const MoveChoice choice =
        ::choosemove(position, strategies, {[&](Thinking s) { announced.append(s); }, {}});
    QCOMPARE(choice.cell, cell);
    QCOMPARE(choice.stage, stage);
    // Every stage up to the one that moved was announced, in order.
    QCOMPARE(announced.size(), static_cast<int>(stage));
    for (int i = 0; i < announced.size(); ++i)
        QCOMPARE(announced[i], static_cast<Thinking>(i + 1));
    QVERIFY(fixture.random.draws.isEmpty());
    // The random stage reseeds after every draw.
    QCOMPARE(fixture.random.reseeds.size(), draws.size());
}

void OpponentTest::longscanpausesandcanbeabandoned() {
    const QStringList strategies(5000, QStringLiteral("2468"));
    const Position position{boardof("X...O...."), "X", "O", 2, "1", "5"};
    int pauses = 0;
    ThinkingHooks hooks{{}, [&] { return ++pauses < 3; }, 0};
    QCOMPARE(::choosemove(position, strategies, hooks).cell, 0);
    QCOMPARE(pauses, 3);
    // Searched to the end when no pause gives up: both records, a pause every 256 strategies.
    GameFixture fixture;
    fixture.random.draws << 0.2;
    pauses = 0;
    hooks.pause = [&] { return ++pauses > 0; };
    QCOMPARE(::choosemove(position, strategies, hooks).stage, Thinking::Random);
    QCOMPARE(pauses, 2 * (5000 / 256));
}

QTEST_GUILESS_MAIN(OpponentTest)
#include "opponent_test.moc"
