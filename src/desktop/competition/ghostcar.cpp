#include "competition/ghostcar.h"

#include "common/layout.h"
#include "competition/carrace.h"

#include <QPainter>

namespace {

// The player's car picture, as it is drawn on the track.
constexpr int carheight = 765;
// Room under the car for whose race it is.
constexpr int tagheight = 225;

// The picture's black ground goes, so the track and its lines show through as they would
// through the car.
QImage withoutground(const QImage& picture) {
    QImage out = picture.convertToFormat(QImage::Format_ARGB32);
    for (int y = 0; y < out.height(); ++y) {
        auto* row = reinterpret_cast<QRgb*>(out.scanLine(y));
        for (int x = 0; x < out.width(); ++x) {
            const QRgb p = row[x];
            if (std::max({qRed(p), qGreen(p), qBlue(p)}) < 24)
                row[x] = qRgba(0, 0, 0, 0);
        }
    }
    return out;
}

} // namespace

GhostCar::GhostCar(QWidget* parent)
    : QWidget(parent), car(withoutground(QImage(QStringLiteral(":/car2.png")))) {
    setAttribute(Qt::WA_TransparentForMouseEvents);
    resize(twips(track::playerwidth), twips(carheight + tagheight));
    setFont(arialfont(7, true));
}

void GhostCar::setwhose(const QString& text) {
    whose = text;
    setAccessibleName(text);
    update();
}

void GhostCar::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    const QRect body(0, 0, width(), twips(carheight));
    // On the track, which is black in every theme: light marks read on it.
    painter.setOpacity(0.45);
    painter.drawImage(body, car);
    painter.setOpacity(1);
    painter.setPen(QPen(QColor(0xd8, 0xd8, 0xd8), 1, Qt::DashLine));
    painter.drawRect(body.adjusted(0, 0, -1, -1));
    const QRect tag(0, body.bottom() + 1, width(), height() - body.height());
    const QString text = painter.fontMetrics().elidedText(whose, Qt::ElideRight, tag.width() - 4);
    QRect room = painter.fontMetrics().boundingRect(tag, Qt::AlignHCenter | Qt::AlignTop, text);
    painter.fillRect(room.adjusted(-2, 0, 2, 0), Qt::black);
    painter.setPen(Qt::white);
    painter.drawText(tag, Qt::AlignHCenter | Qt::AlignTop, text);
}
