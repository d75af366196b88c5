#pragma once

#include <QColor>

// The calendar's shades of green on a ground, from 1 (under a third of the goal) to 4 (met),
// each at 3:1 or more against the ground and half as much again against the shade before, in a
// light theme and a dark one alike. A day with nothing typed is a box drawn in shade 1 on the
// ground. The boxes stand apart on the ground, so the ground is every box's neighbour.
QColor calendarshade(int shade, const QColor& ground);
// The mark of a frozen day on a box: whichever of the theme's text and ground reads better.
QColor frozenmark(const QColor& fill, const QColor& text, const QColor& ground);
