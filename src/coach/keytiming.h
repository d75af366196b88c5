#pragma once

#include "coach/keyhistory.h"

#include <QString>

#include <cstdint>

// Typing time per key, measured live: the gap from the previous keystroke to the one that typed
// a character right, when both were right and the gap is under two seconds, so pauses do not
// count.
class KeyTiming {
public:
    inline static constexpr std::int64_t longestgap = 2000;
    void restart();
    // The player changed the box at `ms` (any steady clock in milliseconds).
    void changed(const QString& target, const QString& typed, std::int64_t ms);
    // The box was emptied for the next entry; the keystroke that matched still counts as right.
    void nextentry() { previous.clear(); }
    const KeyHistory& times() const { return timed; }

private:
    KeyHistory timed;
    QString previous;
    bool lastright = false;
    std::int64_t lastms = 0;
};
