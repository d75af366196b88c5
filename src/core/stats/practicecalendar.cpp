#include "stats/practicecalendar.h"

#include "stats/statsexport.h"

#include "language/catalogues.h"

#include <QCoreApplication>

int goalshade(std::int64_t milliseconds, int goalminutes) {
    if (milliseconds <= 0)
        return 0;
    const std::int64_t goal = std::int64_t{std::max(goalminutes, 1)} * 60000;
    if (milliseconds >= goal)
        return goalshades - 1;
    // Below the goal here, so three times it stays far from any overflow.
    return 1 + static_cast<int>(3 * milliseconds / goal);
}

int PracticeCalendar::todayindex() const {
    for (qsizetype i = 0; i < days.size(); ++i)
        if (days[i].today)
            return static_cast<int>(i);
    return -1;
}

PracticeCalendar practicecalendar(const PracticeDays& days, const GoalHistory& goals,
                                  const PracticeStreak& streak, QDate today) {
    PracticeCalendar calendar;
    if (!today.isValid())
        return calendar;
    const QDate monday = today.addDays(1 - today.dayOfWeek());
    const QDate first = monday.addDays(-7 * (calendarweeks - 1));
    calendar.days.reserve(calendarweeks * 7);
    for (int i = 0; i < calendarweeks * 7; ++i) {
        CalendarDay day;
        day.date = first.addDays(i);
        day.tally = days.on(day.date);
        day.goal = goals.on(day.date);
        day.shade = goalshade(day.tally.milliseconds, day.goal);
        day.frozen = streak.frozen.contains(day.date);
        day.today = day.date == today;
        day.future = day.date > today;
        calendar.days.append(day);
    }
    return calendar;
}

QString calendardayname(const CalendarDay& day) {
    return shownlocale().toString(day.date, QStringLiteral("dddd d MMMM yyyy"));
}

QString calendardayfigures(const CalendarDay& day) {
    QString text;
    if (day.tally.milliseconds <= 0 && day.tally.charstyped <= 0)
        text = QCoreApplication::translate("PracticeCalendar", "nothing typed");
    else
        text =
            QCoreApplication::translate("PracticeCalendar", "%1 min typed, %2 WPM, %3 accurate")
                .arg(wholeminutes(day.tally.milliseconds))
                .arg(speedtext(wordsperminute(day.tally)), percenttext(accuracypercent(day.tally)));
    if (goalmet(day.tally, day.goal))
        text +=
            QCoreApplication::translate("PracticeCalendar", ", goal of %1 min met").arg(day.goal);
    else if (day.frozen)
        text +=
            QCoreApplication::translate("PracticeCalendar", ", a streak freeze kept the streak");
    if (day.today)
        text += QCoreApplication::translate("PracticeCalendar", " (today)");
    return text;
}

QString calendardaytext(const CalendarDay& day) {
    return QCoreApplication::translate("PracticeCalendar", "%1: %2")
        .arg(calendardayname(day), calendardayfigures(day));
}
