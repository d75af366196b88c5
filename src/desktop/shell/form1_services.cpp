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

void Form1::usetimemachine() {
    const QString timemachinetitle = tr("Time Machine");
    const double traveldays = timetraveldays(
        inputbox(tr("How many days you want to travel back in time?"), timemachinetitle));
    if (msgbox(timetravelquestion(timetravelprice(traveldays)), MsgIcon::None, timemachinetitle,
               MsgButtons::YesNo) != MsgResult::Yes)
        return;
    switch (career->timetravel(traveldays)) {
    case TimeTravelOutcome::NotEnoughMoney:
        msgbox(tr("You do not have enough money!"), MsgIcon::Error, tr("Error"));
        return;
    case TimeTravelOutcome::TooFar:
        msgbox(tr("The time machine cannot take you that far!"), MsgIcon::Error, tr("Error"));
        return;
    case TimeTravelOutcome::Done:
        break;
    }
}

// Once a day; a change of the day count brings it back.
void Form1::openrewardbag() {
    career->use(Activity::RewardBag);
    const QString bagtitle = tr("Mysterious Reward Bag");
    msgbox(tr("Drawing Mysterious Reward bag..."), MsgIcon::Exclamation, bagtitle);
    const BagLot& lot = baglot(drawrewardbag(career->state()));
    if (const std::optional<Sound> sound = bagsound(lot))
        playsound(*sound);
    msgbox(bagmessage(lot), MsgIcon::Information, bagtitle);
    career->openbag(lot);
}

void Form1::entercheat() {
    const QString answer = inputbox(tr("Enter cheat:"), tr("Cheat?"));
    if (!career->cheat(answer))
        msgbox(tr("No such cheat!"), MsgIcon::Error, tr("Error"));
}

void Form1::playdoubleornothing() {
    frmgame* game = sidewindow(gamewindow, this, career);
    game->starter();
    showtofront(game);
}
