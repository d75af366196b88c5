#pragma once

#include "common/twips.h"

#include <QFont>
#include <QWidget>

// Names a control as the rest of the game knows it and puts it at its place, given in twips.
template <typename T>
T* placed(T* control, const char* name, int left, int top, int width, int height) {
    control->setObjectName(QLatin1String(name));
    control->setGeometry(twipsrect(left, top, width, height));
    return control;
}

inline QFont arialfont(double points, bool bold = false) {
    QFont font(QStringLiteral("Arial"));
    font.setPointSizeF(points);
    font.setBold(bold);
    return font;
}
