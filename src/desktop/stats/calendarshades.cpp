#include "stats/calendarshades.h"

#include "keyboard/keyboardcolours.h"

#include <cmath>

namespace {

constexpr double groundcontrast = 3.0;
constexpr double stepcontrast = 1.5;

double luminance(const QColor& c) {
    auto channel = [](double v) {
        return v <= 0.03928 ? v / 12.92 : std::pow((v + 0.055) / 1.055, 2.4);
    };
    return 0.2126 * channel(c.redF()) + 0.7152 * channel(c.greenF()) + 0.0722 * channel(c.blueF());
}

QColor green(double lightness) {
    return QColor::fromHslF(0.37f, 0.65f, static_cast<float>(lightness));
}

// A green of the luminance asked for, or just darker or lighter: lightness moves luminance one
// way only, so halving finds it.
QColor greenof(double target, bool darker) {
    double low = 0, high = 1;
    for (int i = 0; i < 30; ++i) {
        const double mid = (low + high) / 2;
        (luminance(green(mid)) < target ? low : high) = mid;
    }
    return green(darker ? low : high);
}

} // namespace

QColor calendarshade(int shade, const QColor& ground) {
    const int step = std::clamp(shade, 1, 4) - 1;
    const double g = luminance(ground) + 0.05;
    // A little beyond, so the colour's 8-bit channels never fall short.
    const double ratio = groundcontrast * std::pow(stepcontrast, step) * 1.02;
    // Darker on a light ground, lighter on a dark one; the goal met stands out most.
    const bool light = ground.lightness() >= 128;
    const double target = light ? g / ratio - 0.05 : g * ratio - 0.05;
    return greenof(std::clamp(target, 0.0, 1.0), light);
}

QColor frozenmark(const QColor& fill, const QColor& text, const QColor& ground) {
    return contrast(fill, text) >= contrast(fill, ground) ? text : ground;
}
