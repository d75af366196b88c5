// The coach's planner: a drill's end, its record and what it taught, and records that end
// elsewhere.
#include "coach/coachplanner.h"

#include "coach/weakkeysdrill.h"
#include "coach/weakpairsdrill.h"
#include "stats/statsrecorder.h"

#include <utility>

void CoachPlanner::stopdrill(bool completed) {
    ending = true;
    const QString level = running->level();
    TypingRecord record =
        session.finish(QStringLiteral("Drill"), level,
                       completed ? QStringLiteral("Completed") : QStringLiteral("Stopped"));
    record.cleared = cleared;
    record.layout = plan.learning;
    cleared.clear();
    QList<PairStanding> drilledpairs;
    if (const auto* pairs = dynamic_cast<const WeakPairsDrill*>(running.get()))
        drilledpairs = pairs->pairs();
    // The coach said the focus reached the target: a drill's end that leaves it short unsays it.
    bool saidreached = false;
    if (const auto* weakkeys = dynamic_cast<const WeakKeysDrill*>(running.get()))
        saidreached = weakkeys->saidreached();
    running.reset();
    const QChar drilled = keys.focus;
    QPointer<CoachPlanner> alive(this);
    keeprecord(record);
    if (!alive)
        return;
    const bool weak = level == weakkeysname;
    const double after = confidence(keyhistory().stat(drilled), target);
    if (weak && completed)
        notedrill(drilled, record);
    tally(record, weak && completed ? drilled : QChar());
    if (weak && completed && tries().contains(drilled)) {
        notefocusdrill(tries()[drilled], after, focusheld);
        keepplan();
    }
    if (completed) {
        QList<KeyStat> stats;
        for (QChar key : std::as_const(inplay))
            stats.append(livestat(key));
        lowdrills = mostbelowtarget(stats, target, true) ? lowdrills + 1 : 0;
    }
    places.write();
    emit clearbox();
    emit entrychanged(QString());
    shownnext.clear();
    emit nextcharacter(QString());
    emit drillstopped();
    const QString told = lastnote;
    chosenfocus = QChar();
    showfocus();
    if (saidreached && !reached(drilled) && lastnote == told)
        tell(QString());
    else if (lastnote == told || lastnote.isEmpty())
        tell(told);
    if (record.counts.tally.charstyped > 0) {
        // The figures end as the record keeps them, the time up to Stop included.
        emit figures(qRound(wordsperminute(record.counts.tally)),
                     qRound(accuracypercent(record.counts.tally)));
        emit summary(endsummary(record, drilledpairs, drilled, after));
    }
    ending = false;
    // What the drill's end brought elsewhere (today's goal met) is said last.
    if (!announced.isEmpty())
        tell(std::exchange(announced, QString()));
}

void CoachPlanner::keeprecord(const TypingRecord& record) {
    // A drill in which nothing was typed is not kept, as the recorder keeps no such record.
    if (record.counts.tally.charstyped == 0)
        return;
    QPointer<CoachPlanner> alive(this);
    recordingown = true;
    if (recorder)
        recorder->record(record);
    else
        history->add(record);
    if (alive)
        recordingown = false;
}

void CoachPlanner::notedrill(QChar key, const TypingRecord& record) {
    const KeyTime timed = record.counts.keytime.value(key);
    const std::int64_t due = record.counts.expected.value(key);
    if (timed.count <= 0 || due <= 0)
        return;
    QList<FocusDrill>& drills = recent[key];
    drills.append({confidence(keyhistory().stat(key), target),
                   static_cast<double>(timed.milliseconds) / timed.count,
                   static_cast<double>(record.counts.missed.value(key)) / due});
    if (drills.size() > trenddrills)
        drills.removeFirst();
}

void CoachPlanner::recordarrived(const TypingRecord& record) {
    // The coach's own drill is tallied as it ends; what ends while the history is read is in it.
    if (recordingown || loading())
        return;
    // What was typed on another layout says nothing of this one's keys.
    if (record.layout == plan.learning)
        tally(record);
    // The bars show the drill's keys during a drill; its end shows the new focus.
    if (!drilling())
        showfocus();
}
