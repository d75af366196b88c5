#pragma once

#include "common/dialogs.h"

#include <memory>

class QInputDialog;
class QMessageBox;

// The desktop's own message, input and file boxes, which the game installs at start.
class DesktopDialogs : public Dialogs {
public:
    MsgResult message(const QString& text, const QString& title, MsgIcon icon,
                      MsgButtons buttons) override;
    std::optional<QString> input(const QString& prompt, const QString& title,
                                 const QString& defaulttext) override;
    QString savefile(const QString& title, const QString& suggested,
                     const QString& filter) override;
    std::optional<QString> folderinput(const QString& prompt, const QString& title,
                                       const QString& defaulttext) override;
    // Through the desktop's portal when the game runs sandboxed, so a USB stick the sandbox
    // can't see can still be chosen.
    QString choosefolder(const QString& title, const QString& start) override;
};

// The boxes, built but not shown; each is at least wide enough to show its whole title.
std::unique_ptr<QMessageBox> messagebox(const QString& text, const QString& title, MsgIcon icon,
                                        MsgButtons buttons);
std::unique_ptr<QInputDialog> inputdialog(const QString& prompt, const QString& title,
                                          const QString& defaulttext);
// The width a box needs for the window manager to show its whole title beside its buttons.
int titlewidth(const QString& title);
