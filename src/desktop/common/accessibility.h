#pragma once

#include <QLabel>

class QWidget;

// Side windows are plain widgets; screen readers should still meet them as windows, announced
// by their captions, like the main window and the dialogs.
void announceaswindow(QWidget* window);

// Tells screen readers that a label without a name of its own shows a new text, which is what
// they read of it: Qt's labels do not, and a screen reader may hold on to the old one.
void tellnamechanged(QWidget* label);

// A label for what a window tells the player as it happens (the coach's note). It carries no
// accessible name, so a screen reader reads its text; a new text is told at once: as its name
// changing, which Qt's own label does not tell, and where Qt has them (6.8 on) as an
// announcement, which a screen reader speaks wherever the focus is.
class SpokenLabel : public QLabel {
    Q_OBJECT
public:
    explicit SpokenLabel(QWidget* parent = nullptr);
    // Hides QLabel::setText on purpose, so every new text is announced.
    void setText(const QString& text);
    void clear() { setText(QString()); }
};
