#pragma once

#include <QPlainTextEdit>

// A multi-line text box whose text reads back with CR LF line ends, as the saved game and the
// log's entries need it.
class LogBox : public QPlainTextEdit {
    Q_OBJECT
public:
    using QPlainTextEdit::QPlainTextEdit;
    QString text() const;
    // Quick also for a log of megabytes; the lines of a very long one are shown in groups (the
    // scroll bar then settles as the player scrolls through them).
    void setText(const QString& text);
    // Inserts at the end whatever the caret or the selection.
    void appendatend(const QString& text);
    void movecarettoend();
};
