#include "common/watchlabel.h"

#include "common/controls.h"

#include <QEvent>
#include <QPainter>
#include <QStyle>

WatchLabel::WatchLabel(QWidget* parent) : QLabel(parent) {
    setTextFormat(Qt::PlainText);
}

void WatchLabel::setText(const QString& newtext) {
    if (newtext == text())
        return;
    QLabel::setText(newtext);
    settooltip();
}

// A text the label cuts off, such as a long name, still shows whole when pointed at.
void WatchLabel::settooltip() {
    setToolTip(iscut() ? plaintooltip(text()) : QString());
}

void WatchLabel::changeEvent(QEvent* event) {
    QLabel::changeEvent(event);
    // Cut or not, as its font now draws it.
    if (event->type() == QEvent::FontChange)
        settooltip();
}

bool WatchLabel::iscut() const {
    return fontMetrics().horizontalAdvance(text()) > contentsRect().width();
}

void WatchLabel::paintEvent(QPaintEvent* event) {
    if (!iscut()) {
        QLabel::paintEvent(event);
        return;
    }
    QPainter painter(this);
    drawFrame(&painter);
    const QRect room = contentsRect();
    style()->drawItemText(&painter, room, QStyle::visualAlignment(layoutDirection(), alignment()),
                          palette(), isEnabled(),
                          fontMetrics().elidedText(text(), Qt::ElideRight, room.width()),
                          foregroundRole());
}
