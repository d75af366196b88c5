#include "common/keyupwatcher.h"

#include <QKeyEvent>
#include <QWidget>

KeyUpWatcher::KeyUpWatcher(QWidget* watched) : QObject(watched), box(watched) {
    box->installEventFilter(this);
}

bool KeyUpWatcher::eventFilter(QObject* watched, QEvent* event) {
    const bool release = event->type() == QEvent::KeyRelease;
    if (watched != box || !box->isEnabled() || (!release && event->type() != QEvent::KeyPress))
        return false;
    const auto* key = static_cast<QKeyEvent*>(event);
    if (release) {
        if (key->isAutoRepeat())
            return false;
        reportedkey = key->key();
        reportedstamp = key->timestamp();
        emit keyup(key->key());
        return false;
    }
    const bool repeatpair =
        reportedstamp != 0 && key->key() == reportedkey && key->timestamp() == reportedstamp;
    reportedstamp = 0;
    if (repeatpair)
        emit keyupretracted(key->key());
    return false;
}
