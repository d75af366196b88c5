#pragma once

#include "stats/keystrokes.h"

#include <QByteArrayView>
#include <QDate>
#include <QDateTime>
#include <QMap>
#include <QString>
#include <QTime>

struct StatsLine;
struct TypingRecord;

// A practice day runs from 04:00 to 04:00 on the player's own clock, so a night owl's 00:30
// exercise counts for the day before. It is worked out from the date and time as the clock read
// them, never through a time zone: a daylight-saving change or a flight gives each record the
// day its own clock gave it, and no day is counted twice.
inline constexpr int practicedaybegins = 4; // o'clock
QDate practiceday(QDate date, QTime time);
QDate practiceday(const QDateTime& local);

// Whole minutes of typing, as the player is told them: "6 of 10 min" is 6 only once 6 are whole.
std::int64_t wholeminutes(std::int64_t milliseconds);

// What the records of each practice day add up to, of every career: the typing time (pauses
// left out) and the counts of speed and accuracy, by day.
class PracticeDays {
public:
    void add(QDate date, QTime time, const TypingTally& tally);
    void add(const StatsLine& line);
    void add(const TypingRecord& record);
    void add(const PracticeDays& other);
    TypingTally on(QDate day) const { return bydays.value(day); }
    const QMap<QDate, TypingTally>& days() const { return bydays; }
    bool isEmpty() const { return bydays.isEmpty(); }

private:
    QMap<QDate, TypingTally> bydays;
};
