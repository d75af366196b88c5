#include "logbox.h"

#include <QTextCursor>

QString LogBox::text() const {
    QString plain = toPlainText();
    plain.replace(QLatin1Char('\n'), QLatin1String("\r\n"));
    return plain;
}

void LogBox::setText(const QString& newtext) {
    setPlainText(newtext);
}

void LogBox::appendatend(const QString& more) {
    QTextCursor end(document());
    end.movePosition(QTextCursor::End);
    end.insertText(more);
}

void LogBox::movecarettoend() {
    QTextCursor c = textCursor();
    c.movePosition(QTextCursor::End);
    setTextCursor(c);
}
