#pragma once

#include "stats/practicecalendar.h"
#include "stats/practicestreak.h"
#include "stats/statsfile.h"

#include <QList>
#include <QObject>
#include <QPointer>
#include <QTimer>

#include <memory>

class QThread;
class StatsRecorder;
struct ReadDays;

// Today's practice against the goal, the streak and the calendar, as every window that shows
// them sees them: from the records of "stats.dat" (of every career), the records that end while
// the window is open, the goals kept in "practicegoal.dat", and the player's clock, which it
// looks at twice a minute so the day rolls over at 04:00 while the game is open.
class DailyPractice : public QObject {
    Q_OBJECT
public:
    explicit DailyPractice(QObject* parent = nullptr);

    // Reads "stats.dat" away from the calling thread; `changed` tells when it is in hand.
    void load();
    void finishloading();
    bool loading() const { return reading != nullptr; }
    // The days a window read for itself (the statistics, which read every record anyway), or
    // those read with the coach's statistics, records that ended meanwhile included: expect()
    // them, and until then a record that ends is left to them.
    void expect() { waiting = true; }
    void take(PracticeDays read, const QString& trouble = QString());
    // Where every exercise, race and drill that ends comes from.
    void setrecorder(StatsRecorder* recorder);
    void add(const TypingRecord& record);

    QDate today() const { return day; }
    int goal() const { return goals.on(day); }
    // Keeps the goal from today on and tells the other windows.
    void setgoal(int minutes);
    std::int64_t todaymilliseconds() const { return days.on(day).milliseconds; }
    const PracticeStreak& streak() const { return worked; }
    PracticeCalendar calendar() const { return practicecalendar(days, goals, worked, day); }
    // Why stats.dat or practicegoal.dat could not be read or written; empty when all is well.
    QString trouble() const;
    // Looks at the clock: a new practice day shows at once, a clock set back as well.
    void lookatclock();

signals:
    void changed();
    // A record that ended made today's practice reach the goal.
    void goalreached(int minutes);

private:
    void takeupread();
    void rework();

    PracticeDays days;
    GoalHistory goals;
    QDate day;
    PracticeStreak worked;
    QString statstrouble;
    QString goaltrouble;
    bool goalunkept = false; // practicegoal.dat could not be read: it is left alone
    QPointer<StatsRecorder> recorder;
    QPointer<QThread> worker;
    std::shared_ptr<ReadDays> reading;
    QList<TypingRecord> arrived; // while the file was read
    bool waiting = false;        // for days that will hold what ends meanwhile
    QTimer clockwatch;
};

// "Today: 6 of 10 min": today's practice as the coach and practice show it.
QString todaytext(std::int64_t milliseconds, int goalminutes);
