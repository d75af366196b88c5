#include "watchlabel.h"

WatchLabel::WatchLabel(QWidget* parent) : QLabel(parent) {
    setTextFormat(Qt::PlainText);
}

void WatchLabel::setText(const QString& newtext) {
    if (newtext == text())
        return;
    QLabel::setText(newtext);
    emit changed();
}
