#include "keyboard/keyboardphysical.h"

#include <QCoreApplication>
#include <QList>

#include <array>

namespace {

using F = Finger;

// Touch typing gives each column of the typing block to one finger; the rows are staggered, so
// the columns are counted from each row's first character key.
constexpr Finger columns[] = {F::LeftLittle, F::LeftRing,    F::LeftMiddle,  F::LeftIndex,
                              F::LeftIndex,  F::RightIndex,  F::RightIndex,  F::RightMiddle,
                              F::RightRing,  F::RightLittle, F::RightLittle, F::RightLittle};

QList<PhysicalKey> build() {
    QList<PhysicalKey> keys;
    auto add = [&keys](int code, double x, double y, double w, Finger f, const char* caption = "",
                       double h = 1) {
        keys.append({code, QRectF(x, y, w, h), f, caption});
    };
    // A row of character keys with consecutive codes; the first takes the given column.
    auto row = [&add](int first, int last, double x, double y, int column) {
        for (int code = first; code <= last; ++code, ++column, x += 1)
            add(code, x, y, 1, columns[column]);
    };
    // The typing block. The digit row starts one column left of the letters: ` and 1 share
    // the little finger.
    add(41, 0, 1.5, 1, F::LeftLittle);
    row(2, 13, 1, 1.5, 0);
    add(14, 13, 1.5, 2, F::RightLittle, QT_TRANSLATE_NOOP("Keyboard", "Backspace"));
    add(15, 0, 2.5, 1.5, F::LeftLittle, QT_TRANSLATE_NOOP("Keyboard", "Tab"));
    row(16, 27, 1.5, 2.5, 0);
    add(keycode::enter, 13.5, 2.5, 1.5, F::RightLittle, QT_TRANSLATE_NOOP("Keyboard", "Enter"), 2);
    add(58, 0, 3.5, 1.75, F::LeftLittle, QT_TRANSLATE_NOOP("Keyboard", "Caps Lock"));
    row(30, 40, 1.75, 3.5, 0);
    add(43, 12.75, 3.5, 1, F::RightLittle);
    add(keycode::leftshift, 0, 4.5, 1.25, F::LeftLittle, QT_TRANSLATE_NOOP("Keyboard", "Shift"));
    add(86, 1.25, 4.5, 1, F::LeftLittle);
    row(44, 53, 2.25, 4.5, 0);
    add(keycode::rightshift, 12.25, 4.5, 2.75, F::RightLittle,
        QT_TRANSLATE_NOOP("Keyboard", "Shift"));
    add(29, 0, 5.5, 1.25, F::LeftLittle, QT_TRANSLATE_NOOP("Keyboard", "Ctrl"));
    add(125, 1.25, 5.5, 1.25, F::None, QT_TRANSLATE_NOOP("Keyboard", "Super"));
    add(56, 2.5, 5.5, 1.25, F::Thumb, QT_TRANSLATE_NOOP("Keyboard", "Alt"));
    add(keycode::space, 3.75, 5.5, 6.25, F::Thumb, QT_TRANSLATE_NOOP("Keyboard", "Space"));
    add(keycode::rightalt, 10, 5.5, 1.25, F::Thumb, QT_TRANSLATE_NOOP("Keyboard", "Alt"));
    add(126, 11.25, 5.5, 1.25, F::None, QT_TRANSLATE_NOOP("Keyboard", "Super"));
    add(127, 12.5, 5.5, 1.25, F::None, QT_TRANSLATE_NOOP("Keyboard", "Menu"));
    add(97, 13.75, 5.5, 1.25, F::RightLittle, QT_TRANSLATE_NOOP("Keyboard", "Ctrl"));

    // Function row.
    add(1, 0, 0, 1, F::None, QT_TRANSLATE_NOOP("Keyboard", "Esc"));
    static const char* const fkeys[] = {"F1", "F2", "F3", "F4",  "F5",  "F6",
                                        "F7", "F8", "F9", "F10", "F11", "F12"};
    static const int fcodes[] = {59, 60, 61, 62, 63, 64, 65, 66, 67, 68, 87, 88};
    for (int i = 0; i < 12; ++i)
        add(fcodes[i], 2 + i + (i / 4) * 0.5, 0, 1, F::None, fkeys[i]);
    add(99, 15.25, 0, 1, F::None, QT_TRANSLATE_NOOP("Keyboard", "Print"));
    add(70, 16.25, 0, 1, F::None, QT_TRANSLATE_NOOP("Keyboard", "Scroll"));
    add(119, 17.25, 0, 1, F::None, QT_TRANSLATE_NOOP("Keyboard", "Pause"));

    // Editing keys and arrows.
    add(110, 15.25, 1.5, 1, F::None, QT_TRANSLATE_NOOP("Keyboard", "Insert"));
    add(102, 16.25, 1.5, 1, F::None, QT_TRANSLATE_NOOP("Keyboard", "Home"));
    add(104, 17.25, 1.5, 1, F::None, QT_TRANSLATE_NOOP("Keyboard", "PgUp"));
    add(111, 15.25, 2.5, 1, F::None, QT_TRANSLATE_NOOP("Keyboard", "Delete"));
    add(107, 16.25, 2.5, 1, F::None, QT_TRANSLATE_NOOP("Keyboard", "End"));
    add(109, 17.25, 2.5, 1, F::None, QT_TRANSLATE_NOOP("Keyboard", "PgDn"));
    add(103, 16.25, 4.5, 1, F::None, "\u2191");
    add(105, 15.25, 5.5, 1, F::None, "\u2190");
    add(108, 16.25, 5.5, 1, F::None, "\u2193");
    add(106, 17.25, 5.5, 1, F::None, "\u2192");

    // Keypad, with its own home row on 4 5 6.
    add(69, 18.5, 1.5, 1, F::RightIndex, QT_TRANSLATE_NOOP("Keyboard", "Num"));
    add(98, 19.5, 1.5, 1, F::RightMiddle, "/");
    add(55, 20.5, 1.5, 1, F::RightRing, "*");
    add(74, 21.5, 1.5, 1, F::RightLittle, "-");
    add(71, 18.5, 2.5, 1, F::RightIndex, "7");
    add(72, 19.5, 2.5, 1, F::RightMiddle, "8");
    add(73, 20.5, 2.5, 1, F::RightRing, "9");
    add(78, 21.5, 2.5, 1, F::RightLittle, "+", 2);
    add(75, 18.5, 3.5, 1, F::RightIndex, "4");
    add(76, 19.5, 3.5, 1, F::RightMiddle, "5");
    add(77, 20.5, 3.5, 1, F::RightRing, "6");
    add(79, 18.5, 4.5, 1, F::RightIndex, "1");
    add(80, 19.5, 4.5, 1, F::RightMiddle, "2");
    add(81, 20.5, 4.5, 1, F::RightRing, "3");
    add(96, 21.5, 4.5, 1, F::RightLittle, QT_TRANSLATE_NOOP("Keyboard", "Enter"), 2);
    add(82, 18.5, 5.5, 2, F::Thumb, "0");
    add(83, 20.5, 5.5, 1, F::RightRing, ".");
    return keys;
}

const QList<PhysicalKey>& table() {
    static const QList<PhysicalKey> keys = build();
    return keys;
}

} // namespace

