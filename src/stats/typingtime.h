#pragma once

#include <QElapsedTimer>

#include <cstdint>

// Typing time from Start to the end, with pauses left out.
class TypingTime {
public:
    void start() {
        banked = 0;
        running.start();
        sincestart.start();
    }
    void pause() {
        banked += running.isValid() ? running.elapsed() : 0;
        running.invalidate();
    }
    void resume() { running.start(); }
    std::int64_t milliseconds() const {
        return banked + (running.isValid() ? running.elapsed() : 0);
    }

    // Milliseconds since Start, pauses included: the clock the keystroke counter times keys by.
    std::int64_t clock() const { return sincestart.isValid() ? sincestart.elapsed() : 0; }

private:
    std::int64_t banked = 0;
    QElapsedTimer sincestart;
    QElapsedTimer running;
};
