#include "samples/darkpalette.h"

QPalette darkpalette() {
    QPalette dark(QColor(0x35, 0x35, 0x35));
    const QColor text(0xee, 0xee, 0xee);
    const QColor dim(0x70, 0x70, 0x70);
    for (QPalette::ColorRole role : {QPalette::WindowText, QPalette::Text, QPalette::ButtonText}) {
        dark.setColor(role, text);
        dark.setColor(QPalette::Disabled, role, dim);
    }
    dark.setColor(QPalette::Base, QColor(0x2d, 0x2d, 0x2d));
    dark.setColor(QPalette::Highlight, QColor(0x35, 0x84, 0xe4));
    dark.setColor(QPalette::HighlightedText, Qt::white);
    return dark;
}
