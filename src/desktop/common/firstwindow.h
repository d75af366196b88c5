#pragma once

#include <functional>

class QObject;

// Runs `then` once, right after the program's first window was shown on screen and painted:
// what only later windows need waits for it, so the player sees the game sooner. Nothing is
// watched once it ran, or once `context` is gone.
void afterfirstwindow(QObject* context, std::function<void()> then);

// For the start-up benchmark: with KEYSTRIDER_EXIT_AT_FIRST_WINDOW set in the environment, the
// program ends at once after its first window was painted, writing its resident memory to the
// standard error ("first window: resident 41234 kB"). Unset, it costs one look at the
// environment.
void exitatfirstwindowifasked();
