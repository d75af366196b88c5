#pragma once

#include <functional>

// Ends the program at once: every window goes, nothing is asked or saved.
void endprogram();
bool programended();
// The game installs the desktop's ending at start (every window closed, the event loop left);
// tests install one that only counts. With none, the event loop is left.
void setendprogram(std::function<void()> ending);
void resetprogramended();

// Lets pending window events run before a long loop goes on; nothing until the game or a test
// installs the desktop's event pump.
void doevents();
void setdoevents(std::function<void()> pump);
