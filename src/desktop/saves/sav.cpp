#include "saves/sav.h"
#include "common/filewriting.h"

#include "career/career.h"
#include "common/dialogs.h"
#include "common/filename.h"
#include "saves/savedgame.h"

#include <QFileInfo>
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
    career->updatestatus();
    const QString name = filename->text();
    if (name.isEmpty()) {
        nonamegiven();
        return;
    }
    // A name that would lead out of the program folder, or that no file can have, writes
    // nothing; the dialog stays so the player can choose another.
    if (!isplainfilename(name, QStringLiteral(".kvr"))) {
        msgbox(QStringLiteral("A game can't be saved as \"") + name +
                   QStringLiteral("\". Choose a name without \"/\" that is not too long."),
               MsgIcon::Error, QStringLiteral("Error"));
        return;
    }
    // A file whose name begins with a dot is hidden: the Load list would never show it.
    if (name.startsWith(QLatin1Char('.'))) {
        msgbox(QStringLiteral("A game can't be saved as \"") + name +
                   QStringLiteral("\": a name that begins with a dot makes a hidden file, which "
                                  "the Load list does not show. Choose another name."),
               MsgIcon::Error, QStringLiteral("Error"));
        return;
    }

    // What the status panel shows, as the game has always saved it.
    const CareerState& shown = career->shown();
    const SavedGame game{shown.playername, shown.money,   shown.rank,
                         shown.days,       career->log(), QString::number(shown.training)};
    // One key on a picked row must not replace another career, or this one's later day.
    const QFileInfo existing(gamefile());
    if (existing.exists() && !existing.isDir() && gamefile() != career->file() &&
        msgbox(name + QStringLiteral(".kvr holds another saved game. Replace it?"),
               MsgIcon::Question, QStringLiteral("Save Game..."),
               MsgButtons::YesNoDefaultNo) != MsgResult::Yes) {
        filename->setFocus();
        return;
    }
    // Written beside the old game and renamed over it, so a failed write leaves that one whole.
    if (!replacefile(gamefile(), savedgamebytes(game))) {
        msgbox(QStringLiteral("The game could not be saved as ") + name +
                   QStringLiteral(".kvr. Any game saved under that name before is unchanged."),
               MsgIcon::Error, QStringLiteral("Error"));
        return;
    }
    career->markcareer(gamefile());
    refresh();
    msgbox(QStringLiteral("File saved!"), MsgIcon::Exclamation, QStringLiteral("Saved."));
    hide();
}
