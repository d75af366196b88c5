#include "keyboard/capslock.h"

CapsLockHint capslockfromkey(const QString& text, bool shift, bool command) {
    if (command || text.size() != 1)
        return CapsLockHint::Unknown;
    const QChar c = text.front();
    // Only a letter whose two cases differ both ways says which one was typed.
    const bool upper = c.isUpper() && c.toLower() != c && c.toLower().toUpper() == c;
    const bool lower = c.isLower() && c.toUpper() != c && c.toUpper().toLower() == c;
    if (!upper && !lower)
        return CapsLockHint::Unknown;
    return upper != shift ? CapsLockHint::On : CapsLockHint::Off;
}
