#pragma once

#include "common/accessibility.h"

class QLineEdit;

// "Caps Lock is on" beside a typing box while it is, and nothing while it is off: a label with no
// name of its own, so a screen reader reads its text, told as it changes. The desktop's keyboard
// state says so where it can be asked (X11), and each keystroke in the box says so where it can
// tell: a letter typed upper-case without Shift.
class CapsLockNotice : public SpokenLabel {
    Q_OBJECT
public:
    CapsLockNotice(QLineEdit* box, QWidget* parent);
    bool on() const { return shownon; }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void show(bool on);
    // Asks the desktop, and shows what it says; false when it can't say.
    bool ask();
    bool shownon = false;
};
