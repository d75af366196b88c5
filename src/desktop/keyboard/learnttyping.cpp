#include "keyboard/learnttyping.h"

#include "keyboard/layouttyper.h"

#include <QKeyEvent>
#include <QLineEdit>

LearntTyping::LearntTyping(QLineEdit* watched) : QObject(watched), box(watched) {
    box->installEventFilter(this);
}

LearntTyping::~LearntTyping() = default;

bool LearntTyping::learn(const QString& key) {
    if (key.isEmpty()) {
        if (typer)
            box->setAttribute(Qt::WA_InputMethodEnabled, inputmethod);
        typer.reset();
        return true;
    }
    auto next = std::make_unique<LayoutTyper>(key);
    if (next->isempty())
        return false;
    if (!typer)
        inputmethod = box->testAttribute(Qt::WA_InputMethodEnabled);
    // An input method would take the keys before the box sees them, as the desktop types them.
    box->setAttribute(Qt::WA_InputMethodEnabled, false);
    typer = std::move(next);
    return true;
}

bool LearntTyping::eventFilter(QObject*, QEvent* event) {
    if (!typer)
        return false;
    switch (event->type()) {
    case QEvent::FocusIn:
    case QEvent::FocusOut:
        // Keys held as the box lost or took the keyboard were not seen going down or up here.
        typer->reset();
        return false;
    case QEvent::KeyPress: {
        const auto* key = static_cast<QKeyEvent*>(event);
        // X11 and Wayland keycodes are evdev codes plus 8; a platform without them types as the
        // desktop does.
        const int code = static_cast<int>(key->nativeScanCode()) - 8;
        if (code <= 0 || key->modifiers() & (Qt::ControlModifier | Qt::MetaModifier))
            return false;
        const TypedKey typed = typer->press(code);
        // A shortcut goes on to the box, the desktop's text of the key held back: AltGr on the
        // desktop may be Alt on the layout learnt.
        if (typed.shortcut && !key->text().isEmpty() && key->text().front().isPrint())
            return true;
        if (!typed.handled)
            return false;
        if (typed.dead)
            emit deadkey();
        if (!typed.text.isEmpty())
            box->insert(typed.text);
        return true;
    }
    case QEvent::KeyRelease: {
        const auto* key = static_cast<QKeyEvent*>(event);
        if (!key->isAutoRepeat())
            typer->release(static_cast<int>(key->nativeScanCode()) - 8);
        return false;
    }
    default:
        return false;
    }
}
