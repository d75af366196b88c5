#include "stats/dailypractice.h"

#include "common/clock.h"

namespace {

// Often enough that 04:00 shows within half a minute, seldom enough to cost nothing.
constexpr int clockwatchms = 30000;

const PracticeDays nodays;

} // namespace

DailyPractice::DailyPractice(QObject* parent) : QObject(parent), history(TypingHistory::shared()) {
    KeptGoals kept = keptgoals();
    goals = std::move(kept.goals);
    goaltrouble = kept.trouble;
    goalunkept = kept.unkept;
    day = practiceday(localnow());
    rework();
    connect(GoalNews::instance(), &GoalNews::changed, this, [this](const GoalHistory& set) {
        if (set == goals)
            return;
        goals = set;
        rework();
        emit changed();
    });
    connect(history, &TypingHistory::loaded, this, [this] {
        rework();
        emit changed();
    });
    connect(history, &TypingHistory::added, this, &DailyPractice::added);
    clockwatch.setInterval(clockwatchms);
    connect(&clockwatch, &QTimer::timeout, this, &DailyPractice::lookatclock);
    clockwatch.start();
}

DailyPractice* DailyPractice::shared() {
    TypingHistory* of = TypingHistory::shared();
    auto* one = of->findChild<DailyPractice*>(QString(), Qt::FindDirectChildrenOnly);
    return one ? one : new DailyPractice(of);
}

void DailyPractice::load() {
    if (history)
        history->load();
}

void DailyPractice::finishloading() {
    if (history)
        history->finishloading();
}

bool DailyPractice::loading() const {
    return history && history->loading();
}

const PracticeDays& DailyPractice::days() const {
    return history ? history->records().days : nodays;
}

std::int64_t DailyPractice::todaymilliseconds() const {
    return days().on(day).milliseconds;
}

PracticeCalendar DailyPractice::calendar() const {
    return practicecalendar(days(), goals, worked, day);
}

void DailyPractice::added() {
    lookatclock();
    const bool metbefore = todaymet;
    rework();
    emit changed();
    if (!metbefore && todaymet)
        emit goalreached(goal());
}

void DailyPractice::setgoal(int minutes) {
    if (!possiblegoal(minutes) || minutes == goal())
        return;
    goals.set(day, minutes);
    if (!goalunkept && !keepgoals(goals))
        goaltrouble = QStringLiteral("%1 could not be written: the practice goal is not kept.")
                          .arg(goalfilename);
    rework();
    emit changed();
    GoalNews::instance()->tell(goals);
}

QString DailyPractice::trouble() const {
    const QString statstrouble = history ? history->records().trouble : QString();
    if (statstrouble.isEmpty())
        return goaltrouble;
    return goaltrouble.isEmpty() ? statstrouble : statstrouble + QLatin1Char(' ') + goaltrouble;
}

void DailyPractice::lookatclock() {
    const QDate now = practiceday(localnow());
    if (now == day || !now.isValid())
        return;
    day = now;
    rework();
    emit changed();
}

void DailyPractice::rework() {
    worked = practicestreak(days(), goals, day);
    todaymet = goalmet(days().on(day), goal());
}

QString todaytext(std::int64_t milliseconds, int goalminutes) {
    return QStringLiteral("Today: %1 of %2 min").arg(wholeminutes(milliseconds)).arg(goalminutes);
}
