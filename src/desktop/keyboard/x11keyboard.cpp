#include "keyboard/x11keyboard.h"

#include <QCoreApplication>
#include <QGuiApplication>
#include <QTimer>

#include <xkbcommon/xkbcommon-x11.h>
// The XKB protocol header names a field "explicit", which C++ keeps for itself.
#define explicit explicitcomponents
#include <xcb/xkb.h>
#undef explicit

#include <cstdlib>
#include <memory>

xcb_connection_t* x11connection() {
#if QT_CONFIG(xcb)
    if (auto* x11 =
            qGuiApp ? qGuiApp->nativeInterface<QNativeInterface::QX11Application>() : nullptr)
        return x11->connection();
#endif
    return nullptr;
}

// Qt asks for the XKB events for its own keymap, so they come with no request of ours. They go
// on to Qt untouched.
X11Keyboard::X11Keyboard(QObject* parent) : SystemKeyboard(parent) {
    xcb_connection_t* connection = x11connection();
    std::uint8_t base = 0;
    if (connection && xkb_x11_setup_xkb_extension(
                          connection, XKB_X11_MIN_MAJOR_XKB_VERSION, XKB_X11_MIN_MINOR_XKB_VERSION,
                          XKB_X11_SETUP_XKB_EXTENSION_NO_FLAGS, nullptr, nullptr, &base, nullptr)) {
        xkbevent = base;
        QCoreApplication::instance()->installNativeEventFilter(this);
    }
}

bool X11Keyboard::available() const {
    return x11connection() != nullptr;
}

KeyboardLayout X11Keyboard::layout() const {
    xcb_connection_t* connection = x11connection();
    if (!connection || !xkb_x11_setup_xkb_extension(connection, XKB_X11_MIN_MAJOR_XKB_VERSION,
                                                    XKB_X11_MIN_MINOR_XKB_VERSION,
                                                    XKB_X11_SETUP_XKB_EXTENSION_NO_FLAGS, nullptr,
                                                    nullptr, nullptr, nullptr))
        return {};
    const std::int32_t device = xkb_x11_get_core_keyboard_device_id(connection);
    if (device < 0)
        return {};
    const std::unique_ptr<xkb_context, decltype(&xkb_context_unref)> context(
        xkb_context_new(XKB_CONTEXT_NO_ENVIRONMENT_NAMES), &xkb_context_unref);
    if (!context)
        return {};
    const std::unique_ptr<xkb_keymap, decltype(&xkb_keymap_unref)> keymap(
        xkb_x11_keymap_new_from_device(context.get(), connection, device,
                                       XKB_KEYMAP_COMPILE_NO_FLAGS),
        &xkb_keymap_unref);
    if (!keymap)
        return {};
    // The group the player has switched to, not always the first of their layouts.
    const std::unique_ptr<xkb_state, decltype(&xkb_state_unref)> state(
        xkb_x11_state_new_from_device(keymap.get(), connection, device), &xkb_state_unref);
    const xkb_layout_index_t group =
        state ? xkb_state_serialize_layout(state.get(), XKB_STATE_LAYOUT_EFFECTIVE) : 0;
    return KeyboardLayout::fromkeymap(keymap.get(), group);
}

std::optional<bool> X11Keyboard::capslock() const {
    xcb_connection_t* connection = x11connection();
    if (xkbevent < 0 || !connection)
        return std::nullopt;
    const std::unique_ptr<xcb_xkb_get_state_reply_t, decltype(&std::free)> state(
        xcb_xkb_get_state_reply(connection, xcb_xkb_get_state(connection, XCB_XKB_ID_USE_CORE_KBD),
                                nullptr),
        &std::free);
    if (!state)
        return std::nullopt;
    return (state->lockedMods & XCB_MOD_MASK_LOCK) != 0;
}

bool X11Keyboard::nativeEventFilter(const QByteArray& type, void* message, qintptr*) {
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
    case XCB_XKB_STATE_NOTIFY: {
        // Shift and the other modifiers change the state at every press: only a new group is
        // another layout, and only a locked modifier's change may be Caps Lock's.
        const auto* state = reinterpret_cast<const xcb_xkb_state_notify_event_t*>(event);
        if (state->changed & XCB_XKB_STATE_PART_GROUP_STATE)
            tell();
        if (state->changed & XCB_XKB_STATE_PART_MODIFIER_LOCK)
            emit capslockchanged((state->lockedMods & XCB_MOD_MASK_LOCK) != 0);
        break;
    }
    default:
        break;
    }
    return false;
}

// One `setxkbmap` sends several events: the keymap is read again once, after them all.
void X11Keyboard::tell() {
    if (pending)
        return;
    pending = true;
    QTimer::singleShot(0, this, [this] {
        pending = false;
        emit changed();
    });
}
