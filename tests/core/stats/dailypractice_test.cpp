#include "stats/dailypractice.h"
#include "stats/statsrecorder.h"
#include "support/fakes.h"

#include <QDir>
#include <QSignalSpy>
#include <QTest>
#include <QTimeZone>

namespace {

// A date and time as a clock reads them, kept in UTC so no zone of the machine moves them.
QDateTime at(const QString& text) {
    return QDateTime(QDate::fromString(text.left(10), Qt::ISODate),
                     QTime::fromString(text.mid(11), QStringLiteral("HH:mm")), Qt::UTC);
}

QDate day(const QString& text) {
    return QDate::fromString(text, QStringLiteral("yyyy-MM-dd"));
}

// "2026-12-08 13:30 12": a record that ended then, as its clock read it, of 12 minutes' typing.
PracticeDays practice(const QStringList& records) {
    PracticeDays days;
    for (const QString& record : records) {
        const QStringList p = record.split(QLatin1Char(' '));
        TypingTally tally;
        tally.milliseconds = p[2].toLongLong() * 60000;
        tally.charsmatched = tally.charstyped = p[2].toLongLong() * 150; // 30 WPM
        const QDateTime ended = at(p[0] + QLatin1Char(' ') + p[1]);
        days.add(ended.date(), ended.time(), tally);
    }
    return days;
}

TypingRecord minutes(const QString& ended, int typed) {
    TypingRecord r;
    r.ended = at(ended);
    r.activity = QStringLiteral("Practice");
    r.result = QStringLiteral("Completed");
    r.counts.tally = {std::int64_t{typed} * 60000, 1, 5, 5, 0, 0};
    return r;
}

} // namespace

class DailyPracticeTest : public QObject {
    Q_OBJECT
private slots:
    void dayboundary_data();
    void dayboundary();
    void streak_data();
    void streak();
    void goals_data();
    void goals();
    void calendar();
    void todayandthegoal();
};

void DailyPracticeTest::dayboundary_data() {
    QTest::addColumn<QString>("zone");
    QTest::addColumn<QString>("instant"); // UTC
    QTest::addColumn<QString>("day");
    // clang-format off
    QTest::newRow("03:59 is the day before")     << "UTC"              << "2026-12-08 03:59" << "2026-12-07";
    QTest::newRow("04:00 begins the day")        << "UTC"              << "2026-12-08 04:00" << "2026-12-08";
    QTest::newRow("a night owl's 00:30")         << "Asia/Tokyo"       << "2026-12-07 15:30" << "2026-12-07";
    QTest::newRow("New York's evening")          << "America/New_York" << "2026-12-09 02:00" << "2026-12-08";
    // Clocks go from 02:00 to 03:00: 03:30 still belongs to the night before, 04:00 does not.
    QTest::newRow("spring forward, 01:59")       << "Europe/Berlin"    << "2026-03-29 00:59" << "2026-03-28";
    QTest::newRow("spring forward, 03:30")       << "Europe/Berlin"    << "2026-03-29 01:30" << "2026-03-28";
    QTest::newRow("spring forward, 04:00")       << "Europe/Berlin"    << "2026-03-29 02:00" << "2026-03-29";
    // 02:30 comes twice, both times in the same night.
    QTest::newRow("fall back, first 02:30")      << "Europe/Berlin"    << "2026-10-25 00:30" << "2026-10-24";
    QTest::newRow("fall back, second 02:30")     << "Europe/Berlin"    << "2026-10-25 01:30" << "2026-10-24";
    QTest::newRow("fall back, 04:00")            << "Europe/Berlin"    << "2026-10-25 03:00" << "2026-10-25";
    // clang-format on
}

// The day is read off the clock as it stood in the player's zone, whatever zone the machine is in.
void DailyPracticeTest::dayboundary() {
    QFETCH(QString, zone);
    QFETCH(QString, instant);
    const QTimeZone tz(zone.toUtf8());
    QVERIFY(tz.isValid());
    const QDateTime local = at(instant).toTimeZone(tz);
    QTEST(practiceday(local.date(), local.time()).toString(Qt::ISODate), "day");
}

