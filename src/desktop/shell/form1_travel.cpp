// Flying between countries, from the Country menu or the "Fly away" button.
#include "career/career.h"
#include "common/controls.h"
#include "common/dialogs.h"
#include "shell/form1.h"

void Form1::fly(Country country) {
    const FocusKeeper stay(this);
    switch (career->mayfly(country)) {
    case FlightCheck::AlreadyThere:
        return;
    case FlightCheck::NotEnoughMoney:
        msgbox(tr("Not enough money!"), MsgIcon::Error, tr("Pok Kia!"));
        return;
    case FlightCheck::MayFly:
        break;
    }
    if (msgbox(tr("Are you sure you want to fly there?"), MsgIcon::Exclamation, tr("Fly!"),
               MsgButtons::YesNo) != MsgResult::Yes)
        return;
    career->fly(country);
}
