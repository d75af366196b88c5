#pragma once

#include <QObject>
#include <QPointer>

#include <utility>

// A side window is created on first use and, unless its close box discards it first (the
// pointer then reads null), lives as long as its owner, the main window. What it is made with
// (the career it shows) is handed to it at its making.
template <typename W, typename... Args>
W* sidewindow(QPointer<W>& slot, QObject* owner, Args&&... args) {
    if (!slot) {
        W* window = new W(std::forward<Args>(args)...);
        if (owner)
            QObject::connect(owner, &QObject::destroyed, window, [window] { delete window; });
        slot = window;
    }
    return slot.data();
}
