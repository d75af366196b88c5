#include "keyboard/capslocknotice.h"

#include "keyboard/capslock.h"
#include "keyboard/systemkeyboard.h"

#include <QEvent>
#include <QKeyEvent>
#include <QLineEdit>

CapsLockNotice::CapsLockNotice(QLineEdit* box, QWidget* parent) : SpokenLabel(parent) {
    setObjectName(QStringLiteral("capslock"));
    setTextFormat(Qt::PlainText);
    setWordWrap(true);
    box->installEventFilter(this);
    connect(SystemKeyboard::current(), &SystemKeyboard::capslockchanged, this,
            &CapsLockNotice::show);
}

void CapsLockNotice::show(bool on) {
    if (on == shownon)
        return;
    shownon = on;
    setText(on ? tr("Caps Lock is on") : QString());
}

bool CapsLockNotice::ask() {
    const std::optional<bool> on = SystemKeyboard::current()->capslock();
    if (on)
        show(*on);
    return on.has_value();
}

bool CapsLockNotice::eventFilter(QObject*, QEvent* event) {
    switch (event->type()) {
    case QEvent::FocusIn:
        ask();
        break;
    case QEvent::KeyPress: {
        const auto* key = static_cast<const QKeyEvent*>(event);
        // Where the desktop can't be asked, the key itself turns the state shown over.
        if (key->key() == Qt::Key_CapsLock) {
            if (!ask() && !key->isAutoRepeat())
                show(!shownon);
            break;
        }
        const Qt::KeyboardModifiers held = key->modifiers();
        const CapsLockHint hint =
            capslockfromkey(key->text(), held.testFlag(Qt::ShiftModifier),
                            held & (Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier));
        if (hint != CapsLockHint::Unknown)
            show(hint == CapsLockHint::On);
        break;
    }
    case QEvent::KeyRelease:
        // The desktop's state has changed by the time the key comes up.
        if (static_cast<const QKeyEvent*>(event)->key() == Qt::Key_CapsLock)
            ask();
        break;
    default:
        break;
    }
    return false;
}
