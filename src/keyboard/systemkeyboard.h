#pragma once

#include "keyboard/keyboardlayout.h"

#include <QObject>

// The X server's keymap in its active group, and word whenever either changes: `setxkbmap de`,
// or the player switching layouts with Alt+Shift. Drawings of "System keyboard" take the keymap
// afresh then. Tests stand in for the server through replace().
class SystemKeyboard : public QObject {
    Q_OBJECT
public:
    using QObject::QObject;
    // The one in use: a stand-in a test set, else the X server's.
    static SystemKeyboard* current();
    // Puts a stand-in in place; nullptr brings the X server's back. The stand-in stays the
    // caller's.
    static void replace(SystemKeyboard* standin);

    virtual bool available() const { return KeyboardLayout::systemavailable(); }
    virtual KeyboardLayout layout() const { return KeyboardLayout::fromsystem(); }

signals:
    // The keymap or its active group changed: layout() now gives the new one.
    void changed();
};
