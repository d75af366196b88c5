#pragma once

#include <QString>

#include <cstdint>

// The time machine sells days back at a fixed price per day.
inline constexpr double timetraveldayprice = 750;

// The days asked for: the number at the start of the answer, 0 when there is none. A number
// too large to price is no number either.
double timetraveldays(const QString& answer);

double timetravelprice(double days);

// The Yes/No question with the price.
QString timetravelquestion(double price);

enum class TimeTravelOutcome { Done, NotEnoughMoney, TooFar };

struct TimeTravel {
    TimeTravelOutcome outcome = TimeTravelOutcome::Done;
    std::int32_t money = 0;
    std::int32_t days = 0;
};

// The trip paid for, each result rounded half to even; refused when the money is short or a
// result would leave the 32-bit range.
TimeTravel timetravel(std::int32_t money, std::int32_t days, double traveldays);
