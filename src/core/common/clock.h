#pragma once

#include <QDateTime>

#include <cstdint>

// The time of day, in whole seconds since midnight, a clock of milliseconds that only runs
// forward, and the local date and time, behind a seam tests can fix.
class Clock {
public:
    virtual ~Clock() = default;
    virtual int secondssincemidnight() = 0;
    // Only differences mean anything: the race times its cars by it.
    virtual std::int64_t milliseconds();
    // As the player's own clock reads it: date and time of day, in whatever zone they are in.
    virtual QDateTime localnow() { return QDateTime::currentDateTime(); }
};

// Tests install a fixed clock; nullptr restores the real one.
void setclock(Clock* clock);
int timeofday();
std::int64_t steadymilliseconds();
QDateTime localnow();
