#pragma once

// The time of day, in whole seconds since midnight, behind a seam tests can fix.
class Clock {
public:
    virtual ~Clock() = default;
    virtual int secondssincemidnight() = 0;
};

// Tests install a fixed clock; nullptr restores the real one.
void setclock(Clock* clock);
int timeofday();
