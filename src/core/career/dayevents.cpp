#include "career/dayevents.h"

#include "common/clock.h"
#include "common/random.h"

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
        return {{QStringLiteral("Another day past...")}, 0};
    case 2:
        return {{QStringLiteral("A peaceful and boring day...")}, 0};
    case 3:
        return {{QStringLiteral("Someone bumped into you on the street!"),
                 QStringLiteral("You discovered that $") + x + QStringLiteral(" is stolen!")},
                -amount};
    case 4:
        return {
            {QStringLiteral("You heard a rumour there will be a competition held in Singapore...")},
            0};
    case 5:
        return {
            {QStringLiteral("You heard a rumour there will be a competition held in Malaysia...")},
            0};
    case 6:
        return {{QStringLiteral("You heard a rumour there will be a competition held in China...")},
                0};
    case 7:
        return {
            {QStringLiteral("You heard a rumour there will be a competition held in America...")},
            0};
    case 8:
        return {{QStringLiteral("You heard a rumour there will be a competition held in Japan...")},
                0};
    case 9:
        return {{QStringLiteral("A nice but wonderful boring day...")}, 0};
    case 10:
        return {{QStringLiteral("You found a pizza on the ground and stupidly ate it."),
                 QStringLiteral("Therefore, you suffered from food poisoning and pays the"),
                 QStringLiteral("doctor $") + x + QStringLiteral("!")},
                -amount};
    case 11:
        return {{QStringLiteral("While walking along the street kicking pebbles, you found"),
                 QStringLiteral("$") + x + QStringLiteral(" under one of it!")},
                amount};
    case 12:
        return {{QStringLiteral("A boring an lame day...")}, 0};
    case 13:
        return {{QStringLiteral("You found $") + x + QStringLiteral(" while siting on a bus.")},
                amount};
    case 14:
        return {{QStringLiteral("A man on the bus burnt your $") + x +
                     QStringLiteral(" T-shirt with his cigratte."),
                 QStringLiteral("You have no choice but to buy a new one...")},
                -amount};
    default:
        return {};
    }
}
