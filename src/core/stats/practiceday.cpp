#include "stats/practiceday.h"

#include "stats/statsfile.h"

QDate practiceday(QDate date, QTime time) {
    return time.hour() < practicedaybegins ? date.addDays(-1) : date;
}

QDate practiceday(const QDateTime& local) {
    return practiceday(local.date(), local.time());
}

std::int64_t wholeminutes(std::int64_t milliseconds) {
    return milliseconds > 0 ? milliseconds / 60000 : 0;
}

void PracticeDays::add(QDate date, QTime time, const TypingTally& tally) {
    const QDate day = practiceday(date, time);
    if (day.isValid())
        bydays[day].add(tally);
}

void PracticeDays::add(const StatsLine& line) {
    add(line.day, line.time, line.tally);
}

void PracticeDays::add(const TypingRecord& record) {
    add(record.ended.date(), record.ended.time(), record.counts.tally);
}

void PracticeDays::add(const PracticeDays& other) {
    for (auto it = other.bydays.cbegin(); it != other.bydays.cend(); ++it)
        bydays[it.key()].add(it.value());
}
