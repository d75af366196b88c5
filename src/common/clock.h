#pragma once

#include <cstdint>

// The time of day, in whole seconds since midnight, and a clock of milliseconds that only runs
// forward, behind a seam tests can fix.
class Clock {
public:
    virtual ~Clock() = default;
    virtual int secondssincemidnight() = 0;
    // Only differences mean anything: the race times its cars by it.
    virtual std::int64_t milliseconds();
};

// Tests install a fixed clock; nullptr restores the real one.
void setclock(Clock* clock);
int timeofday();
std::int64_t steadymilliseconds();
