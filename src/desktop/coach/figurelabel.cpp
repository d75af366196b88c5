#include "coach/figurelabel.h"

#include <QEvent>
#include <QPainter>
#include <QStaticText>

FigureLabel::FigureLabel(const QString& text, QWidget* parent) : QLabel(text, parent) {
    setAttribute(Qt::WA_OpaquePaintEvent);
}

QPixmap FigureLabel::draw() const {
    const qreal ratio = devicePixelRatioF();
    QPixmap picture(size() * ratio);
    picture.setDevicePixelRatio(ratio);
    QStaticText figure(text());
    figure.setTextFormat(Qt::PlainText);
    QPainter painter(&picture);
    // The label paints its own ground, so the window need not paint under it first.
    painter.fillRect(rect(), palette().brush(backgroundRole()));
    painter.setFont(font());
    painter.setPen(palette().color(foregroundRole()));
    figure.prepare(painter.transform(), font());
    const QRect area = contentsRect();
    painter.drawStaticText(
        QPointF(area.left(), area.top() + (area.height() - figure.size().height()) / 2), figure);
    return picture;
}

void FigureLabel::paintEvent(QPaintEvent*) {
    // A drill shows a few hundred figures at most; a cap keeps a very long one bounded.
    if (drawn.size() > 500)
        drawn.clear();
    auto it = drawn.find(text());
    if (it == drawn.end() || it->devicePixelRatio() != devicePixelRatioF())
        it = drawn.insert(text(), draw());
    QPainter(this).drawPixmap(0, 0, *it);
}

void FigureLabel::changeEvent(QEvent* event) {
    // The pictures hold the colours of the moment: an inactive or disabled window has its own.
    switch (event->type()) {
    case QEvent::FontChange:
    case QEvent::PaletteChange:
    case QEvent::StyleChange:
    case QEvent::EnabledChange:
    case QEvent::ActivationChange:
        drawn.clear();
        break;
    default:
        break;
    }
    QLabel::changeEvent(event);
}

void FigureLabel::resizeEvent(QResizeEvent* event) {
    drawn.clear();
    QLabel::resizeEvent(event);
}