void DailyPracticeTest::streak_data() {
    QTest::addColumn<QStringList>("records"); // as their clocks read: date, time, minutes
    QTest::addColumn<QStringList>("goals");   // set on a day: date, minutes
    QTest::addColumn<QString>("today");       // the clock now
    QTest::addColumn<QList<int>>("streak");   // current, best, freezes held
    QTest::addColumn<QStringList>("frozen");
    auto days = [](const QString& first, int count, int minutes = 10) {
        QStringList out;
        for (int i = 0; i < count; ++i)
            out << day(first).addDays(i).toString(Qt::ISODate) + QStringLiteral(" 12:00 ") +
                       QString::number(minutes);
        return out;
    };
    using S = QList<int>;
    const QStringList none;
    // clang-format off
    QTest::newRow("nothing typed") << none << none << "2026-12-08 12:00" << S{0, 0, 0} << none;
    QTest::newRow("today not met yet stands at yesterday's") << days("2026-12-05", 3) + QStringList{"2026-12-08 09:00 5"} << none << "2026-12-08 12:00" << S{3, 3, 0} << none;
    QTest::newRow("today met counts") << days("2026-12-05", 4) << none << "2026-12-08 12:00" << S{4, 4, 0} << none;
    QTest::newRow("minutes of a day add up") << days("2026-12-08", 1, 4) + days("2026-12-08", 1, 6) << none << "2026-12-08 12:00" << S{1, 1, 0} << none;
    QTest::newRow("a night owl's 00:30 counts for the day before") << QStringList{"2026-12-07 12:00 10", "2026-12-09 00:30 10"} << none << "2026-12-09 03:00" << S{2, 2, 0} << none;
    QTest::newRow("a missed day breaks a streak") << days("2026-12-01", 2) + days("2026-12-04", 1) << none << "2026-12-05 12:00" << S{1, 2, 0} << none;
    QTest::newRow("a day short of the goal is missed") << days("2026-12-01", 2) + days("2026-12-03", 1, 9) + days("2026-12-04", 1) << none << "2026-12-05 12:00" << S{1, 2, 0} << none;
    QTest::newRow("yesterday missed, today not yet") << days("2026-12-01", 2) << none << "2026-12-04 12:00" << S{0, 2, 0} << none;
    QTest::newRow("seven days earn a freeze") << days("2026-12-01", 7) << none << "2026-12-08 12:00" << S{7, 7, 1} << none;
    QTest::newRow("a freeze keeps a missed day") << days("2026-12-01", 7) + days("2026-12-09", 1) << none << "2026-12-09 12:00" << S{8, 8, 0} << QStringList{"2026-12-08"};
    QTest::newRow("a freeze keeps yesterday") << days("2026-12-01", 7) << none << "2026-12-09 12:00" << S{7, 7, 0} << QStringList{"2026-12-08"};
    QTest::newRow("two freezes at most") << days("2026-11-01", 21) << none << "2026-11-22 12:00" << S{21, 21, 2} << none;
    QTest::newRow("two missed days use two") << days("2026-11-01", 14) + days("2026-11-17", 1) << none << "2026-11-17 12:00" << S{15, 15, 0} << QStringList{"2026-11-15", "2026-11-16"};
    QTest::newRow("three missed days break it") << days("2026-11-01", 14) + days("2026-11-18", 1) << none << "2026-11-18 12:00" << S{1, 14, 0} << QStringList{"2026-11-15", "2026-11-16"};
    // The goal each day had: raising it today leaves the days before as they were.
    QTest::newRow("goal raised today") << days("2026-12-05", 4) << QStringList{"2026-12-08 20"} << "2026-12-08 12:00" << S{3, 3, 0} << none;
    QTest::newRow("goal lowered long ago") << days("2026-12-05", 4, 5) << QStringList{"2026-11-01 5"} << "2026-12-08 12:00" << S{4, 4, 0} << none;
    QTest::newRow("goal raised, then back") << days("2026-12-05", 4) << QStringList{"2026-12-06 20", "2026-12-07 10"} << "2026-12-08 12:00" << S{2, 2, 0} << none;
    // A clock set back a day types into yesterday: the day after today still counts, no day twice.
    QTest::newRow("clock set back a day") << QStringList{"2026-12-07 10:00 10", "2026-12-08 10:00 10", "2026-12-07 11:00 5"} << none << "2026-12-07 11:05" << S{2, 2, 0} << none;
    // Flown from Berlin at 06:00 to New York, where it is past midnight: the day before again.
    QTest::newRow("flown west back over 04:00") << QStringList{"2026-06-08 12:00 10", "2026-06-10 06:00 10", "2026-06-10 00:30 10"} << none << "2026-06-10 00:40" << S{3, 3, 0} << none;
    QTest::newRow("daylight saving's short night") << QStringList{"2026-03-28 23:00 5", "2026-03-29 03:30 5", "2026-03-29 05:00 10"} << none << "2026-03-29 05:00" << S{2, 2, 0} << none;
    // clang-format on
}

