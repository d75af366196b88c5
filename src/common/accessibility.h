#pragma once

class QWidget;

// Side windows are plain widgets; screen readers should still meet them as windows, announced
// by their captions, like the main window and the dialogs.
void announceaswindow(QWidget* window);
