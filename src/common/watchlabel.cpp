#include "watchlabel.h"

#include "common/controls.h"

WatchLabel::WatchLabel(QWidget* parent) : QLabel(parent) {
    setTextFormat(Qt::PlainText);
}

void WatchLabel::setText(const QString& newtext) {
    if (newtext == text())
        return;
    QLabel::setText(newtext);
    // A text the label cuts off, such as a long name, still shows whole when pointed at.
    const bool cut = fontMetrics().horizontalAdvance(newtext) > contentsRect().width();
    setToolTip(cut ? plaintooltip(newtext) : QString());
    emit changed();
}
