#pragma once

#include <QString>

// What one keystroke tells of Caps Lock. A letter that has a case says it: typed upper-case
// without Shift, or lower-case with it, Caps Lock is on (Shift undoes it, as on every desktop);
// the other way round it is off. Anything else, a digit, a mark, a letter with no case, a key
// with Ctrl or Alt held, or more than one character, tells nothing.
enum class CapsLockHint { Unknown, On, Off };
CapsLockHint capslockfromkey(const QString& text, bool shift, bool command = false);
