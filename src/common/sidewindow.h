#pragma once

#include <QObject>
#include <QPointer>

// A side window is created on first use and, unless its close box discards it first (the
// pointer then reads null), lives as long as its owner, the main window.
template <typename W> W* sidewindow(QPointer<W>& slot, QObject* owner) {
    if (!slot) {
        W* window = new W;
        if (owner)
            QObject::connect(owner, &QObject::destroyed, window, [window] { delete window; });
        slot = window;
    }
    return slot.data();
}
