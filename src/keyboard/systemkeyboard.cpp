#include "keyboard/systemkeyboard.h"

#include <QAbstractNativeEventFilter>
#include <QCoreApplication>
#include <QPointer>
#include <QTimer>

#include <xkbcommon/xkbcommon-x11.h>
// The XKB protocol header names a field "explicit", which C++ keeps for itself.
#define explicit explicitcomponents
#include <xcb/xkb.h>
#undef explicit

namespace {

// Listens to the XKB events the X server sends on Qt's own connection; Qt asks for them for its
// own keymap, so they come with no request of ours. They go on to Qt untouched.
class ServerKeyboard : public SystemKeyboard, public QAbstractNativeEventFilter {
public:
    explicit ServerKeyboard(QObject* parent) : SystemKeyboard(parent) {
        xcb_connection_t* connection = x11connection();
        std::uint8_t base = 0;
        if (connection && xkb_x11_setup_xkb_extension(connection, XKB_X11_MIN_MAJOR_XKB_VERSION,
                                                      XKB_X11_MIN_MINOR_XKB_VERSION,
                                                      XKB_X11_SETUP_XKB_EXTENSION_NO_FLAGS, nullptr,
                                                      nullptr, &base, nullptr)) {
            xkbevent = base;
            QCoreApplication::instance()->installNativeEventFilter(this);
        }
    }

    bool nativeEventFilter(const QByteArray& type, void* message, qintptr*) override {
        if (xkbevent < 0 || type != "xcb_generic_event_t")
            return false;
        const auto* event = static_cast<const xcb_generic_event_t*>(message);
        if ((event->response_type & 0x7f) != xkbevent)
            return false;
        // The XKB event's own type lies in the byte after the response type.
        switch (event->pad0) {
        case XCB_XKB_NEW_KEYBOARD_NOTIFY:
        case XCB_XKB_MAP_NOTIFY:
            tell();
            break;
        case XCB_XKB_STATE_NOTIFY:
            // Shift and the other modifiers change the state at every press: only a new group
            // is another layout.
            if (reinterpret_cast<const xcb_xkb_state_notify_event_t*>(event)->changed &
                XCB_XKB_STATE_PART_GROUP_STATE)
                tell();
            break;
        default:
            break;
        }
        return false;
    }

private:
    // One `setxkbmap` sends several events: the keymap is read again once, after them all.
    void tell() {
        if (pending)
            return;
        pending = true;
        QTimer::singleShot(0, this, [this] {
            pending = false;
            emit changed();
        });
    }

    int xkbevent = -1;
    bool pending = false;
};

QPointer<SystemKeyboard>& standin() {
    static QPointer<SystemKeyboard> keyboard;
    return keyboard;
}

} // namespace

SystemKeyboard* SystemKeyboard::current() {
    if (standin())
        return standin();
    // Made on first use and gone with the application.
    static QPointer<SystemKeyboard> server;
    if (!server)
        server = new ServerKeyboard(QCoreApplication::instance());
    return server;
}

void SystemKeyboard::replace(SystemKeyboard* keyboard) {
    standin() = keyboard;
}
