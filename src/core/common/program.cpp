#include "common/program.h"

#include <QCoreApplication>

namespace {
std::function<void()>& ending() {
    static std::function<void()> f;
    return f;
}
std::function<void()>& pump() {
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
    if (pump())
        pump()();
}

void setdoevents(std::function<void()> f) {
    pump() = std::move(f);
}
