#pragma once

#include <functional>

class QAbstractItemView;
class QLineEdit;
class QListWidget;
class QPoint;
class QString;
class QWidget;

// Selects the first row whose text is exactly the given one, or no row when none has it.
void setcurrenttext(QListWidget* list, const QString& text);
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

// Escape closes the window as its close box does.
void closeonescape(QWidget* window);

// Return or Enter presses the focused push button of any window, as Space does; dialogs already
// do it for their own buttons. Installed once for the whole program.
void enterpressesbuttons();

// Where a button's pop-up opens: at the pointer when the pointer is on the button, as after a
// click; under the button when it was pressed from the keyboard with the pointer elsewhere.
QPoint popupplace(const QWidget* button);

// Backspace and Delete, the keys that count as corrections.
bool iscorrectionkey(int key);

// Modeless show, brought to the front.
void showtofront(QWidget* window);
// Places a window in the middle of the primary screen's free area.
void centreonscreen(QWidget* window);
