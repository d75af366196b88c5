#pragma once

#include <functional>

// Ends the program at once: every window goes, nothing is asked or saved.
void endprogram();
bool programended();
// Tests replace the real ending to watch for it; an empty function restores it.
void setendprogram(std::function<void()> ending);
void resetprogramended();

// Lets pending window events run before a long loop goes on.
void doevents();
