#include "career/dayevents.h"

#include "common/clock.h"
#include "common/random.h"

#include <QCoreApplication>

#include <cmath>

int drawdayevent(std::int32_t money) {
    for (;;) {
        randomize(timeofday());
        const int event = static_cast<int>(rnd() * dayeventcount) + 1;
        // Reseeding mixes into the generator, so a standing clock still gives fresh draws.
        if (money != 0 || (event != 10 && event != 14))
            return event;
    }
}

bool eventtakesamount(int event) {
    return event == 3 || event == 10 || event == 11 || event == 13 || event == 14;
}

std::int32_t eventamount(std::int32_t money, double draw) {
    return static_cast<std::int32_t>(std::floor(draw * money / 10.0)) + 1;
}

DayEvent dayevent(int event, std::int32_t amount) {
    const QString x = QString::number(amount);
    switch (event) {
    case 1:
        return {{QCoreApplication::translate("DayEvents", "Another day past...")}, 0};
    case 2:
        return {{QCoreApplication::translate("DayEvents", "A peaceful and boring day...")}, 0};
    case 3:
        return {
            {QCoreApplication::translate("DayEvents", "Someone bumped into you on the street!"),
             QCoreApplication::translate("DayEvents", "You discovered that $%1 is stolen!").arg(x)},
            -amount};
    case 4:
        return {{QCoreApplication::translate(
                    "DayEvents",
                    "You heard a rumour there will be a competition held in Singapore...")},
                0};
    case 5:
        return {
            {QCoreApplication::translate(
                "DayEvents", "You heard a rumour there will be a competition held in Malaysia...")},
            0};
    case 6:
        return {
            {QCoreApplication::translate(
                "DayEvents", "You heard a rumour there will be a competition held in China...")},
            0};
    case 7:
        return {
            {QCoreApplication::translate(
                "DayEvents", "You heard a rumour there will be a competition held in America...")},
            0};
    case 8:
        return {
            {QCoreApplication::translate(
                "DayEvents", "You heard a rumour there will be a competition held in Japan...")},
            0};
    case 9:
        return {{QCoreApplication::translate("DayEvents", "A nice but wonderful boring day...")},
                0};
    case 10:
        return {{QCoreApplication::translate(
                     "DayEvents", "You found a pizza on the ground and stupidly ate it."),
                 QCoreApplication::translate(
                     "DayEvents", "Therefore, you suffered from food poisoning and pays the"),
                 QCoreApplication::translate("DayEvents", "doctor $%1!").arg(x)},
                -amount};
    case 11:
        return {{QCoreApplication::translate(
                     "DayEvents", "While walking along the street kicking pebbles, you found"),
                 QCoreApplication::translate("DayEvents", "$%1 under one of it!").arg(x)},
                amount};
    case 12:
        return {{QCoreApplication::translate("DayEvents", "A boring an lame day...")}, 0};
    case 13:
        return {{QCoreApplication::translate("DayEvents", "You found $%1 while siting on a bus.")
                     .arg(x)},
                amount};
    case 14:
        return {{QCoreApplication::translate(
                     "DayEvents", "A man on the bus burnt your $%1 T-shirt with his cigratte.")
                     .arg(x),
                 QCoreApplication::translate("DayEvents",
                                             "You have no choice but to buy a new one...")},
                -amount};
    default:
        return {};
    }
}
