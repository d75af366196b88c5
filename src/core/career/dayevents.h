#pragma once

#include <QStringList>

#include <cstdint>

// One of the fourteen things that can happen on a day.
struct DayEvent {
    QStringList entries;
    std::int32_t moneychange = 0;
};

inline constexpr int dayeventcount = 14;

// Draws the day's event number, 1 to 14, seeding from the clock before each draw. The pizza
// and the burnt T-shirt need money to take, so with none they are drawn again.
int drawdayevent(std::int32_t money);

// Whether the event moves money, and so draws an amount.
bool eventtakesamount(int event);

// The amount of a money event: 1 to a tenth of the money, rounded up; 1 at no money.
std::int32_t eventamount(std::int32_t money, double draw);

// The log entries and the money change of an event.
DayEvent dayevent(int event, std::int32_t amount);
