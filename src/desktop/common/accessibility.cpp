#include "common/accessibility.h"

#include <QAccessible>
#include <QAccessibleWidget>
#include <QWidget>

namespace {

const char* const marker = "announcedaswindow";

QAccessibleInterface* windowinterface(const QString& classname, QObject* object) {
    auto* widget = qobject_cast<QWidget*>(object);
    // Asked for by the window's own class, before Qt's general widget interface answers.
    if (!widget || !widget->property(marker).toBool() ||
        classname != QLatin1String(widget->metaObject()->className()))
        return nullptr;
    return new QAccessibleWidget(widget, QAccessible::Window);
}

} // namespace

void announceaswindow(QWidget* window) {
    static const bool installed = [] {
        QAccessible::installFactory(windowinterface);
        return true;
    }();
    (void)installed;
    window->setProperty(marker, true);
}

void tellnamechanged(QWidget* label) {
    // Most players run no screen reader: then nothing is made of it, at every keystroke.
    if (!QAccessible::isActive())
        return;
    QAccessibleEvent changed(label, QAccessible::NameChanged);
    QAccessible::updateAccessibility(&changed);
}

SpokenLabel::SpokenLabel(QWidget* parent) : QLabel(parent) {
    setTextFormat(Qt::PlainText);
}

void SpokenLabel::setText(const QString& newtext) {
    if (newtext == text())
        return;
    QLabel::setText(newtext);
    tellnamechanged(this);
#if QT_VERSION >= QT_VERSION_CHECK(6, 8, 0)
    if (!newtext.isEmpty()) {
        QAccessibleAnnouncementEvent announcement(this, newtext);
        QAccessible::updateAccessibility(&announcement);
    }
#endif
}
