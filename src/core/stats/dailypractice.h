#pragma once

#include "stats/practicecalendar.h"
#include "stats/practicestreak.h"
#include "stats/typinghistory.h"

#include <QObject>
#include <QPointer>
#include <QTimer>

// Today's practice against the goal, the streak and the calendar, as every window that shows
// them sees them: from the typing history (of every career), the goals kept in
// "practicegoal.dat", and the player's clock, which it looks at twice a minute so the day rolls
// over at 04:00 while the game is open.
class DailyPractice : public QObject {
    Q_OBJECT
public:
    // Follows the typing history of the program folder in use.
    explicit DailyPractice(QObject* parent = nullptr);
    // The one every window shows.
    static DailyPractice* shared();

    // Has the typing history read, if it is not yet; `changed` tells when it is in hand.
    void load();
    void finishloading();
    bool loading() const;

    QDate today() const { return day; }
    int goal() const { return goals.on(day); }
    // Keeps the goal from today on and tells the other windows.
    void setgoal(int minutes);
    std::int64_t todaymilliseconds() const;
    const PracticeStreak& streak() const { return worked; }
    PracticeCalendar calendar() const;
    // Why stats.dat or practicegoal.dat could not be read or written; empty when all is well.
    QString trouble() const;
    // Looks at the clock: a new practice day shows at once, a clock set back as well.
    void lookatclock();

signals:
    void changed();
    // A record that ended made today's practice reach the goal.
    void goalreached(int minutes);

private:
    void added();
    void rework();
    const PracticeDays& days() const;

    QPointer<TypingHistory> history;
    GoalHistory goals;
    QDate day;
    PracticeStreak worked;
    bool todaymet = false; // today's practice met its goal, as last worked out
    QString goaltrouble;
    bool goalunkept = false; // practicegoal.dat could not be read: it is left alone
    QTimer clockwatch;
};

// "Today: 6 of 10 min": today's practice as the coach and practice show it.
QString todaytext(std::int64_t milliseconds, int goalminutes);
