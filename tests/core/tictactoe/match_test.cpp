#include "career/career.h"
#include "samples/careerstaging.h"
#include "support/fakes.h"
#include "tictactoe/match.h"

#include <QTest>

// A tic-tac-toe game, step by step: the moves, the end-of-game check, the score with its money,
// the reset and its money check, the computer's opening and the status row's tick.
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

void MatchTest::steps_data() {
    QTest::addColumn<int>("money");
    QTest::addColumn<QString>("game"); // board ('.' free), the player's and the computer's cells
    // "take K", "reply K", "check", "score" (finish, then settle what check found), "open",
    // "tick", "reset YOURS COMPS", "signs YOURS COMPS"; "-" stands for nothing.
    QTest::addColumn<QString>("steps");
    // What the steps said, in order; a check's outcome as a number: 0 open, 1 the player's,
    // 2 the computer's, 3 a draw.
    QTest::addColumn<QString>("said");
    QTest::addColumn<QString>("after"); // board, records, turns, money, wins losses draws
    // clang-format off
    QTest::newRow("the player's line, before a reply") << 250 << "XX.OO.... 12 45" << "take 3,check,score"
        << "taken 1" << "XXXOO.... 123 45 2 275 1 0 0";
    QTest::newRow("a taken cell")                      << 250 << "XX.OO.... 12 45" << "take 4,check"
        << "refused 0" << "XX.OO.... 12 45 2 250 0 0 0";
    QTest::newRow("the computer's line")               << 250 << "OX..O.... 2 15" << "reply 9,check,score"
        << "2" << "OX..O...O 2 159 3 240 0 1 0";
    QTest::newRow("the ninth cell without a line")     << 250 << "XOXXOOOX. 1478 2563" << "take 9,check,score"
        << "taken 3" << "XOXXOOOXX 14789 2563 2 250 0 0 1";
    QTest::newRow("equal signs score for the player")  << 250 << "XX....... - -" << "signs X X,reply 3,check,score"
        << "1" << "XXX...... - 3 3 275 1 0 0";
    QTest::newRow("an empty sign takes no cell")       << 250 << "....O.... - 5" << "signs X -,reply 1"
        << "" << "....O.... - 5 3 250 0 0 0";
    QTest::newRow("the computer opens")                << 250 << "......... - -" << "reset X O,open"
        << "can pay 5" << "....O.... - 5 1 250 0 0 0";
    QTest::newRow("after two turns, only a count down") << 250 << "X...O...X 19 5" << "open"
        << "0" << "X...O...X 19 5 1 250 0 0 0";
    QTest::newRow("a scored game's turn counted down") << 250 << "XX.OO.... 12 45" << "tick,take 3,check,score,tick"
        << "go on taken 1 stop" << "XXXOO.... 123 45 1 275 1 0 0";
    QTest::newRow("reset with $10, in its signs")       << 10 << "XX.OO.... 12 45" << "reset + -,take 1"
        << "can pay taken" << "+........ 1 - 0 10 0 0 0";
    QTest::newRow("reset with $9")                      << 9 << "XX.OO.... 12 45" << "reset X O"
        << "cannot pay" << "......... - - 0 9 0 0 0";
    // clang-format on
}

void MatchTest::steps() {
    QFETCH(int, money);
    QFETCH(QString, game);
    QFETCH(QString, steps);
    Career career;
    staged(career).setstate({QStringLiteral("Ace"), 0, money, 0, 0});
    fixture->random.draws << 0.5;
    const auto text = [](QString word) { return word.replace('-', QString()); };
    const QStringList at = game.split(' ');
    Board board;
    for (int k = 0; k < 9; ++k)
        board[static_cast<std::size_t>(k)] = at[0][k] == u'.' ? QString() : QString(at[0][k]);
    TicTacToeMatch match(&career);
    match.setgame(board, text(at[1]), text(at[2]), 2);
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
            said << QString::number(static_cast<int>(found));
        } else if (words[0] == "score") {
            match.finish();
            match.settle(found);
        } else if (words[0] == "open") {
            said << QString::number(match.openingmove());
        } else if (words[0] == "tick") {
            said << (match.tick() ? "stop" : "go on");
        } else if (words[0] == "reset") {
            said << (match.reset(text(words[1]), text(words[2])) ? "can pay" : "cannot pay");
        } else if (words[0] == "signs") {
            match.takerecord({0, 0, 0, text(words[1]), text(words[2])});
        }
    }
    QTEST(said.join(' '), "said");
    QCOMPARE(match.gameover(), steps.contains("score"));
    QString cells;
    for (const QString& cell : match.board())
        cells += cell.isEmpty() ? QStringLiteral(".") : cell;
    const auto orblank = [](const QString& moves) { return moves.isEmpty() ? "-" : moves; };
    const PlayerRecord& record = match.record();
    QTEST(QStringList({cells, orblank(match.yourmoves()), orblank(match.compmoves()),
                       QString::number(match.turns()), QString::number(career.money()),
                       QString::number(record.wins), QString::number(record.losses),
                       QString::number(record.draws)})
              .join(' '),
          "after");
    QCOMPARE(career.shown().money, career.money());
}

QTEST_GUILESS_MAIN(MatchTest)
#include "match_test.moc"
