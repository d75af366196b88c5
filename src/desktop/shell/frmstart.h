#pragma once

#include <QWidget>

#include <functional>

class QPushButton;

// The way in while the main window is still hidden, once the File pop-up of the start went
// without a choice: the File menu's three choices as buttons, in a window of its own with a place
// in the task bar, so the pop-up need not come back and hold the pointer and keyboard. Its close
// box ends the program as Exit does.
class frmstart : public QWidget {
    Q_OBJECT
public:
    // Each button does what the File menu's item of that name does.
    frmstart(std::function<void()> newgame, std::function<void()> loadgame,
             std::function<void()> exitgame);

    QPushButton* cmdnew;
    QPushButton* cmdload;
    QPushButton* cmdexit;

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    std::function<void()> exitgame;
};