void DailyPracticeTest::streak() {
    QFETCH(QStringList, records);
    QFETCH(QStringList, goals);
    QFETCH(QString, today);
    GoalHistory history;
    for (const QString& goal : goals)
        history.set(day(goal.section(QLatin1Char(' '), 0, 0)),
                    goal.section(QLatin1Char(' '), 1).toInt());
    const PracticeStreak s = practicestreak(practice(records), history, practiceday(at(today)));
    QTEST((QList<int>{s.current, s.best, s.freezes}), "streak");
    QStringList frozen;
    for (QDate d : s.frozen)
        frozen << d.toString(Qt::ISODate);
    frozen.sort();
    QTEST(frozen, "frozen");
}

void DailyPracticeTest::goals_data() {
    QTest::addColumn<QByteArray>("file");
    QTest::addColumn<QString>("reading");
    QTest::addColumn<QStringList>("set"); // then set on a day: date, minutes
    QTest::addColumn<QStringList>("on");  // the goal on each of these days: date, minutes
    QTest::addColumn<QByteArray>("kept"); // the file after
    const QByteArray tag = "\"keystrider-goal\",1";
    // clang-format off
    QTest::newRow("none set") << QByteArray() << "whole" << QStringList() << QStringList{"2026-12-08 10"} << tag + "\r\n";
    QTest::newRow("set today") << QByteArray() << "whole" << QStringList{"2026-12-08 15"} << QStringList{"2026-12-07 10", "2026-12-08 15", "2030-01-01 15"} << tag + ",\"goal\",\"2026-12-08\",15\r\n";
    QTest::newRow("set twice a day, the last holds") << QByteArray() << "whole" << QStringList{"2026-12-08 15", "2026-12-08 60"} << QStringList{"2026-12-08 60"} << tag + ",\"goal\",\"2026-12-08\",60\r\n";
    QTest::newRow("set back to what it was") << tag + ",\"goal\",\"2026-12-01\",20\r\n" << "whole" << QStringList{"2026-12-08 20"} << QStringList{"2026-11-30 10", "2026-12-08 20"} << tag + ",\"goal\",\"2026-12-01\",20\r\n";
    // The clock set back: a goal kept for a later day stays, even one that repeats the one before.
    QTest::newRow("set before a later one") << tag + ",\"goal\",\"2026-12-08\",20\r\n" << "whole" << QStringList{"2026-12-07 30"} << QStringList{"2026-12-07 30", "2026-12-08 20"} << tag + ",\"goal\",\"2026-12-07\",30,\"goal\",\"2026-12-08\",20\r\n";
    QTest::newRow("set between two alike") << tag + ",\"goal\",\"2026-12-01\",15,\"goal\",\"2027-03-01\",15\r\n" << "whole" << QStringList{"2026-12-09 20"} << QStringList{"2026-12-08 15", "2026-12-09 20", "2027-02-28 20", "2027-03-01 15"} << tag + ",\"goal\",\"2026-12-01\",15,\"goal\",\"2026-12-09\",20,\"goal\",\"2027-03-01\",15\r\n";
    QTest::newRow("set to what a later one is") << tag + ",\"goal\",\"2027-03-01\",20\r\n" << "whole" << QStringList{"2026-12-09 20", "2026-12-10 25"} << QStringList{"2026-12-09 20", "2026-12-10 25", "2027-03-01 20"} << tag + ",\"goal\",\"2026-12-09\",20,\"goal\",\"2026-12-10\",25,\"goal\",\"2027-03-01\",20\r\n";
    QTest::newRow("not in steps of 5, refused") << QByteArray() << "whole" << QStringList{"2026-12-08 7", "2026-12-08 65", "2026-12-08 0"} << QStringList{"2026-12-08 10"} << tag + "\r\n";
    QTest::newRow("unknown name skipped") << tag + ",\"colour\",\"green\",\"goal\",\"2026-12-01\",5\r\n" << "whole" << QStringList() << QStringList{"2026-12-08 5"} << tag + ",\"goal\",\"2026-12-01\",5\r\n";
    // A goal that can't be read is dropped alone; one out of range is the nearest there is.
    QTest::newRow("7 minutes is dropped") << tag + ",\"goal\",\"2026-12-01\",7\r\n" << "damaged" << QStringList() << QStringList{"2026-12-08 10"} << tag + "\r\n";
    QTest::newRow("99 minutes is 60") << tag + ",\"goal\",\"2026-12-01\",99\r\n" << "damaged" << QStringList() << QStringList{"2026-12-08 60"} << tag + ",\"goal\",\"2026-12-01\",60\r\n";
    QTest::newRow("no such day among good ones") << tag + ",\"goal\",\"2026-12-01\",15,\"goal\",\"2026-02-30\",20,\"goal\",\"2026-12-05\",25\r\n" << "damaged" << QStringList() << QStringList{"2026-12-04 15", "2026-12-08 25"} << tag + ",\"goal\",\"2026-12-01\",15,\"goal\",\"2026-12-05\",25\r\n";
    QTest::newRow("goal without minutes") << tag + ",\"goal\",\"2026-12-01\",15,\"goal\",\"2026-12-05\"\r\n" << "damaged" << QStringList() << QStringList{"2026-12-08 15"} << tag + ",\"goal\",\"2026-12-01\",15\r\n";
    QTest::newRow("cut after a digit") << tag + ",\"goal\",\"2026-12-01\",15,\"goal\",\"2026-12-05\",2" << "damaged" << QStringList() << QStringList{"2026-12-08 15"} << tag + ",\"goal\",\"2026-12-01\",15\r\n";
    QTest::newRow("another file") << QByteArray("\"keystrider-coach\",1\r\n") << "damaged" << QStringList() << QStringList{"2026-12-08 10"} << tag + "\r\n";
    QTest::newRow("a later version") << QByteArray("\"keystrider-goal\",2,\"goal\",\"2026-12-01\",15,\"streak\",3\r\n") << "newer" << QStringList() << QStringList{"2026-12-08 15"} << tag + ",\"goal\",\"2026-12-01\",15\r\n";
    // clang-format on
}

