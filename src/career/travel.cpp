#include "career/career.h"
#include "career/form1.h"
#include "common/controls.h"
#include "common/dialogs.h"
#include "common/number.h"
#include "common/program.h"

void Form1::fly(Country country) {
    const FocusKeeper stay(this);
    const std::int32_t fare = countryfare(country);
    if (career->country() == country)
        return;
    if (career->money() < fare) {
        msgbox(QStringLiteral("Not enough money!"), MsgIcon::Error, QStringLiteral("Pok Kia!"));
        return;
    }
    if (msgbox(QStringLiteral("Are you sure you want to fly there?"), MsgIcon::Exclamation,
               QStringLiteral("Fly!"), MsgButtons::YesNo) != MsgResult::Yes)
        return;
    career->setmoney(addclamped(career->money(), -static_cast<std::int64_t>(fare)));
    clearcountries();
    datechange();
    if (programended())
        return;
    career->setcountry(country);
    updatelog(QLatin1String(countryinfo(country).arrival));
    updatestatus();
}
