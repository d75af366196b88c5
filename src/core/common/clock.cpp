#include "clock.h"

#include <QDeadlineTimer>
#include <QTime>

namespace {
Clock* current = nullptr;

std::int64_t realmilliseconds() {
    return QDeadlineTimer::current(Qt::PreciseTimer).deadline();
}
} // namespace

std::int64_t Clock::milliseconds() {
    return realmilliseconds();
}

void setclock(Clock* clock) {
    current = clock;
}

int timeofday() {
    if (current)
        return current->secondssincemidnight();
    return QTime::currentTime().msecsSinceStartOfDay() / 1000;
}

std::int64_t steadymilliseconds() {
    return current ? current->milliseconds() : realmilliseconds();
}

QDateTime localnow() {
    if (current)
        return current->localnow();
    return QDateTime::currentDateTime();
}