void DailyPracticeTest::goals() {
    QFETCH(QByteArray, file);
    QFETCH(QStringList, set);
    QFETCH(QStringList, on);
    QFETCH(QByteArray, kept);
    GoalHistory goals;
    if (!file.isEmpty())
        QTEST(readingname(readgoals(file, goals)), "reading");
    for (const QString& s : set)
        goals.set(day(s.section(QLatin1Char(' '), 0, 0)), s.section(QLatin1Char(' '), 1).toInt());
    for (const QString& o : on)
        QCOMPARE(goals.on(day(o.section(QLatin1Char(' '), 0, 0))),
                 o.section(QLatin1Char(' '), 1).toInt());
    QCOMPARE(goalsline(goals), kept);
    GoalHistory again;
    QCOMPARE(readgoals(kept, again), Reading::Whole);
    QCOMPARE(again, goals);
}

void DailyPracticeTest::calendar() {
    // Five steps by the share of the goal met.
    const QList<std::pair<int, int>> shades = {{0, 0},      {1, 1},      {199999, 1},
                                               {200000, 2}, {399999, 2}, {400000, 3},
                                               {599999, 3}, {600000, 4}, {6000000, 4}};
    for (auto [ms, shade] : shades)
        QCOMPARE(goalshade(ms, 10), shade);

    const PracticeDays days = practice({"2026-11-30 12:00 10", "2026-12-01 12:00 4"});
    GoalHistory goals;
    goals.set(day("2026-12-01"), 20);
    PracticeStreak streak;
    streak.frozen.insert(day("2026-12-02"));
    const PracticeCalendar c = practicecalendar(days, goals, streak, day("2026-12-03"));
    QCOMPARE(c.days.size(), calendarweeks * 7);
    // Week by week from a Monday, the last week the one of today, a Thursday.
    QCOMPARE(c.days.first().date, day("2025-12-01"));
    QCOMPARE(c.days.first().date.dayOfWeek(), 1);
    QCOMPARE(c.todayindex(), (calendarweeks - 1) * 7 + 3);
    const CalendarDay& monday = c.at(calendarweeks - 1, 0);
    QCOMPARE(monday.shade, 4);
    const CalendarDay& tuesday = c.at(calendarweeks - 1, 1);
    QCOMPARE(tuesday.shade, 1);
    QVERIFY(c.at(calendarweeks - 1, 2).frozen);
    QVERIFY(c.at(calendarweeks - 1, 4).future && !c.at(calendarweeks - 1, 3).future);
    QCOMPARE(calendardaytext(tuesday),
             QStringLiteral("Tuesday 1 December 2026: 4 min typed, 30.0 WPM, 100 % accurate"));
    QCOMPARE(calendardaytext(monday), QStringLiteral("Monday 30 November 2026: 10 min typed, "
                                                     "30.0 WPM, 100 % accurate, goal of 10 min "
                                                     "met"));
    QCOMPARE(calendardaytext(c.at(calendarweeks - 1, 2)),
             QStringLiteral("Wednesday 2 December 2026: nothing typed, a streak freeze kept the "
                            "streak"));
    QCOMPARE(calendardaytext(c.days[c.todayindex()]),
             QStringLiteral("Thursday 3 December 2026: nothing typed (today)"));
}

