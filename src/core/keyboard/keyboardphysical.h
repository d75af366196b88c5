#pragma once

#include <QList>
#include <QRectF>
#include <QString>

#include <span>

// The fingers of touch typing. Both thumbs share the space bar, so they are one finger here.
enum class Finger {
    None,
    LeftLittle,
    LeftRing,
    LeftMiddle,
    LeftIndex,
    Thumb,
    RightIndex,
    RightMiddle,
    RightRing,
    RightLittle
};

// One key of a 105-key ISO PC keyboard: its evdev code, its place in key widths from the top
// left corner of Escape, the finger that presses it, and the caption printed on it when the
// layout types no character there. The ISO Enter spans two rows; its place is the box around
// its L shape.
struct PhysicalKey {
    int code;
    QRectF place;
    Finger finger;
    const char* caption;
};

// The rows a key covers: its place, or for the ISO Enter the upper row's part and the lower
// row's, a quarter key narrower on the left.
QList<QRectF> keyparts(const PhysicalKey& key);

// Every key, the typing block first, then the function row, the editing keys and the keypad.
std::span<const PhysicalKey> physicalkeys();
// Null for a code the keyboard lacks.
const PhysicalKey* physicalkey(int code);
// The whole keyboard's size in key widths.
QSizeF physicalsize();

// The key of a character as tables, charts and the coach name it: the space bar is "Space".
QString keyname(QChar character);

// The caption printed on a key, in the player's language; empty for a key that has none.
QString keycaption(const PhysicalKey& key);

// "left index finger", "thumb", ...
QString fingername(Finger finger);
bool lefthand(Finger finger);
// Whether the key is one of the typing block, where characters are typed in touch typing.
bool typingkey(const PhysicalKey& key);

// Evdev codes the rest of the program names.
namespace keycode {
constexpr int leftshift = 42;
constexpr int rightshift = 54;
constexpr int rightalt = 100;
constexpr int space = 57;
constexpr int enter = 28;
} // namespace keycode
