// Built only by the coreguard test, which expects this to fail: a rule may not draw.
#include <QtGui/QColor>

QColor rulecolour() {
    return Qt::red;
}
