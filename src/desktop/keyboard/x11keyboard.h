#pragma once

#include "keyboard/systemkeyboard.h"

#include <QAbstractNativeEventFilter>

struct xcb_connection_t;
// Qt's own connection to the X server; none when the program does not run on X11.
xcb_connection_t* x11connection();

// The X server's keymap, read on Qt's own connection, and word of its changes from the XKB
// events the server sends there.
class X11Keyboard : public SystemKeyboard, public QAbstractNativeEventFilter {
public:
    explicit X11Keyboard(QObject* parent = nullptr);

    bool available() const override;
    // The keymap in its current group; empty when the program does not run on X11.
    KeyboardLayout layout() const override;
    // The server's locked modifiers: Caps Lock as its indicator shows it.
    std::optional<bool> capslock() const override;

    bool nativeEventFilter(const QByteArray& type, void* message, qintptr*) override;

private:
    void tell();

    int xkbevent = -1;
    bool pending = false;
};
