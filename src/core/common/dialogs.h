#pragma once

#include <QString>

#include <optional>

enum class MsgIcon { None, Information, Exclamation, Error, Question };
// YesNoDefaultNo: Enter answers No, for a question whose Yes loses something.
enum class MsgButtons { Ok, YesNo, YesNoDefaultNo };
enum class MsgResult { Ok, Yes, No };

// Modal message and input boxes, behind one interface: the game installs the desktop's boxes at
// start, tests install scripted answers.
class Dialogs {
public:
    virtual ~Dialogs() = default;
    virtual MsgResult message(const QString& text, const QString& title, MsgIcon icon,
                              MsgButtons buttons) = 0;
    // Nothing when the box was cancelled.
    virtual std::optional<QString> input(const QString& prompt, const QString& title,
                                         const QString& defaulttext) = 0;
    // A file to write, starting at `suggested`; Cancel gives the empty text, as do answerers
    // that have no file dialog.
    virtual QString savefile(const QString& title, const QString& suggested,
                             const QString& filter) {
        Q_UNUSED(title);
        Q_UNUSED(suggested);
        Q_UNUSED(filter);
        return {};
    }
    // An input box for a folder: input()'s box with a "Browse..." button that fills it from
    // choosefolder(). Answerers that have no chooser show the plain input box.
    virtual std::optional<QString> folderinput(const QString& prompt, const QString& title,
                                               const QString& defaulttext) {
        return input(prompt, title, defaulttext);
    }
    // The desktop's folder chooser, starting at `start`; Cancel gives the empty text, as do
    // answerers that have none.
    virtual QString choosefolder(const QString& title, const QString& start) {
        Q_UNUSED(title);
        Q_UNUSED(start);
        return {};
    }
};

// Installs the boxes every later call shows; with none installed (nullptr), a box is answered
// at once as if the player pressed Enter on it: OK, No, or a cancelled input.
void setdialogs(Dialogs* dialogs);

// A box given no title shows the game's title.
inline const QString defaulttitle = QStringLiteral("KVR");

MsgResult msgbox(const QString& text, MsgIcon icon = MsgIcon::None,
                 const QString& title = QString(), MsgButtons buttons = MsgButtons::Ok);
// Cancel gives the empty text, an ordinary answer to most callers.
QString inputbox(const QString& prompt, const QString& title = QString(),
                 const QString& defaulttext = QString());
// For the callers that back out on Cancel: nothing when the box was cancelled.
std::optional<QString> askinput(const QString& prompt, const QString& title = QString(),
                                const QString& defaulttext = QString());
bool isyesno(MsgButtons buttons);
QString savefilebox(const QString& title, const QString& suggested, const QString& filter);
// An input box for a folder, with a "Browse..." button beside the box; Cancel gives the empty
// text, as inputbox() does.
QString folderbox(const QString& prompt, const QString& title = QString(),
                  const QString& defaulttext = QString());
// The folder chooser behind "Browse...": the empty text on Cancel.
QString choosefolderbox(const QString& title, const QString& start);
