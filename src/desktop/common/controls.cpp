#include "controls.h"

#include "common/layout.h"

#include <QAbstractItemView>
#include <QApplication>
#include <QComboBox>
#include <QCursor>
#include <QDialog>
#include <QEvent>
#include <QFocusEvent>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMenuBar>
#include <QPushButton>
#include <QScreen>
#include <QTimer>

QString plaintooltip(const QString& text) {
    if (text.isEmpty())
        return text;
    // Escaped inside a paragraph that keeps blanks and line breaks, so it reads as it was.
    return QStringLiteral("<p style='white-space:pre-wrap'>") + text.toHtmlEscaped() +
           QStringLiteral("</p>");
}

void setcurrentrow(QListWidget* list, int row) {
    list->setCurrentRow(row);
    if (row < 0)
        list->clearSelection();
}

QString currenttext(const QListWidget* list) {
    const QListWidgetItem* item = list->currentItem();
    return item && item->isSelected() ? item->text() : QString();
}

namespace {

// Qt selects all of a line edit's text when Tab, Shift+Tab or a shortcut gives it the focus.
// That is no selection of the player's: while the box takes the focus, a selection is dropped
// with the caret at the end, where typing goes on.
class FocusWatch : public QObject {
public:
    explicit FocusWatch(QLineEdit* box) : QObject(box) { box->installEventFilter(this); }
    bool takingfocus = false;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() != QEvent::FocusIn || takingfocus)
            return false;
        takingfocus = true;
        static_cast<QLineEdit*>(watched)->event(event);
        takingfocus = false;
        return true;
    }
};

bool isenterkey(const QEvent* event) {
    if (event->type() != QEvent::KeyPress)
        return false;
    const int key = static_cast<const QKeyEvent*>(event)->key();
    return key == Qt::Key_Return || key == Qt::Key_Enter;
}

class EnterKey : public QObject {
public:
    EnterKey(QAbstractItemView* list, std::function<void()> handler)
        : QObject(list), handler(std::move(handler)) {
        list->installEventFilter(this);
    }

protected:
    bool eventFilter(QObject*, QEvent* event) override {
        if (!isenterkey(event))
            return false;
        handler();
        return true;
    }

private:
    std::function<void()> handler;
};

// Sees every key press before the focused control does.
class EnterPresses : public QObject {
protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (!isenterkey(event) || static_cast<QKeyEvent*>(event)->isAutoRepeat())
            return false;
        auto* button = qobject_cast<QPushButton*>(watched);
        if (!button || !button->hasFocus() || qobject_cast<QDialog*>(button->window()))
            return false;
        // A held key presses once, as Space does, so "Next Day" never runs on by itself.
        button->click();
        return true;
    }
};

class EscapeCloses : public QObject {
public:
    explicit EscapeCloses(QWidget* window) : QObject(window) { window->installEventFilter(this); }

protected:
    // Reaches the window when the focused control has no use for the key.
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() != QEvent::KeyPress ||
            static_cast<QKeyEvent*>(event)->key() != Qt::Key_Escape)
            return false;
        static_cast<QWidget*>(watched)->close();
        return true;
    }
};

class FirstRowOnFocus : public QObject {
public:
    explicit FirstRowOnFocus(QListWidget* list) : QObject(list) { list->installEventFilter(this); }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        auto* list = static_cast<QListWidget*>(watched);
        // A click selects the row it lands on by itself.
        if (event->type() == QEvent::FocusIn &&
            static_cast<QFocusEvent*>(event)->reason() != Qt::MouseFocusReason &&
            list->selectedItems().isEmpty() && list->count() > 0)
            list->setCurrentRow(0);
        return false;
    }
};

class MenuBarFocus : public QObject {
public:
    explicit MenuBarFocus(QMenuBar* bar) : QObject(bar), bar(bar) {
        bar->installEventFilter(this);
        connect(qApp, &QApplication::focusChanged, this, [this](QWidget*, QWidget* now) {
            if (now && now != this->bar && now->window() == this->bar->window())
                before = now;
        });
    }

protected:
    bool eventFilter(QObject*, QEvent* event) override {
        if (event->type() != QEvent::FocusIn ||
            static_cast<QFocusEvent*>(event)->reason() == Qt::MenuBarFocusReason)
            return false;
        // Once the focus has settled: moving it while it arrives confuses the window.
        QTimer::singleShot(0, this, [this] {
            if (bar->hasFocus() && !bar->activeAction() && before && before->isVisible() &&
                before->isEnabled())
                before->setFocus(Qt::OtherFocusReason);
        });
        return false;
    }

private:
    QMenuBar* bar;
    QPointer<QWidget> before;
};

