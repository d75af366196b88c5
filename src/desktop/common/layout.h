#pragma once

#include "common/accessibility.h"
#include "common/twips.h"

#include <QFont>
#include <QLabel>
#include <QWidget>

#include <type_traits>

// Names a control as the rest of the game knows it and puts it at its place. Labels show their
// text as it is, never as markup: some show what a player typed or a file held.
template <typename T> T* placed(T* control, const char* name, QRect where) {
    control->setObjectName(QLatin1String(name));
    if constexpr (std::is_base_of_v<QLabel, T>)
        control->setTextFormat(Qt::PlainText);
    control->setGeometry(where);
    return control;
}

// The same, with the place given in twips.
template <typename T>
T* placed(T* control, const char* name, int left, int top, int width, int height) {
    return placed(control, name, twipsrect(left, top, width, height));
}

inline QFont arialfont(double points, bool bold = false) {
    QFont font(QStringLiteral("Arial"));
    font.setPointSizeF(points);
    font.setBold(bold);
    return font;
}

// Every side window: named, captioned, in Arial 9, and discarded by its close box so the next
// use starts afresh.
inline void setupsidewindow(QWidget* window, const char* name, const QString& caption) {
    announceaswindow(window);
    window->setObjectName(QLatin1String(name));
    window->setWindowTitle(caption);
    window->setAttribute(Qt::WA_DeleteOnClose);
    window->setFont(arialfont(9));
}
