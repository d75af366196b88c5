// The services menu: time machine, reward bag, cheats and the gamble's launcher.
#include "career/career.h"
#include "shell/form1.h"

#include "common/controls.h"
#include "common/dialogs.h"
#include "common/sidewindow.h"
#include "services/frmgame.h"
#include "services/rewardbag.h"
#include "services/timemachine.h"
#include "sound/sounds.h"

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
    switch (career->timetravel(traveldays)) {
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
}

// Once a day; a change of the day count brings it back.
void Form1::openrewardbag() {
    career->use(Activity::RewardBag);
    msgbox(QStringLiteral("Drawing Mysterious Reward bag..."), MsgIcon::Exclamation, bagtitle);
    const BagLot& lot = baglot(drawrewardbag(career->state()));
    if (const std::optional<Sound> sound = bagsound(lot))
        playsound(*sound);
    msgbox(QLatin1String(lot.message), MsgIcon::Information, bagtitle);
    career->openbag(lot);
}

void Form1::entercheat() {
    const QString answer = inputbox(QStringLiteral("Enter cheat:"), QStringLiteral("Cheat?"));
    if (!career->cheat(answer))
        msgbox(QStringLiteral("No such cheat!"), MsgIcon::Error, errortitle);
}

void Form1::playdoubleornothing() {
    frmgame* game = sidewindow(gamewindow, this, career);
    game->starter();
    showtofront(game);
}
