#include "services/timemachine.h"

#include "common/number.h"

#include <QCoreApplication>

#include <cmath>
#include <optional>

double timetraveldays(const QString& answer) {
    const double days = textnumber(answer);
    return std::isfinite(timetravelprice(days)) ? days : 0;
}

double timetravelprice(double days) {
    return days * timetraveldayprice;
}

QString timetravelquestion(double price) {
    return QCoreApplication::translate("TimeMachine", "That will be $%1. Are you sure?")
        .arg(generalnumber(price));
}

TimeTravel timetravel(std::int32_t money, std::int32_t days, double traveldays) {
    const double price = timetravelprice(traveldays);
    if (money < price)
        return {TimeTravelOutcome::NotEnoughMoney, money, days};
    const std::optional<std::int32_t> newmoney = roundtofit<std::int32_t>(money - price);
    const std::optional<std::int32_t> newdays = roundtofit<std::int32_t>(days - traveldays);
    if (!newmoney || !newdays)
        return {TimeTravelOutcome::TooFar, money, days};
    return {TimeTravelOutcome::Done, *newmoney, *newdays};
}
