#pragma once

#include <QRect>
#include <QtMath>

// Window geometry is laid out in twips: 15 to a pixel at 96 dots per inch.
constexpr int twips(double t) {
    return static_cast<int>(t / 15.0 + (t >= 0 ? 0.5 : -0.5));
}

inline QRect twipsrect(int left, int top, int width, int height) {
    return QRect(twips(left), twips(top), twips(width), twips(height));
}
