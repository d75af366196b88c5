// A day of the career: Next Day and the flights between countries.
#include "career/career.h"
#include "career/dayevents.h"
#include "common/number.h"
#include "common/random.h"
#include "sound/sounds.h"

DayOutcome Career::datechange() {
    const CareerState now = state();
    const std::int32_t limit = daylimit(now.rank);
    if (now.days >= limit)
        return DayOutcome::TimeUp;
    appendlog(QStringLiteral("\r\n\r\n\r\n"));
    setdays(addclamped(now.days, 1));
    const int event = drawdayevent(now.money);
    const std::int32_t amount = eventtakesamount(event) ? eventamount(now.money, rnd()) : 0;
    const DayEvent happened = dayevent(event, amount);
    for (const QString& entry : happened.entries)
        updatelog(entry);
    setmoney(addclamped(now.money, happened.moneychange));
    if (happened.moneychange != 0)
        playsound(happened.moneychange > 0 ? Sound::MoneyFound : Sound::MoneyLost);
    if (days() == limit - 1)
        updatelog(tr("Your game will end tommorrow."));
    return DayOutcome::Passed;
}

DayOutcome Career::nextday() {
    if (datechange() == DayOutcome::TimeUp) {
        emit daysranout();
        return DayOutcome::TimeUp;
    }
    updatestatus();
    return DayOutcome::Passed;
}

FlightCheck Career::mayfly(Country country) const {
    if (where == country)
        return FlightCheck::AlreadyThere;
    if (money() < countryfare(country))
        return FlightCheck::NotEnoughMoney;
    return FlightCheck::MayFly;
}

DayOutcome Career::fly(Country country) {
    setmoney(addclamped(money(), -static_cast<std::int64_t>(countryfare(country))));
    clearcountries();
    if (datechange() == DayOutcome::TimeUp) {
        emit daysranout();
        return DayOutcome::TimeUp;
    }
    setcountry(country);
    updatelog(countryarrival(country));
    updatestatus();
    return DayOutcome::Passed;
}
