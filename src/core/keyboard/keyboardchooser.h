#pragma once

#include "keyboard/keyboardlayout.h"
#include "keyboard/systemkeyboard.h"

#include <QList>
#include <QString>

// A layout as xkeyboard-config lists it.
struct KeyboardLayoutName {
    QString layout;  // "us"
    QString variant; // "intl", or empty for the layout itself
    QString description;
    bool operator==(const KeyboardLayoutName&) const = default;
};

// The layouts and variants of xkeyboard-config's rules file, sorted by description; empty when
// the file cannot be read.
QList<KeyboardLayoutName>
xkblayoutnames(const QString& rulesfile = QStringLiteral("/usr/share/X11/xkb/rules/evdev.xml"));

// The rows of a layout chooser and the one chosen. On X11 the first row is the player's own
// keymap and is chosen at first; elsewhere "us" is. Without a rules file "us" is the only row.
class KeyboardChooser {
public:
    explicit KeyboardChooser(QList<KeyboardLayoutName> names = xkblayoutnames(),
                             bool system = SystemKeyboard::current()->available());

    int count() const;
    QString caption(int row) const;
    int current() const { return row; }
    void choose(int newrow);
    // The choice as the coach may keep it: "de", "us(intl)", or empty for the system keymap.
    QString key() const;
    // Chooses the row of a kept choice; false, and nothing changed, when it is not offered.
    bool choose(const QString& key);

    // The chosen layout, as layoutofchoice() compiles it.
    KeyboardLayout load() const;
    // Whether the system keyboard is chosen, whose keymap may change under it.
    bool systemchosen() const { return system && row == 0; }

private:
    QList<KeyboardLayoutName> names;
    bool system;
    int row = 0;
};
