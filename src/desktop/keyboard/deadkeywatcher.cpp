#include "keyboard/deadkeywatcher.h"

#include <QCoreApplication>
#include <QInputMethodEvent>
#include <QKeyEvent>
#include <QWidget>

#include <xcb/xcb.h>

DeadKeyWatcher::DeadKeyWatcher(QWidget* watched, std::function<bool(int)> deadcode)
    : QObject(watched), box(watched), isdead(std::move(deadcode)) {
    box->installEventFilter(this);
    // Taken off the application again when the watcher goes, by the filter's own destructor.
    QCoreApplication::instance()->installNativeEventFilter(this);
}

bool DeadKeyWatcher::eventFilter(QObject*, QEvent* event) {
    if (event->type() == QEvent::KeyPress) {
        const int key = static_cast<QKeyEvent*>(event)->key();
        if (key >= Qt::Key_Dead_Grave && key <= Qt::Key_Dead_Longsolidusoverlay)
            emit deadkey();
    } else if (event->type() == QEvent::InputMethod) {
        const auto* input = static_cast<QInputMethodEvent*>(event);
        if (!input->preeditString().isEmpty() && input->commitString().isEmpty())
            emit deadkey();
    }
    return false;
}

bool DeadKeyWatcher::nativeEventFilter(const QByteArray& type, void* message, qintptr*) {
    if (type != "xcb_generic_event_t" || !box || !box->hasFocus() || !box->isActiveWindow())
        return false;
    const auto* generic = static_cast<const xcb_generic_event_t*>(message);
    if ((generic->response_type & 0x7f) != XCB_KEY_PRESS)
        return false;
    // X keycodes are evdev codes plus 8.
    const int code = static_cast<const xcb_key_press_event_t*>(message)->detail - 8;
    if (isdead(code))
        emit deadkey();
    return false;
}
