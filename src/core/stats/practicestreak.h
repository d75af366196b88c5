#pragma once

#include "stats/practiceday.h"
#include "stats/practicegoal.h"

#include <QSet>

// Whether a practice day's typing met a goal of so many minutes.
bool goalmet(const TypingTally& day, int minutes);

// A freeze is earned for every seven days of a streak, and at most two are held; a missed day
// uses one by itself.
inline constexpr int daysperfreeze = 7;
inline constexpr int mostfreezes = 2;

// The practice streak: the days in a row on which the goal was met, up to today. Today counts
// once it is met; until then the streak stands at yesterday's. A missed day a freeze kept neither
// breaks it nor counts in it.
struct PracticeStreak {
    int current = 0;
    int best = 0;
    int freezes = 0; // held now
    QSet<QDate> frozen;
};

// Worked out from the records' days and the goals each day had, never kept apart from them, so
// no restart, reinstall or second copy can lose it. A day after `today` (the clock was set
// back) counts as typed; only a day before today can be missed.
PracticeStreak practicestreak(const PracticeDays& days, const GoalHistory& goals, QDate today);

// "3 days, best 12; 1 of 2 streak freezes held".
QString streaktext(const PracticeStreak& streak);
