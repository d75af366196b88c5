#include "stats/typingsession.h"

void TypingSession::start(const QString& box) {
    counter.restart(box);
    time.start();
}

bool TypingSession::changed(const QString& target, const QString& typed) {
    counter.changed(target, typed, time.clock());
    return entrymatched(typed, target);
}

TypingTally TypingSession::sofar() const {
    TypingTally tally = counter.counts().tally;
    tally.milliseconds = time.milliseconds();
    return tally;
}

TypingRecord TypingSession::finish(const QString& activity, const QString& level,
                                   const QString& result) {
    return endedrecord(activity, level, result, time.milliseconds(), counter.finish());
}

bool entrymatched(const QString& typed, const QString& target) {
    return !typed.isEmpty() && typed == target;
}
