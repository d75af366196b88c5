#include "stats/practicestreak.h"

#include <QCoreApplication>

#include <algorithm>

bool goalmet(const TypingTally& day, int minutes) {
    return day.milliseconds >= std::int64_t{minutes} * 60000;
}

namespace {

struct Walk {
    PracticeStreak s;

    void met() {
        ++s.current;
        if (s.current % daysperfreeze == 0)
            s.freezes = std::min(s.freezes + 1, mostfreezes);
        s.best = std::max(s.best, s.current);
    }
    // Missed days from `from` on, `count` of them, all over before today.
    void missed(QDate from, std::int64_t count) {
        if (s.current == 0 || count <= 0)
            return;
        const std::int64_t kept = std::min<std::int64_t>(count, s.freezes);
        for (std::int64_t i = 0; i < kept; ++i)
            s.frozen.insert(from.addDays(i));
        s.freezes -= static_cast<int>(kept);
        if (count > kept)
            s.current = 0;
    }
    // The days from `from` up to the day before `to` had no record; only those before today
    // are missed.
    void gap(QDate from, QDate to, QDate today) {
        const QDate end = std::min(to, today);
        if (from < end)
            missed(from, from.daysTo(end));
    }
};

} // namespace

PracticeStreak practicestreak(const PracticeDays& days, const GoalHistory& goals, QDate today) {
    Walk walk;
    const QMap<QDate, TypingTally>& byday = days.days();
    if (byday.isEmpty() || !today.isValid())
        return walk.s;
    QDate next = byday.firstKey();
    for (auto it = byday.cbegin(); it != byday.cend(); ++it) {
        const QDate day = it.key();
        walk.gap(next, day, today);
        if (goalmet(it.value(), goals.on(day)))
            walk.met();
        else if (day < today)
            walk.missed(day, 1);
        next = day.addDays(1);
    }
    walk.gap(next, today, today);
    return walk.s;
}

QString streaktext(const PracticeStreak& s) {
    // One day keeps its own text; other counts go by the language's plural rule (French's
    // "0 jour").
    if (s.current != 1)
        return QCoreApplication::translate("PracticeStreak",
                                           "%n days, best %1; %2 of %3 streak freezes held",
                                           nullptr, s.current)
            .arg(s.best)
            .arg(s.freezes)
            .arg(mostfreezes);
    return QCoreApplication::translate("PracticeStreak",
                                       "%1 %2, best %3; %4 of %5 streak freezes held")
        .arg(s.current)
        .arg(QCoreApplication::translate("PracticeStreak", "day"))
        .arg(s.best)
        .arg(s.freezes)
        .arg(mostfreezes);
}
