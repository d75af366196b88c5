#include "support/keyboardwalk.h"

#include <QApplication>
#include <QTest>
#include <QWidget>

QList<QWidget*> tabwalk(QWidget* window, int presses) {
    window->show();
    window->activateWindow();
    if (!QTest::qWaitForWindowActive(window))
        return {};
    QList<QWidget*> visited;
    for (int i = 0; i < presses; ++i) {
        QWidget* at = QApplication::focusWidget() ? QApplication::focusWidget() : window;
        QTest::keyClick(at, Qt::Key_Tab);
        visited.append(QApplication::focusWidget());
    }
    return visited;
}

bool onscreen(const QWidget* control) {
    const QWidget* window = control->window();
    if (!control->isVisibleTo(window))
        return false;
    if (!window->rect().contains(QRect(control->mapTo(window, QPoint(0, 0)), control->size())))
        return false;
    // Nor covered whole by a control stacked above it, at any level up to the window.
    for (const QWidget* w = control; w != window; w = w->parentWidget()) {
        const QObjectList siblings = w->parentWidget()->children();
        for (qsizetype i = siblings.indexOf(w) + 1; i < siblings.size(); ++i) {
            const auto* above = qobject_cast<const QWidget*>(siblings[i]);
            if (above && !above->isWindow() && above->isVisibleTo(window) &&
                above->geometry().contains(w->geometry()))
                return false;
        }
    }
    return true;
}
