#pragma once

#include "saves/savesdialog.h"

// "Load Game": puts a picked saved game back into the main window, one day on, in Singapore.
class loa : public SavesDialog {
    Q_OBJECT
public:
    loa();
    void Command1_Click() override;
};
