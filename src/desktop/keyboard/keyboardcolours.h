#pragma once

#include "keyboard/keyboardphysical.h"

#include <QColor>

// A key cap's fill and the colour of its text on it.
struct KeyColours {
    QColor fill;
    QColor text;
};

// Contrast of two colours, (L1 + 0.05) / (L2 + 0.05) on relative luminance: 1 to 21.
double contrast(const QColor& a, const QColor& b);
// The preferred text colour when it reads well (4.5:1) on the fill, else black or white,
// whichever reads better; one of them always reaches 4.5:1.
QColor readabletext(const QColor& fill, const QColor& preferred);

// Each finger's own colour, light enough for dark text.
QColor fingercolour(Finger finger);
// From cool (0, few misses or quick) to hot (1).
QColor heatcolour(double t);
