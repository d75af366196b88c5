#pragma once

#include "keyboard/keyboardlayout.h"

#include <QObject>

#include <optional>

// The player's own keymap in its active group, and word whenever either changes: `setxkbmap
// de`, or the player switching layouts with Alt+Shift. Drawings of "System keyboard" take the
// keymap afresh then. The game installs the X server's at start; without one there is no
// system keyboard. Tests stand in for the server through replace().
class SystemKeyboard : public QObject {
    Q_OBJECT
public:
    using QObject::QObject;
    // The one in use: a stand-in a test set, else the one installed, else none.
    static SystemKeyboard* current();
    // Installs the desktop's keyboard; it stays the caller's.
    static void install(SystemKeyboard* server);
    // Puts a stand-in in place; nullptr brings the installed one back. The stand-in stays the
    // caller's.
    static void replace(SystemKeyboard* standin);

    // Whether there is a keymap to read: none here, where no desktop's keyboard is installed.
    virtual bool available() const { return false; }
    virtual KeyboardLayout layout() const { return {}; }
    // Whether Caps Lock is on, as the desktop's keyboard state has it; nothing where it can't be
    // asked.
    virtual std::optional<bool> capslock() const { return std::nullopt; }

signals:
    // The keymap or its active group changed: layout() now gives the new one.
    void changed();
    // Caps Lock was turned on or off, wherever the focus was.
    void capslockchanged(bool on);
};
