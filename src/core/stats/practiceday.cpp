#include "stats/practiceday.h"

#include "common/bytelines.h"
#include "common/filereading.h"
#include "common/mappedfile.h"
#include "stats/statsbook.h"
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

PracticeDays readpracticedays(QByteArrayView bytes) {
    PracticeDays days;
    StatsLine line;
    QByteArrayView text;
    while (nextline(bytes, text))
        if (splitstatsline(text, line))
            days.add(line);
    return days;
}

PracticeDays practicedays(const StatsBook& book) {
    PracticeDays days;
    for (const StatsRow& row : book.rows())
        days.add(row.day, row.time, row.tally);
    return days;
}

PracticeDays loadpracticedays(const QString& folder, qint64 upto, QString& trouble) {
    MappedFile mapped;
    const FileRead read = mapfile(folder + statsfilename, largeststats, mapped);
    trouble = read.ok() || read.missing() ? QString() : read.message(statsfilename);
    if (!read.ok())
        return {};
    QByteArrayView bytes = mapped.bytes();
    if (upto >= 0 && upto < bytes.size())
        bytes = bytes.first(upto);
    return readpracticedays(endedlines(bytes));
}
