#include "coach/figurelabel.h"

#include <QEvent>
#include <QPainter>

FigureLabel::FigureLabel(const QString& text, QWidget* parent) : QLabel(text, parent) {
    setAttribute(Qt::WA_OpaquePaintEvent);
}

void FigureLabel::paintEvent(QPaintEvent*) {
    // A drill shows a few hundred figures at most; a cap keeps a very long one bounded.
    if (laidout.size() > 1000)
        laidout.clear();
    auto it = laidout.find(text());
    if (it == laidout.end()) {
        QStaticText figure(text());
        figure.setTextFormat(Qt::PlainText);
        figure.prepare(QTransform(), font());
        it = laidout.insert(text(), figure);
    }
    QPainter painter(this);
    // The label paints its own ground, so the window need not paint under it first.
    painter.fillRect(rect(), palette().brush(backgroundRole()));
    painter.setFont(font());
    painter.setPen(palette().color(foregroundRole()));
    const QRect area = contentsRect();
    painter.drawStaticText(
        QPointF(area.left(), area.top() + (area.height() - it->size().height()) / 2), *it);
}

void FigureLabel::changeEvent(QEvent* event) {
    if (event->type() == QEvent::FontChange)
        laidout.clear();
    QLabel::changeEvent(event);
}
