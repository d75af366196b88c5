#pragma once

#include "saves/savesdialog.h"

// "Save Game...": writes the career under the typed or picked name. It asks before it replaces
// a saved game other than the one the career was last saved to or loaded from.
class sav : public SavesDialog {
    Q_OBJECT
public:
    explicit sav(Career* career);
    void go() override;

protected:
    void showEvent(QShowEvent* event) override;
};
