#pragma once

#include <QWidget>

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

    // Handlers.
    void File1_Click();
    void File1_DblClick();
    virtual void Command1_Click() = 0;

    // The file of the game named in txtpath.
    QString gamefile() const;

    QListWidget* File1;
    QLabel* Label1;
    QLineEdit* txtpath;
    QPushButton* Command1;

signals:
    // The dialog went off screen, hidden after use or closed with its close box.
    void hidden();

protected:
    SavesDialog(const char* name, const QString& caption, int widthtwips,
                const QString& buttoncaption);
    void hideEvent(QHideEvent* event) override;
    // Tells the player that nothing was given to save or load, and steps aside.
    void nonamegiven();

    // The program folder, taken when the dialog is made.
    const QString folder;
};
