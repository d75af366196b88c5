// The game: the player's move, the computer's reply, the end-of-game check, the scoring, the
// tiredness draw, the reset and the status row.
#include "career/career.h"
#include "common/clock.h"
#include "common/dialogs.h"
#include "common/number.h"
#include "common/program.h"
#include "common/random.h"
#include "sound/sounds.h"
#include "tictactoe/opponent.h"
#include "tictactoe/tictac.h"

#include <QLineEdit>
#include <QListWidget>
#include <QPointer>
#include <QPushButton>
#include <QTimer>

#include <algorithm>
#include <limits>

namespace {

constexpr int prize = 25;
constexpr int loss = 10;
// What a game can cost, checked before each one.
constexpr int stake = 10;

void showcount(QLineEdit* box, const QString& caption, qint16 count) {
    const QString text = caption + QString::number(count);
    // Rewriting the same text would move the caret of a box the player is reading.
    if (box->text() != text)
        box->setText(text);
}

} // namespace

void tictac::cell_Click(int k) {
    // While a reply searches its memory the board is its own; the click is dropped.
    if (thinking || !cell(k)->text().isEmpty())
        return;
    setcaption(k, yoursign);
    yourmoves->setText(yourmoves->text() + QString::number(k));
    compmove();
}

void tictac::setstartbuttons(bool enabled) {
    startreset->setEnabled(enabled);
    compmovefirst->setEnabled(enabled);
}

void tictac::selectstage(int row) {
    stages->setCurrentRow(row);
}

void tictac::compmove() {
    if (gameover || thinking)
        return;
    selectstage(static_cast<int>(Thinking::Processing));
    if (checkwin())
        return;
    turns = addclamped<qint16>(turns, 1);
    const Position position{board(), yoursign,          compsign,
                            turns,   yourmoves->text(), compmoves->text()};
    // A copy costs nothing until something is learned, and events that run meanwhile cannot
    // change what is being searched.
    const QStringList memory = brain;
    QPointer<tictac> self(this);
    thinking = true;
    const MoveChoice choice =
        choosemove(position, memory,
                   {[this](Thinking stage) { selectstage(static_cast<int>(stage)); },
                    [this, &self] {
                        doevents();
                        return self && !closing && !programended();
                    },
                    scanpausens});
    if (!self)
        return;
    thinking = false;
    if (choice.cell == 0)
        return;
    setcaption(choice.cell, position.compsign);
    // The record holds the cells whose caption changed: an emptied sign box changes none.
    const Board after = board();
    QString changed;
    for (std::size_t i = 0; i < after.size(); ++i)
        if (after[i] != position.board[i])
            changed += QString::number(i + 1);
    compmoves->setText(compmoves->text() + changed);
    checkwin();
}

bool tictac::checkwin() {
    switch (::checkwin(board(), yoursign)) {
    case Outcome::PlayerWon:
        youwon();
        return true;
    case Outcome::ComputerWon:
        compwon();
        return true;
    case Outcome::Draw:
        drawgame();
        return true;
    case Outcome::Open:
        break;
    }
    return false;
}

void tictac::scored(const QString& message) {
    gameover = true;
    msgbox(message, MsgIcon::Information, QStringLiteral("Result"));
}

void tictac::youwon() {
    setstartbuttons(true);
    playsound(Sound::TicTacWon);
    scored(QStringLiteral("U won $25!"));
    changemoney(prize);
    wins = addclamped<qint16>(wins, 1);
    learn();
    endround();
    startreset_Click();
}

void tictac::compwon() {
    setstartbuttons(true);
    playsound(Sound::TicTacLost);
    scored(QStringLiteral("Computer Won! You lost $10!"));
    losses = addclamped<qint16>(losses, 1);
    changemoney(-loss);
    endround();
    startreset_Click();
}

void tictac::drawgame() {
    playsound(Sound::TicTacDrawn);
    scored(QStringLiteral("Draw! How boring..."));
    draws = addclamped<qint16>(draws, 1);
    setstartbuttons(true);
    endround();
    startreset_Click();
}

// The sum stays within what the career's money can hold.
void tictac::changemoney(std::int64_t amount) {
    if (career)
        career->changemoneyby(amount);
}

void tictac::endround() {
    randomize(timeofday());
    if (wholeupto(3) != 2)
        return;
    msgbox(QStringLiteral("Vivovu Dev Ezi Doz is tired. Play another day!"));
    setstartbuttons(true);
    startreset_Click();
    hide();
}

void tictac::startreset_Click() {
    if (thinking)
        return;
    setstartbuttons(false);
    selectstage(static_cast<int>(Thinking::Processing));
    compmoves->clear();
    yourmoves->clear();
    clock->start();
    yoursign = yoursignbox->text();
    compsign = compsignbox->text();
    gameover = false;
    turns = 0;
    for (int k = 1; k <= 9; ++k)
        setcaption(k, QString());
    if (career && career->shown().money < stake) {
        msgbox(QStringLiteral("You do not have enough money to pay if you lost!"), MsgIcon::Error,
               QStringLiteral("Oh no!"));
        hide();
    }
}

void tictac::compmovefirst_Click() {
    if (thinking)
        return;
    setstartbuttons(false);
    if (turns >= 2) {
        turns = addclamped<qint16>(turns, -1);
        return;
    }
    const int x = openingcell(board());
    if (x == 0)
        return;
    compmoves->setText(QString::number(x));
    turns = addclamped<qint16>(turns, 1);
    setcaption(x, compsign);
}

void tictac::clock_Timer() {
    // The two signs must differ; the new one counts from the next reset.
    if (yoursignbox->text() == compsignbox->text())
        compsignbox->setText(QStringLiteral("???"));
    if (gameover) {
        turns = addclamped<qint16>(turns, -1);
        clock->stop();
    }
    showcount(turnsbox, QStringLiteral("Turns: "), turns);
    showcount(winsbox, QStringLiteral("Winnings: "), wins);
    showcount(lossesbox, QStringLiteral("Loses: "), losses);
    showcount(drawsbox, QStringLiteral("Draws: "), draws);
}
