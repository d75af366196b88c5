#include "saves/sav.h"

#include "career/career.h"
#include "common/dialogs.h"

#include <QLineEdit>
#include <QShowEvent>

sav::sav(Career* career)
    : SavesDialog(career, "sav", QStringLiteral("Save Game..."), 4755, QStringLiteral("Save")) {
    connect(filename, &QLineEdit::returnPressed, this, &sav::go);
}

// Each opening starts in Filename, so a name typed at once goes there and Enter saves it.
void sav::showEvent(QShowEvent* event) {
    SavesDialog::showEvent(event);
    if (!event->spontaneous())
        filename->setFocus();
}

void sav::go() {
    if (!career)
        return;
    const QString name = filename->text();
    switch (savedgames.prepare(*career, name)) {
    case SaveCheck::NoName:
        nonamegiven();
        return;
    // A name that would lead out of the program folder, or that no file can have, writes
    // nothing; the dialog stays so the player can choose another.
    case SaveCheck::NotAFileName:
        msgbox(QStringLiteral("A game can't be saved as \"") + name +
                   QStringLiteral("\". Choose a name without \"/\" that is not too long."),
               MsgIcon::Error, QStringLiteral("Error"));
        return;
    case SaveCheck::Hidden:
        msgbox(QStringLiteral("A game can't be saved as \"") + name +
                   QStringLiteral("\": a name that begins with a dot makes a hidden file, which "
                                  "the Load list does not show. Choose another name."),
               MsgIcon::Error, QStringLiteral("Error"));
        return;
    case SaveCheck::ReplacesAnother:
        if (msgbox(name + QStringLiteral(".kvr holds another saved game. Replace it?"),
                   MsgIcon::Question, QStringLiteral("Save Game..."),
                   MsgButtons::YesNoDefaultNo) != MsgResult::Yes) {
            filename->setFocus();
            return;
        }
        break;
    case SaveCheck::Ready:
        break;
    }
    if (!savedgames.write(*career)) {
        msgbox(QStringLiteral("The game could not be saved as ") + name +
                   QStringLiteral(".kvr. Any game saved under that name before is unchanged."),
               MsgIcon::Error, QStringLiteral("Error"));
        return;
    }
    refresh();
    msgbox(QStringLiteral("File saved!"), MsgIcon::Exclamation, QStringLiteral("Saved."));
    hide();
}
