#include "saves/sav.h"

#include "career/career.h"
#include "common/dialogs.h"

#include <QLineEdit>
#include <QShowEvent>

sav::sav(Career* career) : SavesDialog(career, "sav", tr("Save Game..."), 4755, tr("Save")) {
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
        msgbox(
            tr("A game can't be saved as \"%1\". Choose a name without \"/\" that is not too long.")
                .arg(name),
            MsgIcon::Error, tr("Error"));
        return;
    case SaveCheck::Hidden:
        msgbox(tr("A game can't be saved as \"%1\": a name that begins with a dot makes a hidden "
                  "file, which the Load list does not show. Choose another name.")
                   .arg(name),
               MsgIcon::Error, tr("Error"));
        return;
    case SaveCheck::ReplacesAnother:
        if (msgbox(tr("%1.kvr holds another saved game. Replace it?").arg(name), MsgIcon::Question,
                   tr("Save Game..."), MsgButtons::YesNoDefaultNo) != MsgResult::Yes) {
            filename->setFocus();
            return;
        }
        break;
    case SaveCheck::Ready:
        break;
    }
    if (!savedgames.write(*career)) {
        msgbox(tr("The game could not be saved as %1.kvr. Any game saved under that name before "
                  "is unchanged.")
                   .arg(name),
               MsgIcon::Error, tr("Error"));
        return;
    }
    refresh();
    msgbox(tr("File saved!"), MsgIcon::Exclamation, tr("Saved."));
    hide();
}
