#include "program.h"

#include <QApplication>
#include <QWidget>

namespace {
std::function<void()>& ending() {
    static std::function<void()> f;
    return f;
}
bool ended = false;
} // namespace

void endprogram() {
    ended = true;
    if (ending()) {
        ending()();
        return;
    }
    for (QWidget* w : QApplication::topLevelWidgets())
        w->hide();
    QCoreApplication::exit(0);
}

bool programended() {
    return ended;
}

void setendprogram(std::function<void()> f) {
    ending() = std::move(f);
}

void resetprogramended() {
    ended = false;
}

void doevents() {
    QCoreApplication::processEvents();
}
