#pragma once

#include "stats/practicestreak.h"

#include <QList>
#include <QString>

// The calendar of practice: the last 53 weeks, a column a week from Monday to Sunday, the oldest
// first, up to the week that holds today.
inline constexpr int calendarweeks = 53;

// How much of its goal a day met, in five steps: 0 nothing typed, 1 under a third, 2 under two
// thirds, 3 under the whole, 4 met.
inline constexpr int goalshades = 5;
int goalshade(std::int64_t milliseconds, int goalminutes);

struct CalendarDay {
    QDate date;
    TypingTally tally;
    int goal = firstgoal;
    int shade = 0;
    bool frozen = false; // missed, and a freeze kept the streak
    bool today = false;
    bool future = false; // after today: not shown
};

struct PracticeCalendar {
    // calendarweeks * 7 days, week by week, each from Monday.
    QList<CalendarDay> days;
    const CalendarDay& at(int week, int weekday) const { return days[week * 7 + weekday]; }
    // Where today is; -1 when nothing is shown.
    int todayindex() const;
};

PracticeCalendar practicecalendar(const PracticeDays& days, const GoalHistory& goals,
                                  const PracticeStreak& streak, QDate today);

// What a day says to the player, in its tooltip and to a screen reader: its name "Tuesday 8
// December 2026", its figures "12 min typed, 41.5 WPM, 96 % accurate, goal of 10 min met", and
// both together, the name first.
QString calendardayname(const CalendarDay& day);
QString calendardayfigures(const CalendarDay& day);
QString calendardaytext(const CalendarDay& day);
