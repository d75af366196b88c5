#pragma once

#include "saves/savedgames.h"

#include <QPointer>
#include <QWidget>

class Career;
class QLabel;
class QLineEdit;
class QListWidget;
class QPushButton;

// What the Save and Load dialogs share: the saved games of the program folder in a list, the
// name of the game in a text box, and the dialog's one button. Picking a game puts its name in
// the text box; a double click also presses the button.
class SavesDialog : public QWidget {
    Q_OBJECT
public:
    // Lists the saved games of the program folder afresh.
    void refresh();

    // Picking a game puts its name in the box; picking it twice also presses the button.
    void pickgame();
    void pickgameandgo();
    // The button: saves or loads the game named in the box.
    virtual void go() = 0;

    // The file of the game named in the box.
    QString gamefile() const;

    QListWidget* games;
    QLabel* filenamecaption;
    QLineEdit* filename;
    QPushButton* button;

signals:
    // The dialog went off screen, hidden after use or closed with its close box.
    void hidden();

protected:
    SavesDialog(Career* career, const char* name, const QString& caption, int widthtwips,
                const QString& buttoncaption);
    void hideEvent(QHideEvent* event) override;
    // Tells the player that nothing was given to save or load, and steps aside.
    void nonamegiven();

    // The saved games of the program folder, taken when the dialog is made.
    SavedGames savedgames;
    const QPointer<Career> career;
};
