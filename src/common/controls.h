#pragma once

class QLineEdit;
class QListWidget;
class QString;
class QWidget;

// Selects the first row whose text is exactly the given one, or no row when none has it.
void setcurrenttext(QListWidget* list, const QString& text);
// The selected row's text, empty when no row is selected.
QString currenttext(const QListWidget* list);

// Keeps a typing box free of any selection: whatever gets selected, with mouse or keys, is
// dropped at once and the caret rests where the selection started. Reacts to the selection
// changing, so an idle game costs nothing.
void keepselectionempty(QLineEdit* box);

// Empties a typing box and its undo history: Ctrl+Z must not bring back an entry already typed
// and let it match a second time.
void emptytypingbox(QLineEdit* box);

// Backspace and Delete, the keys that count as corrections.
bool iscorrectionkey(int key);

// Modeless show, brought to the front.
void showtofront(QWidget* window);
// Places a window in the middle of the primary screen's free area.
void centreonscreen(QWidget* window);
