#include "support/accessiblelabels.h"

#include <QAccessible>
#include <QLabel>

QStringList misreadlabels(const QWidget* window) {
    QStringList misread;
    for (QLabel* label : window->findChildren<QLabel*>()) {
        if (label->text().isEmpty() && !label->pixmap().isNull())
            continue;
        const QString reads = QAccessible::queryAccessibleInterface(label)->text(QAccessible::Name);
        // An empty one reads as nothing, not as the title of the group it stands in.
        if (reads != label->text())
            misread << QStringLiteral("%1: reads '%2', shows '%3'")
                           .arg(label->objectName(), reads, label->text());
    }
    return misread;
}
