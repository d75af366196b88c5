#pragma once

#include "saves/savesdialog.h"

// "Save Game...": writes the career under the typed or picked name. It asks before it replaces
// a saved game other than the one the career was last saved to or loaded from.
class sav : public SavesDialog {
    Q_OBJECT
public:
    sav();
    void Command1_Click() override;

protected:
    void showEvent(QShowEvent* event) override;
};
