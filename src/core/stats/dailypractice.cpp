#include "stats/dailypractice.h"

#include "common/clock.h"
#include "common/programfolder.h"
#include "stats/statsfile.h"
#include "stats/statsrecorder.h"

#include <QFileInfo>
#include <QThread>

struct ReadDays {
    PracticeDays days;
    QString trouble;
};

namespace {

// Often enough that 04:00 shows within half a minute, seldom enough to cost nothing.
constexpr int clockwatchms = 30000;

} // namespace

DailyPractice::DailyPractice(QObject* parent) : QObject(parent) {
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
    clockwatch.setInterval(clockwatchms);
    connect(&clockwatch, &QTimer::timeout, this, &DailyPractice::lookatclock);
    clockwatch.start();
}

void DailyPractice::load() {
    if (reading)
        return;
    auto result = std::make_shared<ReadDays>();
    reading = result;
    arrived.clear();
    const QString folder = ::apppath();
    // What ends from now on comes through the recorder as well: only what is there now is read.
    const qint64 upto = QFileInfo(folder + statsfilename).size();
    QThread* thread = QThread::create(
        [result, folder, upto] { result->days = loadpracticedays(folder, upto, result->trouble); });
    worker = thread;
    connect(thread, &QThread::finished, thread, &QObject::deleteLater);
    connect(thread, &QThread::finished, this, &DailyPractice::takeupread);
    thread->start();
}

void DailyPractice::finishloading() {
    if (worker)
        worker->wait();
    takeupread();
}

void DailyPractice::takeupread() {
    if (!reading)
        return;
    std::shared_ptr<ReadDays> read = std::move(reading);
    reading.reset();
    PracticeDays more = std::move(read->days);
    for (const TypingRecord& record : std::as_const(arrived))
        more.add(record);
    arrived.clear();
    take(std::move(more), read->trouble);
}

void DailyPractice::take(PracticeDays read, const QString& trouble) {
    waiting = false;
    days = std::move(read);
    statstrouble = trouble;
    rework();
    emit changed();
}

void DailyPractice::setrecorder(StatsRecorder* newrecorder) {
    if (recorder == newrecorder)
        return;
    if (recorder)
        disconnect(recorder, nullptr, this, nullptr);
    recorder = newrecorder;
    if (recorder)
        connect(recorder, &StatsRecorder::recorded, this, &DailyPractice::add);
}

void DailyPractice::add(const TypingRecord& record) {
    if (waiting)
        return;
    if (reading) {
        arrived.append(record);
        return;
    }
    lookatclock();
    const bool metbefore = goalmet(days.on(day), goal());
    days.add(record);
    rework();
    emit changed();
    if (!metbefore && goalmet(days.on(day), goal()))
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
    worked = practicestreak(days, goals, day);
}

QString todaytext(std::int64_t milliseconds, int goalminutes) {
    return QStringLiteral("Today: %1 of %2 min").arg(wholeminutes(milliseconds)).arg(goalminutes);
}
