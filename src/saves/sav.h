#pragma once

#include "saves/savesdialog.h"

// "Save Game...": writes the career under the typed or picked name, replacing a game of that
// name without asking.
class sav : public SavesDialog {
    Q_OBJECT
public:
    sav();
    void Command1_Click() override;

protected:
    void showEvent(QShowEvent* event) override;
};
