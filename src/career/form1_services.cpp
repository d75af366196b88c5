// The services menu: time machine, reward bag, cheats and the gamble's launcher.
#include "career/career.h"
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

void Form1::usetimemachine() {
    const double traveldays = timetraveldays(inputbox(
        QStringLiteral("How many days you want to travel back in time?"), timemachinetitle));
    if (msgbox(timetravelquestion(timetravelprice(traveldays)), MsgIcon::None, timemachinetitle,
               MsgButtons::YesNo) != MsgResult::Yes)
        return;
    const TimeTravel trip = timetravel(career->money(), career->days(), traveldays);
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
    career->setmoney(trip.money);
    career->setdays(trip.days);
    updatestatus();
}

// Once a day; a change of the day count brings it back.
void Form1::openrewardbag() {
    career->use(Activity::RewardBag);
    msgbox(QStringLiteral("Drawing Mysterious Reward bag..."), MsgIcon::Exclamation, bagtitle);
    const BagLot& lot = baglot(drawrewardbag(career->state()));
    msgbox(QLatin1String(lot.message), MsgIcon::Information, bagtitle);
    // The draw only gives a lot that can happen to this career.
    const std::optional<CareerState> after = openbag(lot, career->state());
    if (lot.change == BagChange::None || !after)
        return;
    career->setmoney(after->money);
    career->setdays(after->days);
    career->settraining(after->training);
    updatestatus();
}

void Form1::entercheat() {
    const QString answer = inputbox(QStringLiteral("Enter cheat:"), QStringLiteral("Cheat?"));
    if (const std::optional<CareerState> after = cheated(answer, career->state())) {
        career->setrank(after->rank);
        career->setmoney(after->money);
        career->setdays(after->days);
    } else {
        msgbox(QStringLiteral("No such cheat!"), MsgIcon::Error, errortitle);
    }
    updatestatus();
}

void Form1::playdoubleornothing() {
    frmgame* game = sidewindow(gamewindow, this, career);
    game->starter();
    showtofront(game);
}
