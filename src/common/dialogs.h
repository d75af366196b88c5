#pragma once

#include <QString>

enum class MsgIcon { None, Information, Exclamation, Error, Question };
enum class MsgButtons { Ok, YesNo };
enum class MsgResult { Ok, Yes, No };

// Modal message and input boxes, behind one interface so tests can script the answers.
class Dialogs {
public:
    virtual ~Dialogs() = default;
    virtual MsgResult message(const QString& text, const QString& title, MsgIcon icon,
                              MsgButtons buttons) = 0;
    // Cancel gives the empty text.
    virtual QString input(const QString& prompt, const QString& title,
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
};

// Tests install scripted dialogs; nullptr restores the real boxes.
void setdialogs(Dialogs* dialogs);

// A box given no title shows the game's title.
inline const QString defaulttitle = QStringLiteral("KVR");

MsgResult msgbox(const QString& text, MsgIcon icon = MsgIcon::None,
                 const QString& title = QString(), MsgButtons buttons = MsgButtons::Ok);
QString inputbox(const QString& prompt, const QString& title = QString(),
                 const QString& defaulttext = QString());
QString savefilebox(const QString& title, const QString& suggested, const QString& filter);
