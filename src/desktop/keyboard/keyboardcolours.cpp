#include "keyboard/keyboardcolours.h"

#include <algorithm>
#include <cmath>

namespace {

double luminance(const QColor& colour) {
    auto linear = [](double c) {
        return c <= 0.04045 ? c / 12.92 : std::pow((c + 0.055) / 1.055, 2.4);
    };
    const QColor rgb = colour.toRgb();
    return 0.2126 * linear(rgb.redF()) + 0.7152 * linear(rgb.greenF()) +
           0.0722 * linear(rgb.blueF());
}

} // namespace

double contrast(const QColor& a, const QColor& b) {
    const double la = luminance(a);
    const double lb = luminance(b);
    return (std::max(la, lb) + 0.05) / (std::min(la, lb) + 0.05);
}

QColor readabletext(const QColor& fill, const QColor& preferred) {
    if (contrast(fill, preferred) >= 4.5)
        return preferred;
    const QColor black(Qt::black);
    const QColor white(Qt::white);
    return contrast(fill, black) >= contrast(fill, white) ? black : white;
}

QColor fingercolour(Finger finger) {
    // In the order of the fingers, none first.
    static const QRgb colours[] = {0xd0d0d0, 0xf4a6a6, 0xf7c98b, 0xeee07a, 0xa8e0a0,
                                   0xd0d0d0, 0x9fd8e6, 0xa9bff2, 0xd4b3ee, 0xf2b3d4};
    return QColor::fromRgb(colours[static_cast<int>(finger)]);
}

QColor heatcolour(double t) {
    // Green through yellow to red, light enough for dark text at every step.
    const double clamped = std::isfinite(t) ? std::clamp(t, 0.0, 1.0) : 0.0;
    return QColor::fromHsvF(float((1 - clamped) / 3), 0.6f, 0.95f);
}
