#include "screenshotframes.h"

#include <QPainter>
#include <QPixmap>
#include <QWidget>

#include <algorithm>
#include <utility>

QImage fitted(QWidget* window) {
    const QSize size = window->size();
    if (size.width() <= storesize.width() && size.height() <= storesize.height())
        return window->grab().toImage();
    // Drawn again at the smaller scale rather than shrunk as pixels, so its text stays sharp.
    const double scale = std::min(double(storesize.width()) / size.width(),
                                  double(storesize.height()) / size.height());
    QImage picture((QSizeF(size) * scale).toSize(), QImage::Format_ARGB32_Premultiplied);
    picture.fill(window->palette().color(QPalette::Window));
    QPainter painter(&picture);
    painter.setRenderHints(QPainter::Antialiasing | QPainter::TextAntialiasing |
                           QPainter::SmoothPixmapTransform);
    painter.scale(scale, scale);
    window->render(&painter);
    return picture;
}

QImage scene(QWidget* behind, QWidget* front, QPoint at) {
    constexpr int margin = 24;
    constexpr int shadow = 4;
    const QRect back(QPoint(margin, margin), behind->size());
    const QRect over(back.topLeft() + at, front->size());
    const QRect all = back.united(over).adjusted(-margin, -margin, margin, margin);
    QImage picture(all.size(), QImage::Format_ARGB32_Premultiplied);
    picture.fill(QColor(0xd6, 0xdc, 0xe6));
    QPainter painter(&picture);
    painter.translate(-all.topLeft());
    for (const auto& [window, place] : {std::pair{behind, back}, std::pair{front, over}}) {
        painter.fillRect(place.translated(shadow, shadow), QColor(0, 0, 0, 48));
        painter.drawPixmap(place.topLeft(), window->grab());
        painter.setPen(QColor(0x70, 0x78, 0x88));
        painter.drawRect(place.adjusted(-1, -1, 0, 0));
    }
    return picture;
}
