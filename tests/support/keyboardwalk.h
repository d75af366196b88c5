#pragma once

#include <QList>

class QWidget;

// Shows the window, makes it the active one and presses Tab `presses` times on whatever holds
// the focus, as a player's keyboard would. Returns where the focus was after each press.
QList<QWidget*> tabwalk(QWidget* window, int presses);

// Whether the control can be seen on its window: shown, and inside the window's client area.
bool onscreen(const QWidget* control);
