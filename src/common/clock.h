#pragma once

#include <QDateTime>

// The time of day, in whole seconds since midnight, and the local date and time, behind a seam
// tests can fix.
class Clock {
public:
    virtual ~Clock() = default;
    virtual int secondssincemidnight() = 0;
    // As the player's own clock reads it: date and time of day, in whatever zone they are in.
    virtual QDateTime localnow() { return QDateTime::currentDateTime(); }
};

// Tests install a fixed clock; nullptr restores the real one.
void setclock(Clock* clock);
int timeofday();
QDateTime localnow();
