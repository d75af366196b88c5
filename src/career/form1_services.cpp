// The services menu: time machine, reward bag, cheats and the gamble's launcher.
#include "career/form1.h"

#include "common/controls.h"
#include "common/dialogs.h"
#include "common/sidewindow.h"
#include "services/cheats.h"
#include "services/frmgame.h"
#include "services/rewardbag.h"
#include "services/timemachine.h"

#include <QAction>

namespace {
const QString timemachinetitle = QStringLiteral("Time Machine");
const QString bagtitle = QStringLiteral("Mysterious Reward Bag");
const QString errortitle = QStringLiteral("Error");
} // namespace

void Form1::timmac_Click() {
    const double traveldays = timetraveldays(inputbox(
        QStringLiteral("How many days you want to travel back in time?"), timemachinetitle));
    if (msgbox(timetravelquestion(timetravelprice(traveldays)), MsgIcon::None, timemachinetitle,
               MsgButtons::YesNo) != MsgResult::Yes)
        return;
    const TimeTravel trip = timetravel(money, days, traveldays);
    switch (trip.outcome) {
    case TimeTravelOutcome::NotEnoughMoney:
        msgbox(QStringLiteral("You do not have enough money!"), MsgIcon::Error, errortitle);
        return;
    case TimeTravelOutcome::TooFar:
        msgbox(QStringLiteral("The time machine cannot take you that far!"), MsgIcon::Error,
               errortitle);
        return;
    case TimeTravelOutcome::Done:
        break;
    }
    money = trip.money;
    days = trip.days;
    updatestatus();
}

// Once a day; a change of the day count brings it back.
void Form1::ll_Click() {
    ll->setEnabled(false);
    msgbox(QStringLiteral("Drawing Mysterious Reward bag..."), MsgIcon::Exclamation, bagtitle);
    const BagLot& lot = baglot(drawrewardbag(state()));
    msgbox(QLatin1String(lot.message), MsgIcon::Information, bagtitle);
    // The draw only gives a lot that can happen to this career.
    const std::optional<CareerState> after = openbag(lot, state());
    if (lot.change == BagChange::None || !after)
        return;
    money = after->money;
    days = after->days;
    training = after->training;
    updatestatus();
}

void Form1::cheater_Click() {
    const QString answer = inputbox(QStringLiteral("Enter cheat:"), QStringLiteral("Cheat?"));
    if (const std::optional<CareerState> after = cheated(answer, state())) {
        rank = after->rank;
        money = after->money;
        days = after->days;
    } else {
        msgbox(QStringLiteral("No such cheat!"), MsgIcon::Error, errortitle);
    }
    updatestatus();
}

void Form1::command5_Click() {
    frmgame* game = sidewindow(gamewindow, this);
    game->starter();
    showtofront(game);
}