class SpaceDown : public QObject {
public:
    explicit SpaceDown(QPushButton* button) : QObject(button) { button->installEventFilter(this); }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        const bool press = event->type() == QEvent::KeyPress;
        if ((!press && event->type() != QEvent::KeyRelease) ||
            static_cast<QKeyEvent*>(event)->key() != Qt::Key_Space)
            return false;
        // The release is swallowed too, so the button does not click a second time.
        if (press && !static_cast<QKeyEvent*>(event)->isAutoRepeat())
            static_cast<QPushButton*>(watched)->click();
        return true;
    }
};

} // namespace

void selectfirstonfocus(QListWidget* list) {
    new FirstRowOnFocus(list);
}

void returnfocusfrommenubar(QMenuBar* bar) {
    new MenuBarFocus(bar);
}

void clickonspacedown(QPushButton* button) {
    new SpaceDown(button);
}

bool onwayland() {
    return QGuiApplication::platformName().startsWith(QLatin1String("wayland"));
}

void closeonescape(QWidget* window) {
    new EscapeCloses(window);
}

void enterpressesbuttons() {
    // Once per application, and owned by it, so it goes when the application does.
    const QString name = QStringLiteral("enterpressesbuttons");
    if (qApp->findChild<QObject*>(name, Qt::FindDirectChildrenOnly))
        return;
    auto* filter = new EnterPresses;
    filter->setObjectName(name);
    filter->setParent(qApp);
    qApp->installEventFilter(filter);
}

QPoint popupplace(const QWidget* button) {
    const QPoint pointer = QCursor::pos();
    // Wayland tells where the pointer is only while it is over one of our windows.
    const bool onbutton = onwayland() ? button->underMouse()
                                      : button->rect().contains(button->mapFromGlobal(pointer));
    if (onbutton)
        return pointer;
    return button->mapToGlobal(QPoint(0, button->height()));
}

void onenterkey(QAbstractItemView* list, std::function<void()> handler) {
    new EnterKey(list, std::move(handler));
}

void keepselectionempty(QLineEdit* box) {
    const auto* focus = new FocusWatch(box);
    QObject::connect(box, &QLineEdit::selectionChanged, box, [box, focus] {
        if (!box->hasSelectedText())
            return;
        const int caret = focus->takingfocus ? box->text().size() : box->selectionStart();
        box->deselect();
        box->setCursorPosition(caret);
    });
}

void maketypingbox(QLineEdit* box) {
    box->setFont(arialfont(15.75, true));
    QPalette colours = box->palette();
    colours.setColor(QPalette::Base, Qt::white);
    colours.setColor(QPalette::Text, Qt::blue);
    box->setPalette(colours);
    box->setAccessibleName(QCoreApplication::translate("Controls", "Typing box"));
    keepselectionempty(box);
}

void emptytypingbox(QLineEdit* box) {
    box->setText(QString());
}

bool iscorrectionkey(int key) {
    return key == Qt::Key_Backspace || key == Qt::Key_Delete;
}

void showtofront(QWidget* window) {
    // Wayland ignores raise() and, without an activation token, activateWindow().
    if (onwayland() && window->isVisible() && !window->isActiveWindow())
        window->hide();
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

QComboBox* captionedbox(QWidget* parent, const QString& caption, const char* labelname,
                        const char* boxname, QLabel*& label) {
    label = new QLabel(caption, parent);
    label->setObjectName(QLatin1String(labelname));
    label->setTextFormat(Qt::PlainText);
    label->setAccessibleName(caption);
    auto* box = new QComboBox(parent);
    box->setObjectName(QLatin1String(boxname));
    box->setAccessibleName(caption);
    label->setBuddy(box);
    return box;
}
