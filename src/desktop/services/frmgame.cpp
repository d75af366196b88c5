#include "services/frmgame.h"

#include "common/controls.h"
#include "common/dialogs.h"
#include "common/layout.h"
#include "common/number.h"
#include "common/twips.h"
#include "sound/sounds.h"

#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>

#include <optional>

namespace {

QLabel* label(QWidget* parent, const char* name, const QString& caption, int left, int top,
              int width, int height) {
    auto* l = placed(new QLabel(caption, parent), name, left, top, width, height);
    l->setTextFormat(Qt::PlainText);
    return l;
}

QGroupBox* frame(QWidget* parent, const char* name, const QString& caption) {
    return placed(new QGroupBox(caption, parent), name, 360, 2160, 3975, 1695);
}

QPushButton* button(QWidget* parent, const char* name, const QString& caption, int left, int top,
                    int width) {
    return placed(new QPushButton(caption, parent), name, left, top, width, 375);
}

} // namespace

frmgame::frmgame(Career* career, QWidget* parent) : QWidget(parent), session(career) {
    setupsidewindow(this, "frmgame", tr("Double Or Nothing!"));
    closeonescape(this);
    // A small title bar with only a close box, and no task-bar entry.
    setWindowFlags(Qt::Tool | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                   Qt::WindowCloseButtonHint);

    heading = label(this, "Label1", tr("Double Or nothing!"), 0, 0, 4695, 375);
    heading->setAlignment(Qt::AlignCenter);
    heading->setFont(arialfont(12, true));
    divider = placed(new QFrame(this), "Line1", QRect(0, twips(480), twips(4680), 1));
    divider->setFrameShape(QFrame::HLine);
    divider->setFrameShadow(QFrame::Plain);
    rules = label(
        this, "Label2",
        // clang-format off
        tr("To play, place a certain amount of sum of money as a bet to start, if you win, you will have 2 times the money. If you lost, try again. After each bet, you can claim your money or gamble again to see if you can double it! If you lost, well, too bad!"),
        // clang-format on
        0, 600, 4695, 1335);
    rules->setWordWrap(true);
    rules->setAlignment(Qt::AlignLeft | Qt::AlignTop);

    startframe = frame(this, "Frame1", tr("Start Gamble"));
    cashcaption = label(startframe, "Label3", tr("Your Cash:"), 120, 360, 1095, 255);
    cash = label(startframe, "cash", QString(), 1200, 360, 1575, 255);
    betcaption = label(startframe, "Label4", tr("Bet Amount:"), 120, 720, 1335, 255);
    betmoney = placed(new QComboBox(startframe), "betmoney", 1200, 720, 1575, 0);
    betmoney->resize(betmoney->width(), betmoney->sizeHint().height());
    betmoney->setAccessibleName(tr("Bet Amount"));
    play = button(startframe, "Command1", tr("Play!"), 480, 1200, 2775);

    gamblingframe = frame(this, "Frame2", tr("Gambling..."));
    sumcaption = label(gamblingframe, "Label5", tr("Current Sum:"), 120, 360, 1335, 255);
    winmoney = label(gamblingframe, "winmoney", QString(), 1440, 360, 2295, 255);
    claim = button(gamblingframe, "Command2", tr("Claim Money"), 240, 1080, 1455);
    continuebetting = button(gamblingframe, "Command3", tr("Continue Betting"), 1800, 1080, 1815);
    gamblingframe->hide();

    setFixedSize(twips(4770), twips(3990));

    connect(play, &QPushButton::clicked, this, &frmgame::play_Click);
    connect(claim, &QPushButton::clicked, this, &frmgame::claim_Click);
    connect(continuebetting, &QPushButton::clicked, this, &frmgame::continuebetting_Click);
}

// Both frames lie at the same place; exactly one shows.
void frmgame::showframe(QGroupBox* frame) {
    QGroupBox* other = frame == startframe ? gamblingframe : startframe;
    frame->show();
    other->hide();
}

void frmgame::starter() {
    showframe(startframe);
    betmoney->clear();
    betmoney->addItems({QStringLiteral("10"), QStringLiteral("20"), QStringLiteral("50")});
    betmoney->setCurrentIndex(-1);
    session.restart();
    cash->setText(generalnumber(session.cash()));
}

// Play: the stake leaves the player's money at once and becomes the current sum.
void frmgame::play_Click() {
    const QString bet = betmoney->currentText();
    if (bet.isEmpty())
        return;
    if (session.play(textnumber(bet)) == StakeOutcome::NotEnoughMoney) {
        msgbox(tr("You do not have enough money!"), MsgIcon::Error, tr("Error"));
        return;
    }
    cash->setText(generalnumber(session.cash()));
    showframe(gamblingframe);
    winmoney->setText(generalnumber(session.sum()));
}

// Claim Money: the current sum is paid in.
void frmgame::claim_Click() {
    if (session.claim() == ClaimOutcome::CannotHold) {
        msgbox(tr("You cannot hold that much money! Spend some, then claim it."),
               MsgIcon::Exclamation, tr("Double Or Nothing!"));
        return;
    }
    cash->setText(generalnumber(session.cash()));
    starter();
}

// Continue Betting: doubled or lost, with kinder odds for a poorer player.
void frmgame::continuebetting_Click() {
    switch (session.continuebetting()) {
    case BetOutcome::CannotGrow:
        msgbox(tr("Your sum cannot grow any bigger! Claim your money."), MsgIcon::Exclamation,
               tr("Double Or Nothing!"));
        return;
    case BetOutcome::Lost:
        playsound(Sound::GambleLost);
        msgbox(tr("You lost! All your bet money is gone!"), MsgIcon::Exclamation, tr("Too bad!"));
        starter();
        return;
    case BetOutcome::Doubled:
        break;
    }
    playsound(Sound::GambleWon);
    winmoney->setText(generalnumber(session.sum()));
}