// What the windows show, from stats.dat, the records that end, the goal kept and the clock.
void DailyPracticeTest::todayandthegoal() {
    GameFixture fixture;
    fixture.clock.now = at(QStringLiteral("2026-12-08 23:00"));
    fixture.writefile(statsfilename, statsline(minutes(QStringLiteral("2026-12-07 12:00"), 10)) +
                                         statsline(minutes(QStringLiteral("2026-12-08 12:00"), 6)));
    StatsRecorder recorder([] { return QStringLiteral("Ace"); });
    DailyPractice practice;
    practice.load();
    practice.finishloading();
    QCOMPARE(todaytext(practice.todaymilliseconds(), practice.goal()),
             QStringLiteral("Today: 6 of 10 min"));
    QCOMPARE(practice.streak().current, 1);

    // Reaching the goal is told once, by the record that reached it.
    QSignalSpy reached(&practice, &DailyPractice::goalreached);
    recorder.record(minutes(QStringLiteral("2026-12-08 23:00"), 4));
    recorder.record(minutes(QStringLiteral("2026-12-08 23:10"), 4));
    QCOMPARE(reached.size(), 1);
    QCOMPARE(practice.streak().current, 2);
    QCOMPARE(todaytext(practice.todaymilliseconds(), practice.goal()),
             QStringLiteral("Today: 14 of 10 min"));

    // The day rolls over at 04:00 while the window is open, and rolls back with the clock.
    QSignalSpy changed(&practice, &DailyPractice::changed);
    fixture.clock.now = at(QStringLiteral("2026-12-09 03:59"));
    practice.lookatclock();
    QCOMPARE(changed.size(), 0);
    fixture.clock.now = at(QStringLiteral("2026-12-09 04:00"));
    practice.lookatclock();
    QCOMPARE(changed.size(), 1);
    QCOMPARE(practice.todaymilliseconds(), 0);
    QCOMPARE(practice.streak().current, 2);

    // The goal set in one window is kept and shown in every other.
    DailyPractice other;
    practice.setgoal(15);
    QCOMPARE(other.goal(), 15);
    QCOMPARE(DailyPractice().goal(), 15);
    practice.setgoal(7); // not a goal the spin box offers
    QCOMPARE(practice.goal(), 15);

    // A damaged goal file is set aside, and what could be read of it holds.
    fixture.writefile(goalfilename, "\"keystrider-goal\",1,\"goal\",\"2026-12-09\",99\r\n");
    DailyPractice mended;
    QCOMPARE(mended.goal(), mostgoal);
    QCOMPARE(mended.trouble(), QStringLiteral("practicegoal.dat was damaged: it is kept as "
                                              "practicegoal.dat.damaged, and what could be read "
                                              "of it is used."));
    QVERIFY(QFile::exists(fixture.folder() + QStringLiteral("practicegoal.dat.damaged")));
    mended.setgoal(20);
    QCOMPARE(DailyPractice().goal(), 20);
    QCOMPARE(DailyPractice().trouble(), QString());
}

QTEST_GUILESS_MAIN(DailyPracticeTest)
#include "dailypractice_test.moc"
