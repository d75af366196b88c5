#include "watchlabel.h"

void WatchLabel::setText(const QString& newtext) {
    if (newtext == text())
        return;
    QLabel::setText(newtext);
    emit changed();
}
