// The coach's planner: what it says of the drills.
#include "coach/coachplanner.h"

#include "coach/weakpairsdrill.h"
#include "keyboard/keyboardphysical.h"

QString CoachPlanner::firstnote() const {
    if (records().drills > 0)
        return {};
    return tr("The coach brings in the letters of your words one by one, the most "
              "frequent first: a new one joins when every key in play reaches the "
              "target speed. Each drill trains the weakest key in play; press Start.");
}

QString CoachPlanner::drillsummary(QChar key, double before, double after) const {
    const QList<QChar> order = keyorder(words.letters, plan.stages);
    const QString text = tr("%1: confidence %2 % before, %3 % after. Keys in play: %4 "
                            "of %5.")
                             .arg(keyname(key))
                             .arg(confidencepercent(before))
                             .arg(confidencepercent(after))
                             .arg(inplay.size())
                             .arg(order.size());
    if (attarget(after))
        return text + tr(" %1 has reached the target.").arg(keyname(key));
    const QString ahead = forecast(key, recent.value(key), target);
    return ahead.isEmpty() ? text : text + QLatin1Char(' ') + ahead;
}

QString CoachPlanner::endsummary(const TypingRecord& record,
                                 const QList<PairStanding>& drilledpairs, QChar drilled,
                                 double after) const {
    QString more;
    if (record.level == weakkeysname)
        more = drillsummary(drilled, focusbefore, after);
    else if (record.level == weakpairsname)
        more = pairsmoved(drilledpairs, records().pairsof(plan.learning));
    return tr("%1 WPM, %2 % accurate. ")
               .arg(qRound(wordsperminute(record.counts.tally)))
               .arg(qRound(accuracypercent(record.counts.tally))) +
           more;
}
