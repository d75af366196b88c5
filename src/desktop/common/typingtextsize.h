#pragma once

#include <QFont>
#include <QObject>
#include <QRect>
#include <QSize>

class QLabel;
class QLineEdit;
class QWidget;

// Ctrl++, Ctrl+- and Ctrl+0 in a window that types: the text to type and the typing box drawn
// larger, smaller and back, in every such window at once and after a restart (textsize.dat).
// A window of fixed size grows to hold them: the two are drawn taller and wider, and what lies
// below or beside them moves; a window laid out by layouts grows by itself.
class TypingTextSize : public QObject {
    Q_OBJECT
public:
    // `beside` keeps to its row, the target's or the box's, and to its side of it, in a window of
    // fixed size (one laid out by layouts places it itself); none for none.
    TypingTextSize(QWidget* window, QLabel* target, QLineEdit* box, QWidget* beside = nullptr);
    // The size every window draws now, in percent.
    static int percent();
    // The player's step: kept, and every window follows.
    static void change(int percent);

signals:
    // After the window was drawn at its new size; for a window that sizes more itself.
    void resized();

private:
    void apply(int percent);
    QWidget* window;
    QLabel* target;
    QLineEdit* box;
    QWidget* beside;
    QFont targetfont, boxfont;
    // A fixed window's size and places at 100 %; none for one laid out by layouts.
    bool fixed = false;
    QSize windowsize;
    QRect targetplace, boxplace, besideplace;
};
