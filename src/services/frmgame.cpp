#include "services/frmgame.h"

#include "career/career.h"
#include "common/controls.h"
#include "common/dialogs.h"
#include "common/layout.h"
#include "common/number.h"
#include "common/twips.h"
#include "services/gamble.h"

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

double amount(const QLabel* l) {
    return textnumber(l->text());
}

QString moneytext(const Career* career) {
    return QString::number(career->shown().money);
}

} // namespace

frmgame::frmgame(Career* career, QWidget* parent) : QWidget(parent), career(career) {
    setupsidewindow(this, "frmgame", QStringLiteral("Double Or Nothing!"));
    closeonescape(this);
    // A small title bar with only a close box, and no task-bar entry.
    setWindowFlags(Qt::Tool | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                   Qt::WindowCloseButtonHint);

    Label1 = label(this, "Label1", QStringLiteral("Double Or nothing!"), 0, 0, 4695, 375);
    Label1->setAlignment(Qt::AlignCenter);
    Label1->setFont(arialfont(12, true));
    Line1 = placed(new QFrame(this), "Line1", QRect(0, twips(480), twips(4680), 1));
    Line1->setFrameShape(QFrame::HLine);
    Line1->setFrameShadow(QFrame::Plain);
    Label2 = label(
        this, "Label2",
        // clang-format off
        QStringLiteral("To play, place a certain amount of sum of money as a bet to start, if you win, you will have 2 times the money. If you lost, try again. After each bet, you can claim your money or gamble again to see if you can double it! If you lost, well, too bad!"),
        // clang-format on
        0, 600, 4695, 1335);
    Label2->setWordWrap(true);
    Label2->setAlignment(Qt::AlignLeft | Qt::AlignTop);

    Frame1 = frame(this, "Frame1", QStringLiteral("Start Gamble"));
    Label3 = label(Frame1, "Label3", QStringLiteral("Your Cash:"), 120, 360, 1095, 255);
    cash = label(Frame1, "cash", QString(), 1200, 360, 1575, 255);
    Label4 = label(Frame1, "Label4", QStringLiteral("Bet Amount:"), 120, 720, 1335, 255);
    betmoney = placed(new QComboBox(Frame1), "betmoney", 1200, 720, 1575, 0);
    betmoney->resize(betmoney->width(), betmoney->sizeHint().height());
    betmoney->setAccessibleName(QStringLiteral("Bet Amount"));
    Command1 = button(Frame1, "Command1", QStringLiteral("Play!"), 480, 1200, 2775);

    Frame2 = frame(this, "Frame2", QStringLiteral("Gambling..."));
    Label5 = label(Frame2, "Label5", QStringLiteral("Current Sum:"), 120, 360, 1335, 255);
    winmoney = label(Frame2, "winmoney", QString(), 1440, 360, 2295, 255);
    Command2 = button(Frame2, "Command2", QStringLiteral("Claim Money"), 240, 1080, 1455);
    Command3 = button(Frame2, "Command3", QStringLiteral("Continue Betting"), 1800, 1080, 1815);
    Frame2->hide();

    setFixedSize(twips(4770), twips(3990));

    connect(Command1, &QPushButton::clicked, this, &frmgame::Command1_Click);
    connect(Command2, &QPushButton::clicked, this, &frmgame::Command2_Click);
    connect(Command3, &QPushButton::clicked, this, &frmgame::Command3_Click);
}

// Both frames lie at the same place; exactly one shows.
void frmgame::showframe(QGroupBox* frame) {
    QGroupBox* other = frame == Frame1 ? Frame2 : Frame1;
    frame->show();
    other->hide();
}

void frmgame::starter() {
    showframe(Frame1);
    betmoney->clear();
    betmoney->addItems({QStringLiteral("10"), QStringLiteral("20"), QStringLiteral("50")});
    betmoney->setCurrentIndex(-1);
    if (career)
        cash->setText(moneytext(career));
}

// Play: the stake leaves the player's money at once and becomes the current sum.
void frmgame::Command1_Click() {
    const QString bet = betmoney->currentText();
    if (bet.isEmpty() || !career)
        return;
    const std::optional<double> left =
        afterstake(career->shown().money, textnumber(bet), amount(cash));
    if (!left) {
        msgbox(QStringLiteral("You do not have enough money!"), MsgIcon::Error,
               QStringLiteral("Error"));
        return;
    }
    career->changemoney(roundtoint<qint32>(*left));
    cash->setText(moneytext(career));
    showframe(Frame2);
    winmoney->setText(bet);
}

// Claim Money: the current sum is paid in.
void frmgame::Command2_Click() {
    if (!career)
        return;
    const std::optional<double> after = afterclaim(career->shown().money, amount(winmoney));
    if (!after) {
        msgbox(QStringLiteral("You cannot hold that much money! Spend some, then claim it."),
               MsgIcon::Exclamation, QStringLiteral("Double Or Nothing!"));
        return;
    }
    career->changemoney(roundtoint<qint32>(*after));
    cash->setText(moneytext(career));
    starter();
}

// Continue Betting: doubled or lost, with kinder odds for a poorer player.
void frmgame::Command3_Click() {
    if (!career)
        return;
    const double outside = career->shown().money;
    const std::optional<double> doubled = doubledsum(outside, amount(winmoney));
    if (!doubled) {
        msgbox(QStringLiteral("Your sum cannot grow any bigger! Claim your money."),
               MsgIcon::Exclamation, QStringLiteral("Double Or Nothing!"));
        return;
    }
    if (drawgamblelost(outside)) {
        msgbox(QStringLiteral("You lost! All your bet money is gone!"), MsgIcon::Exclamation,
               QStringLiteral("Too bad!"));
        starter();
        return;
    }
    winmoney->setText(generalnumber(*doubled));
}
