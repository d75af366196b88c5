#pragma once

#include "stats/keystrokes.h"
#include "stats/statsfile.h"
#include "stats/typingtime.h"

// One run of typing, an exercise, a race or a drill, from Start to its record: the keystrokes
// counted, the typing time with pauses left out, the corrections, and the record at the end.
// Practice, the race and the coach each keep one.
class TypingSession {
public:
    // Starts counting from the box as it stands: what it held before holds no keystrokes.
    void start(const QString& box = QString());
    void pause() { time.pause(); }
    void resume() { time.resume(); }
    // The box changed; true when it now holds the whole entry. From Start to the end a change
    // the player made is heard as a keystroke.
    bool changed(const QString& target, const QString& typed);
    // Backspace or Delete let go; a release that proved a key repeat takes it back.
    void correctionkey() { counter.correctionkey(); }
    void correctionretracted() { counter.correctionretracted(); }

    const KeystrokeCounts& counts() const { return counter.counts(); }
    // The counts so far with the typing time so far: the live speed and accuracy.
    TypingTally sofar() const;
    // Ends the session: what it counted, as the record of that activity, level and result.
    TypingRecord finish(const QString& activity, const QString& level, const QString& result);

private:
    KeystrokeCounter counter;
    TypingTime time;
    bool running = false;
    // What the box held at the last change, and whether it held the whole entry: emptied then,
    // it was the program's doing, not a keystroke.
    qsizetype boxlength = 0;
    bool lastmatched = false;
};

// Whether the typing box holds the whole entry: the one test of a matched entry. Only the exact
// entry matches: same characters, same case, nothing trimmed. An empty box never does, so an
// empty entry can't be typed at all.
bool entrymatched(const QString& typed, const QString& target);
