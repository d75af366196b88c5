#include "controls.h"

#include <QGuiApplication>
#include <QLineEdit>
#include <QListWidget>
#include <QScreen>

void setcurrenttext(QListWidget* list, const QString& text) {
    for (int row = 0; row < list->count(); ++row) {
        if (list->item(row)->text() == text) {
            list->setCurrentRow(row);
            return;
        }
    }
    list->setCurrentRow(-1);
    list->clearSelection();
}

QString currenttext(const QListWidget* list) {
    const QListWidgetItem* item = list->currentItem();
    return item && item->isSelected() ? item->text() : QString();
}

void keepselectionempty(QLineEdit* box) {
    QObject::connect(box, &QLineEdit::selectionChanged, box, [box] {
        if (!box->hasSelectedText())
            return;
        const int start = box->selectionStart();
        box->deselect();
        box->setCursorPosition(start);
    });
}

void emptytypingbox(QLineEdit* box) {
    box->setText(QString());
}

bool iscorrectionkey(int key) {
    return key == Qt::Key_Backspace || key == Qt::Key_Delete;
}

void showtofront(QWidget* window) {
    window->show();
    window->raise();
    window->activateWindow();
}

void centreonscreen(QWidget* window) {
    if (const QScreen* screen = QGuiApplication::primaryScreen()) {
        QRect frame = window->frameGeometry();
        frame.moveCenter(screen->availableGeometry().center());
        window->move(frame.topLeft());
    }
}