std::span<const PhysicalKey> physicalkeys() {
    return {table().constData(), static_cast<size_t>(table().size())};
}

const PhysicalKey* physicalkey(int code) {
    // Asked several times a keystroke while the drawing follows the player: by code, not by a
    // walk through the table.
    static const std::array<const PhysicalKey*, 256> bycode = [] {
        std::array<const PhysicalKey*, 256> index{};
        for (const PhysicalKey& key : table())
            if (key.code >= 0 && key.code < int(index.size()) && !index[key.code])
                index[key.code] = &key;
        return index;
    }();
    return code >= 0 && code < int(bycode.size()) ? bycode[code] : nullptr;
}

QList<QRectF> keyparts(const PhysicalKey& key) {
    if (key.code != keycode::enter)
        return {key.place};
    const QRectF upper(key.place.topLeft(), QSizeF(key.place.width(), 1));
    return {upper, upper.translated(0, 1).adjusted(0.25, 0, 0, 0)};
}

QSizeF physicalsize() {
    return {22.5, 6.5};
}

QString keyname(QChar character) {
    return character == QLatin1Char(' ') ? QCoreApplication::translate("Keyboard", "Space")
                                         : QString(character);
}

QString fingername(Finger finger) {
    // In the order of the fingers.
    static const char* const names[] = {"",
                                        QT_TRANSLATE_NOOP("Keyboard", "left little finger"),
                                        QT_TRANSLATE_NOOP("Keyboard", "left ring finger"),
                                        QT_TRANSLATE_NOOP("Keyboard", "left middle finger"),
                                        QT_TRANSLATE_NOOP("Keyboard", "left index finger"),
                                        QT_TRANSLATE_NOOP("Keyboard", "thumb"),
                                        QT_TRANSLATE_NOOP("Keyboard", "right index finger"),
                                        QT_TRANSLATE_NOOP("Keyboard", "right middle finger"),
                                        QT_TRANSLATE_NOOP("Keyboard", "right ring finger"),
                                        QT_TRANSLATE_NOOP("Keyboard", "right little finger")};
    return QCoreApplication::translate("Keyboard", names[static_cast<int>(finger)]);
}

QString keycaption(const PhysicalKey& key) {
    return *key.caption ? QCoreApplication::translate("Keyboard", key.caption) : QString();
}

bool lefthand(Finger finger) {
    return finger >= F::LeftLittle && finger <= F::LeftIndex;
}

bool typingkey(const PhysicalKey& key) {
    return key.place.right() <= 15 && key.place.top() >= 1;
}
