#include "career/career.h"
#include "samples/careerstaging.h"
#include "support/fakes.h"
#include "tictactoe/match.h"

#include <QTest>

#include <limits>

// A game of the tic-tac-toe match, step by step: the moves, the end-of-game check, the score with
// its money, the reset and its money check, the computer's opening and the status row's tick.
class MatchTest : public QObject {
    Q_OBJECT
private slots:
    void init() { fixture = new GameFixture; }
    void cleanup() { delete fixture; }
    void steps_data();
    void steps();

private:
    GameFixture* fixture = nullptr;
};

namespace {

// '.' a free cell.
Board boardof(const QString& cells) {
    Board board;
    for (int k = 0; k < 9; ++k)
        board[static_cast<std::size_t>(k)] = cells[k] == u'.' ? QString() : QString(cells[k]);
    return board;
}

QString cellsof(const Board& board) {
    QString cells;
    for (const QString& cell : board)
        cells += cell.isEmpty() ? QStringLiteral(".") : cell;
    return cells;
}

const char* outcomename(Outcome outcome) {
    switch (outcome) {
    case Outcome::Open:
        return "open";
    case Outcome::PlayerWon:
        return "player won";
    case Outcome::ComputerWon:
        return "computer won";
    case Outcome::Draw:
        break;
    }
    return "draw";
}

} // namespace

void MatchTest::steps_data() {
    QTest::addColumn<int>("money");
    QTest::addColumn<QString>("game"); // board, the player's and the computer's cells, turns
    // "take K", "reply K", "check", "score" (finish, then settle what check found), "open",
    // "tick", "reset YOURS COMPS", "signs YOURS COMPS"
    QTest::addColumn<QString>("steps");
    QTest::addColumn<QList<double>>("draws");
    QTest::addColumn<QString>("said");  // what each step said, where it says anything
    QTest::addColumn<QString>("after"); // board, records, turns, money, wins-losses-draws
    constexpr int least = std::numeric_limits<std::int32_t>::min();
    const QList<double> none;
    // clang-format off
    QTest::newRow("the player's line, before any reply") << 250 << "XX.OO.... 12 45 2" << "take 3,check,score" << none
        << "taken,player won" << "XXXOO.... 123 45 2 275 1-0-0";
    QTest::newRow("a taken cell is refused")            << 250 << "XX.OO.... 12 45 2" << "take 4,check" << none
        << "refused,open" << "XX.OO.... 12 45 2 250 0-0-0";
    QTest::newRow("the computer's line")                << 250 << "OX..O.... 2 15 2" << "reply 9,check,score" << none
        << "computer won" << "OX..O...O 2 159 3 240 0-1-0";
    QTest::newRow("the ninth cell without a line")      << 250 << "XOXXOOOX. 1478 2563 4" << "take 9,check,score" << none
        << "taken,draw" << "XOXXOOOXX 14789 2563 4 250 0-0-1";
    QTest::newRow("equal signs score for the player")   << 250 << "......... - - 0" << "signs X X,reply 1,reply 2,reply 3,check,score" << none
        << "player won" << "XXX...... - 123 3 275 1-0-0";
    QTest::newRow("an empty sign takes no cell")        << 250 << "....O.... - 5 1" << "signs X -,reply 1" << none
        << "" << "....O.... - 5 2 250 0-0-0";
    QTest::newRow("a loss at the bottom of the money")  << least << "OX..O.... 2 15 2" << "reply 9,check,score" << none
        << "computer won" << "OX..O...O 2 159 3 -2147483648 0-1-0";
    QTest::newRow("the computer opens")                 << 250 << "......... - - 0" << "open" << QList<double>{0.5}
        << "5" << "....O.... - 5 1 250 0-0-0";
    QTest::newRow("after two turns it only counts down")  << 250 << "X...O...X 19 5 2" << "open" << none
        << "0" << "X...O...X 19 5 1 250 0-0-0";
    QTest::newRow("a scored game's turn counted down")  << 250 << "XX.OO.... 12 45 2" << "take 3,check,score,tick" << none
        << "taken,player won,stop" << "XXXOO.... 123 45 1 275 1-0-0";
    QTest::newRow("no tick counts down in play")        << 250 << "XX.OO.... 12 45 2" << "tick" << none
        << "go on" << "XX.OO.... 12 45 2 250 0-0-0";
    QTest::newRow("reset with $10")                     << 10 << "XX.OO.... 12 45 2" << "reset + -" << none
        << "can pay" << "......... - - 0 10 0-0-0";
    QTest::newRow("reset with $9")                      << 9 << "XX.OO.... 12 45 2" << "reset X O" << none
        << "cannot pay" << "......... - - 0 9 0-0-0";
    QTest::newRow("the reset's signs play")             << 250 << "......... - - 0" << "reset + -,take 1" << none
        << "can pay,taken" << "+........ 1 - 0 250 0-0-0";
    // clang-format on
}

void MatchTest::steps() {
    QFETCH(int, money);
    QFETCH(QString, game);
    QFETCH(QString, steps);
    QFETCH(QList<double>, draws);
    Career career;
    staged(career).setstate({QStringLiteral("Ace"), 0, money, 0, 0});
    fixture->random.draws.append(draws);
    const auto text = [](const QString& word) { return word == "-" ? QString() : word; };
    const QStringList at = game.split(' ');
    TicTacToeMatch match(&career);
    match.setgame(boardof(at[0]), text(at[1]), text(at[2]), static_cast<qint16>(at[3].toInt()));
    QStringList said;
    Outcome found = Outcome::Open;
    for (const QString& step : steps.split(',')) {
        const QStringList words = step.split(' ');
        if (words[0] == "take") {
            said << (match.playertakes(words[1].toInt()) ? "taken" : "refused");
        } else if (words[0] == "reply") {
            const Position before = match.beginreply();
            match.computertakes(words[1].toInt(), before);
        } else if (words[0] == "check") {
            found = match.check();
            said << outcomename(found);
        } else if (words[0] == "score") {
            match.finish();
            QVERIFY(match.gameover());
            match.settle(found);
        } else if (words[0] == "open") {
            said << QString::number(match.openingmove());
        } else if (words[0] == "tick") {
            said << (match.tick() ? "stop" : "go on");
        } else if (words[0] == "reset") {
            said << (match.reset(text(words[1]), text(words[2])) ? "can pay" : "cannot pay");
            QVERIFY(!match.gameover());
        } else if (words[0] == "signs") {
            match.takerecord({0, 0, 0, text(words[1]), text(words[2])});
        }
    }
    QTEST(said.join(','), "said");
    const PlayerRecord& record = match.record();
    const auto orblank = [](const QString& cells) { return cells.isEmpty() ? "-" : cells; };
    QTEST(QStringLiteral("%1 %2 %3 %4 %5 %6-%7-%8")
              .arg(cellsof(match.board()), orblank(match.yourmoves()), orblank(match.compmoves()))
              .arg(match.turns())
              .arg(career.money())
              .arg(record.wins)
              .arg(record.losses)
              .arg(record.draws),
          "after");
    // The money shows at once.
    QCOMPARE(career.shown().money, career.money());
}

QTEST_GUILESS_MAIN(MatchTest)
#include "match_test.moc"
