#pragma once

#include <QString>

#include <cstdint>
#include <memory>

// What a key typed through another layout gives, pressed by its place on the keyboard.
struct TypedKey {
    // The key is the layout's to type: a character key, a dead key or a modifier of the typing
    // block. Keys it leaves alone (Backspace, arrows, Enter, Escape) keep their own meaning.
    bool handled = false;
    QString text;      // what the press types; empty for a modifier or a dead key waiting
    bool dead = false; // a dead key now waits for the next key
    // Ctrl or Alt was held: the key is a shortcut's, and types nothing of either layout.
    bool shortcut = false;
};

// Types as a layout that xkeyboard-config knows would, key by key, on whatever layout the
// desktop has: each key is known by its place (its evdev code), its modifiers by the keys held
// down, and dead keys are composed by the locale's compose rules (a small table of accents when
// there are none). Learning Dvorak on a US desktop goes through one of these.
class LayoutTyper {
public:
    // How dead keys are composed: by the locale's rules, or by the small table alone.
    enum class Compose { Locale, Table };
    // "us(dvorak)", "fr(bepo)", "de": a layout as the keyboard chooser names it. Empty when
    // xkeyboard-config does not know it.
    explicit LayoutTyper(const QString& layoutkey, Compose compose = Compose::Locale);
    ~LayoutTyper();
    LayoutTyper(const LayoutTyper&) = delete;
    LayoutTyper& operator=(const LayoutTyper&) = delete;

    bool isempty() const;
    // A key went down or up, by its evdev code (X11 and Wayland keycodes less 8).
    TypedKey press(int code);
    void release(int code);
    // Every key up and no dead key waiting: the box lost the keyboard, which may come back with
    // other keys held.
    void reset();

private:
    struct Machine;
    std::unique_ptr<Machine> machine;
};

// A layout key split into its xkeyboard-config names: "us(dvorak)" → "us", "dvorak".
bool splitlayoutkey(const QString& key, QString& layout, QString& variant);
