// The game as the player meets it: the player's move, the computer's reply, the scoring with its
// messages, the tiredness, the reset and the status row. The match keeps the game.
#include "common/dialogs.h"
#include "common/program.h"
#include "sound/sounds.h"
#include "tictactoe/tictac.h"

#include <QLineEdit>
#include <QListWidget>
#include <QPointer>
#include <QPushButton>
#include <QTimer>

namespace {

void showcount(QLineEdit* box, const QString& caption, qint16 count) {
    const QString text = caption + QString::number(count);
    // Rewriting the same text would move the caret of a box the player is reading.
    if (box->text() != text)
        box->setText(text);
}

} // namespace

void tictac::cell_Click(int k) {
    // While a reply searches its memory the board is its own; the click is dropped.
    if (thinking || !match.playertakes(k))
        return;
    showgame();
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
    if (match.gameover() || thinking)
        return;
    selectstage(static_cast<int>(Thinking::Processing));
    if (checkwin())
        return;
    const Position position = match.beginreply();
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
    match.computertakes(choice.cell, position);
    showgame();
    checkwin();
}

bool tictac::checkwin() {
    switch (match.check()) {
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

void tictac::scored(Outcome outcome, const QString& message) {
    match.finish();
    msgbox(message, MsgIcon::Information, tr("Result"));
    match.settle(outcome);
}

void tictac::youwon() {
    setstartbuttons(true);
    playsound(Sound::TicTacWon);
    scored(Outcome::PlayerWon, tr("U won $25!"));
    learn();
    endround();
    startreset_Click();
}

void tictac::compwon() {
    setstartbuttons(true);
    playsound(Sound::TicTacLost);
    scored(Outcome::ComputerWon, tr("Computer Won! You lost $10!"));
    endround();
    startreset_Click();
}

void tictac::drawgame() {
    playsound(Sound::TicTacDrawn);
    scored(Outcome::Draw, tr("Draw! How boring..."));
    setstartbuttons(true);
    endround();
    startreset_Click();
}

void tictac::endround() {
    if (!TicTacToeMatch::tired())
        return;
    msgbox(tr("Vivovu Dev Ezi Doz is tired. Play another day!"));
    setstartbuttons(true);
    startreset_Click();
    hide();
}

void tictac::startreset_Click() {
    if (thinking)
        return;
    setstartbuttons(false);
    selectstage(static_cast<int>(Thinking::Processing));
    clock->start();
    const bool canpay = match.reset(yoursignbox->text(), compsignbox->text());
    showgame();
    if (!canpay) {
        msgbox(tr("You do not have enough money to pay if you lost!"), MsgIcon::Error,
               tr("Oh no!"));
        hide();
    }
}

void tictac::compmovefirst_Click() {
    if (thinking)
        return;
    setstartbuttons(false);
    if (match.openingmove() != 0)
        showgame();
}

void tictac::clock_Timer() {
    // The two signs must differ; the new one counts from the next reset.
    if (yoursignbox->text() == compsignbox->text())
        compsignbox->setText(QStringLiteral("???"));
    if (match.tick())
        clock->stop();
    showcount(turnsbox, tr("Turns: "), match.turns());
    showcount(winsbox, tr("Winnings: "), match.record().wins);
    showcount(lossesbox, tr("Loses: "), match.record().losses);
    showcount(drawsbox, tr("Draws: "), match.record().draws);
}
