#include "competition/ghostwords.h"

#include <QCoreApplication>

#include <algorithm>
#include <cstdlib>

namespace {

QString entriestext(int entries) {
    return entries == 1 ? QCoreApplication::translate("GhostWords", "1 entry")
                        : QCoreApplication::translate("GhostWords", "%n entries", nullptr, entries);
}

QString shorttext(const Replay& race) {
    return QCoreApplication::translate("GhostWords", "%1 short")
        .arg(entriestext(entriesshort(race)));
}

} // namespace

QString secondstext(std::int64_t ms) {
    const std::int64_t tenths = (std::max<std::int64_t>(ms, 0) + 50) / 100;
    return QCoreApplication::translate("GhostWords", "%1.%2 s").arg(tenths / 10).arg(tenths % 10);
}

QString standing(int left, std::int64_t arrived, const Replay& ghost, std::int64_t now,
                 const QString& whom) {
    const int step = rulesfor(ghost.level).playerstep;
    const int apart = left - ghost.leftat(now);
    const int entries = (2 * std::abs(apart) + step) / (2 * step);
    if (entries >= 1)
        return QCoreApplication::translate("GhostWords", "%1 %2 %3")
            .arg(entriestext(entries),
                 apart > 0 ? QCoreApplication::translate("GhostWords", "ahead of")
                           : QCoreApplication::translate("GhostWords", "behind"),
                 whom);
    // A ghost that never gets this far is behind by at least the time it has run.
    const std::int64_t there = ghost.reached(left).value_or(std::max(now, ghost.length));
    const std::int64_t sooner = there - arrived;
    if ((std::abs(sooner) + 50) / 100 == 0)
        return QCoreApplication::translate("GhostWords", "level with %1").arg(whom);
    return QCoreApplication::translate("GhostWords", "%1 %2 %3")
        .arg(secondstext(std::abs(sooner)),
             sooner > 0 ? QCoreApplication::translate("GhostWords", "ahead of")
                        : QCoreApplication::translate("GhostWords", "behind"),
             whom);
}

QString raceline(const Replay& race, const std::optional<Replay>& before, bool newbest) {
    const std::optional<std::int64_t> finish = race.finish();
    const std::int64_t best = before ? before->finish().value_or(-1) : -1;
    QString line;
    if (finish) {
        line = QCoreApplication::translate("GhostWords", "To the finish in %1")
                   .arg(secondstext(*finish));
        if (best == *finish)
            line += QCoreApplication::translate("GhostWords", ", as fast as your best");
        else if (best >= 0)
            line += QCoreApplication::translate("GhostWords", ", %1 %2 than your best")
                        .arg(secondstext(std::abs(best - *finish)),
                             *finish < best ? QCoreApplication::translate("GhostWords", "faster")
                                            : QCoreApplication::translate("GhostWords", "slower"));
    } else {
        line = QCoreApplication::translate("GhostWords", "%1 of the finish").arg(shorttext(race));
        if (best >= 0)
            line += QCoreApplication::translate("GhostWords", ", your best finished in %1")
                        .arg(secondstext(best));
        else if (before)
            line += QCoreApplication::translate("GhostWords", ", your best was %1")
                        .arg(shorttext(*before));
    }
    // A best is new only when it beat an earlier race: the first one beat nothing.
    if (!before)
        return line + QCoreApplication::translate("GhostWords", ", your first race at this level.");
    line += QLatin1Char('.');
    if (newbest)
        line += QCoreApplication::translate("GhostWords", " New best!");
    return line;
}

QString friendlyverdict(const Replay& race, const Replay& ghost, const QString& name) {
    const std::optional<std::int64_t> finish = race.finish();
    const std::optional<std::int64_t> theirs = ghost.finish();
    if (finish && theirs) {
        if (*finish == *theirs)
            return QCoreApplication::translate(
                       "GhostWords", "You and %1 were as fast as each other, %2 to the finish.")
                .arg(name, secondstext(*finish));
        const QString times = QCoreApplication::translate("GhostWords", "%1 against %2")
                                  .arg(secondstext(std::min(*finish, *theirs)),
                                       secondstext(std::max(*finish, *theirs)));
        const QString by = secondstext(std::abs(*finish - *theirs));
        if (*finish < *theirs)
            return QCoreApplication::translate("GhostWords", "You were faster than %1, by %2 (%3).")
                .arg(name, by, times);
        return QCoreApplication::translate("GhostWords", "%1 was faster, by %2 (%3).")
            .arg(name, by, times);
    }
    // Each end gives both: the times to the finish, or how far short of it each car was.
    if (finish)
        return QCoreApplication::translate(
                   "GhostWords", "You were faster than %1, who did not reach the finish: you were "
                                 "there in %2, %1 %3 of it.")
            .arg(name, secondstext(*finish), shorttext(ghost));
    if (theirs)
        return QCoreApplication::translate(
                   "GhostWords", "%1 was faster, finishing in %2; you did not reach the finish, %3 "
                                 "of it.")
            .arg(name, secondstext(*theirs), shorttext(race));
    const int mine = entriesshort(race);
    const int others = entriesshort(ghost);
    if (mine == others)
        return QCoreApplication::translate(
                   "GhostWords", "Neither of you reached the finish, and you got as far as %1: %2 "
                                 "of it.")
            .arg(name, shorttext(race));
    const QString apart = QCoreApplication::translate("GhostWords", "(%1 short against %2)")
                              .arg(entriestext(std::min(mine, others)))
                              .arg(std::max(mine, others));
    if (mine < others)
        return QCoreApplication::translate(
                   "GhostWords",
                   "Neither of you reached the finish; you got %1 farther than %2 %3.")
            .arg(entriestext(others - mine), name, apart);
    return QCoreApplication::translate("GhostWords",
                                       "Neither of you reached the finish; %1 got %2 farther %3.")
        .arg(name, entriestext(mine - others), apart);
}
