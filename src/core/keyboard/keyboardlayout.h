#pragma once

#include <QHash>
#include <QList>
#include <QString>

#include <array>
#include <cstdint>

struct xkb_keymap;

// One press of a key, with the modifiers held for it: Shift on the other hand from the key's
// finger, and AltGr for the third and fourth levels.
struct KeyPress {
    int code = 0;      // evdev code
    int shiftcode = 0; // the Shift key to hold, or 0
    int altgrcode = 0; // the AltGr key to hold, or 0
    bool operator==(const KeyPress&) const = default;
};

// What a keyboard layout types on each key of the physical keyboard, compiled by libxkbcommon
// either from a layout name that xkeyboard-config knows or from a keymap in hand (the X
// server's). A plain value: the keymap is read once and let go.
class KeyboardLayout {
public:
    // An empty layout: every key blank, no character reachable.
    KeyboardLayout() = default;
    // A layout by its xkeyboard-config name ("us", "de", "fr") and variant ("intl"), on a pc105
    // keyboard; empty when xkeyboard-config does not know it.
    static KeyboardLayout fromnames(const QString& layout, const QString& variant = {});
    // A keymap's layout in one of its groups; the keymap stays the caller's.
    static KeyboardLayout fromkeymap(xkb_keymap* keymap, std::uint32_t group);

    bool isempty() const { return description_.isEmpty(); }
    // The layout as xkeyboard-config describes it: "English (US)".
    QString description() const { return description_; }

    // What the key types at a level (0 plain, 1 Shift, 2 AltGr, 3 AltGr and Shift): its text,
    // or for a dead key its accent standing alone; empty when nothing.
    QString text(int code, int level) const;
    bool isdead(int code, int level) const;
    // The key that gives the third level, or 0 when the layout has none.
    int altgrcode() const { return altgr; }

    // The presses that type a character, best first: one key, or a dead key and then the base
    // character; empty when the character is not on this keyboard.
    QList<KeyPress> presses(const QString& character) const;
    // The level a press types on.
    static int level(const KeyPress& press);

private:
    struct Symbol {
        QString text;
        std::uint32_t keysym = 0;
        bool dead = false;
    };
    static constexpr int levels = 4;
    static constexpr int codes = 256;
    friend class LayoutCompiler;

    QString description_;
    int altgr = 0;
    std::array<std::array<Symbol, levels>, codes> symbols{};
    QHash<QString, QList<KeyPress>> index;
};
