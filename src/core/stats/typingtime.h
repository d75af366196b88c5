#pragma once

#include <cstdint>
#include <functional>

// Milliseconds on a steady clock, the one typing is timed by. Tests put a clock of their own in
// its place, so a typist's pace can be replayed without waiting; an empty one restores the real.
void settypingclock(std::function<std::int64_t()> clock);
std::int64_t typingclock();

// Typing time from Start to the end, with pauses left out.
class TypingTime {
public:
    void start() {
        banked = 0;
        startedat = typingclock();
        runningsince = startedat;
        running = true;
    }
    void pause() {
        banked += running ? typingclock() - runningsince : 0;
        running = false;
    }
    void resume() {
        runningsince = typingclock();
        running = true;
    }
    std::int64_t milliseconds() const {
        return banked + (running ? typingclock() - runningsince : 0);
    }

    // Milliseconds since Start, pauses included: the clock the keystroke counter times keys by.
    std::int64_t clock() const { return startedat >= 0 ? typingclock() - startedat : 0; }

private:
    std::int64_t banked = 0;
    std::int64_t startedat = -1; // none before Start
    std::int64_t runningsince = 0;
    bool running = false;
};
