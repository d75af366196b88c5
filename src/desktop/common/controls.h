#pragma once

#include <QPointer>
#include <QWidget>

#include <functional>

class QAbstractItemView;
class QComboBox;
class QLabel;
class QLineEdit;
class QListWidget;
class QMenuBar;
class QPoint;
class QPushButton;
class QString;

// A tooltip that shows `text` as it is. Qt takes a tooltip that looks like markup for rich
// text, and rich text loads what an <img> names: a name such as <img src='/dev/zero'> would
// read that file until memory runs out.
QString plaintooltip(const QString& text);

// A list to choose from and its caption before it, the caption its accessible name and the
// label's; the label given as its buddy.
QComboBox* captionedbox(QWidget* parent, const QString& caption, const char* labelname,
                        const char* boxname, QLabel*& label);

// Selects the row, or no row at all for -1.
void setcurrentrow(QListWidget* list, int row);
// The selected row's text, empty when no row is selected.
QString currenttext(const QListWidget* list);

// The box targets are typed into: bold Arial 15.75 in blue on white, named for screen readers,
// and kept free of any selection, as below.
void maketypingbox(QLineEdit* box);

// Keeps a typing box free of any selection: whatever gets selected, with mouse or keys, is
// dropped at once and the caret rests where the selection started. Reacts to the selection
// changing, so an idle game costs nothing.
void keepselectionempty(QLineEdit* box);

// Empties a typing box and its undo history: Ctrl+Z must not bring back an entry already typed
// and let it match a second time.
void emptytypingbox(QLineEdit* box);

// Return or Enter on a list does what its double click does, so the keyboard can do it too.
void onenterkey(QAbstractItemView* list, std::function<void()> handler);

// A list the keyboard moves into with no row selected selects its first row, so Enter acts at
// once; the focus alone would only put a current row there that Enter does not take.
void selectfirstonfocus(QListWidget* list);

// Escape closes the window as its close box does.
void closeonescape(QWidget* window);

// The focus a command of the menu bar leaves behind (a dialog it opened closes, a window it
// showed hides) lands on the bar, where nothing shows it: it goes back to the control that had
// it before. The bar keeps the focus the player gives it with Alt or F10.
void returnfocusfrommenubar(QMenuBar* bar);

// Return or Enter presses the focused push button of any window, as Space does; dialogs already
// do it for their own buttons. Installed once for the whole program.
void enterpressesbuttons();

// Where a button's pop-up opens: at the pointer when the pointer is on the button, as after a
// click; under the button when it was pressed from the keyboard with the pointer elsewhere.
QPoint popupplace(const QWidget* button);

// Space presses the button as soon as it goes down, not when it comes up: a pop-up menu opened
// on the release has no key press to belong to, and Wayland then does not show it.
void clickonspacedown(QPushButton* button);

// Whether the game runs natively on Wayland, which places windows itself and lets a pop-up
// appear only beside a window of its own.
bool onwayland();

// Backspace and Delete, the keys that count as corrections.
bool iscorrectionkey(int key);

// Modeless show, brought to the front (on Wayland a window already shown is mapped afresh,
// the one way there to bring it forward).
void showtofront(QWidget* window);
// Places a window in the middle of the primary screen's free area.
void centreonscreen(QWidget* window);

// Hands the focus back, at the end of its scope, to the control of the window that held it at
// the start: writing to the event log takes the focus, and the player's place should not move.
class FocusKeeper {
public:
    explicit FocusKeeper(QWidget* window) : control(window->focusWidget()) {}
    ~FocusKeeper() {
        if (control)
            control->setFocus();
    }
    FocusKeeper(const FocusKeeper&) = delete;
    FocusKeeper& operator=(const FocusKeeper&) = delete;

private:
    QPointer<QWidget> control;
};
