// Built only by the coreguard test, which expects this to fail: a rule may not show a window.
#include <QtWidgets/QLabel>

void rulelabel() {
    QLabel shown;
}
