#include "clock.h"

#include <QTime>

namespace {
Clock* current = nullptr;
}

void setclock(Clock* clock) {
    current = clock;
}

int timeofday() {
    if (current)
        return current->secondssincemidnight();
    return QTime::currentTime().msecsSinceStartOfDay() / 1000;
}

QDateTime localnow() {
    if (current)
        return current->localnow();
    return QDateTime::currentDateTime();
}
