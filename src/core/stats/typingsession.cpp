#include "stats/typingsession.h"
#include "sound/sounds.h"

void TypingSession::start(const QString& box) {
    counter.restart(box);
    time.start();
    running = true;
    boxlength = box.size();
    lastmatched = false;
}

bool TypingSession::changed(const QString& target, const QString& typed) {
    const TypingTally before = counter.counts().tally;
    counter.changed(target, typed, time.clock());
    const TypingTally& after = counter.counts().tally;
    const bool deleted = typed.size() < boxlength && !lastmatched;
    if (running && (after.charstyped > before.charstyped || deleted))
        playkeystroke(after.wrong > before.wrong);
    boxlength = typed.size();
    lastmatched = entrymatched(typed, target);
    return lastmatched;
}

TypingTally TypingSession::sofar() const {
    TypingTally tally = counter.counts().tally;
    tally.milliseconds = time.milliseconds();
    return tally;
}

TypingRecord TypingSession::finish(const QString& activity, const QString& level,
                                   const QString& result) {
    running = false;
    return endedrecord(activity, level, result, time.milliseconds(), counter.finish());
}

bool entrymatched(const QString& typed, const QString& target) {
    return !typed.isEmpty() && typed == target;
}
