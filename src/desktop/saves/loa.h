#pragma once

#include "saves/savesdialog.h"

// "Load Game": puts a picked saved game back in place of the career, one day on.
class loa : public SavesDialog {
    Q_OBJECT
public:
    explicit loa(Career* career);
    void go() override;

signals:
    // A game was loaded: the main window shows it and takes the player back to Singapore.
    void gameloaded();
};
