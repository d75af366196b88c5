#pragma once

#include "common/settingsfile.h"

#include <QByteArray>
#include <QByteArrayView>
#include <QDate>
#include <QList>
#include <QObject>
#include <QString>

#include <optional>

// The daily practice goal, in minutes of typing: 10 at first, 5 to 60 in steps of 5.
inline constexpr int firstgoal = 10;
inline constexpr int leastgoal = 5;
inline constexpr int mostgoal = 60;
inline constexpr int goalstep = 5;
bool possiblegoal(std::int64_t minutes);

// Every goal the player set, each from the practice day it was set on: a streak is worked out
// with the goal each day had, so raising it today leaves the days before as they were.
struct GoalChange {
    QDate from;
    int minutes = firstgoal;
    bool operator==(const GoalChange&) const = default;
};

class GoalHistory {
public:
    GoalHistory() = default;
    // The goals as a file keeps them, in any order; of two set on one day the later holds.
    explicit GoalHistory(QList<GoalChange> changes);
    // The goal in force on a day: the last one set on or before it.
    int on(QDate day) const;
    // Set on `day`, it replaces what was set that same day. Goals kept for later days (the
    // clock was set back since) stay as they were, so no day that was met stops being met.
    void set(QDate day, int minutes);
    const QList<GoalChange>& changes() const { return list; }
    bool operator==(const GoalHistory&) const = default;

private:
    QList<GoalChange> list; // by day, one a day
};

// "practicegoal.dat" in the program folder: one line of the goals set, each with its day,
// "keystrider-goal",1,"goal","2026-12-08",15,"goal","2027-01-04",20
inline const QString goalfilename = QStringLiteral("practicegoal.dat");
// A goal changed every day for a century stays well below this.
inline constexpr qint64 largestgoalfile = 1024 * 1024;

// Read and written by the rule of the settings files (common/settingsfile.h).
const SettingsFile& goalfile();
// Takes what is valid of the bytes into `goals` (a goal on no day or of no step is dropped
// alone, one out of range clamped) and says how they read.
Reading readgoals(QByteArrayView bytes, GoalHistory& goals);
QByteArray goalsline(const GoalHistory& goals);
// The goals kept, or none set yet. A damaged file is set aside and mended at once; one that is
// there and can't be read, or a newer copy's, is not written over, and a goal set meanwhile
// holds in every window until the game ends.
struct KeptGoals {
    GoalHistory goals;
    QString trouble; // what the player is told; empty when all is well
    bool unkept = false;
};
KeptGoals keptgoals();
bool keepgoals(const GoalHistory& goals);

// Tells every window that shows the goal (the coach's, the statistics', practice's) that the
// player set another one, so they all show the same.
class GoalNews : public QObject {
    Q_OBJECT
public:
    using QObject::QObject;
    static GoalNews* instance();
    void tell(const GoalHistory& goals) {
        told = goals;
        emit changed(goals);
    }
    // The goals last set in this run, if any.
    std::optional<GoalHistory> lastset() const { return told; }

signals:
    void changed(const GoalHistory& goals);

private:
    std::optional<GoalHistory> told;
};
