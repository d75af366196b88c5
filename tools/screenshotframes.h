#pragma once

#include <QImage>
#include <QPoint>
#include <QSize>

class QWidget;

// The largest picture the software centres take.
inline constexpr QSize storesize(1000, 700);

// The window's picture, drawn smaller, text and all, when it is larger than the stores show.
QImage fitted(QWidget* window);
// `front` over `behind`, `at` from its top-left corner, as a desktop shows two windows: each
// framed and shadowed, on a plain ground.
QImage scene(QWidget* behind, QWidget* front, QPoint at);
