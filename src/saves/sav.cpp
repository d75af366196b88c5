#include "saves/sav.h"

#include "career/form1.h"
#include "common/dialogs.h"
#include "common/filename.h"
#include "common/logbox.h"
#include "common/number.h"
#include "common/textfile.h"
#include "common/watchlabel.h"
#include "saves/savedgame.h"

#include <QFileInfo>
#include <QLineEdit>
#include <QShowEvent>

sav::sav() : SavesDialog("sav", QStringLiteral("Save Game..."), 4755, QStringLiteral("Save")) {
    connect(txtpath, &QLineEdit::returnPressed, this, &sav::Command1_Click);
}

// Each opening starts in Filename, so a name typed at once goes there and Enter saves it.
void sav::showEvent(QShowEvent* event) {
    SavesDialog::showEvent(event);
    if (!event->spontaneous())
        txtpath->setFocus();
}

void sav::Command1_Click() {
    Form1* main = Form1::instance();
    if (!main)
        return;
    main->updatestatus();
    const QString name = txtpath->text();
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

    SavedGame game;
    game.playername = main->nama1->text();
    game.money = textint32(main->money1->text());
    game.rank = textint16(main->rank1->text());
    game.days = textint32(main->days1->text());
    game.log = main->txtlog->text();
    game.training = main->train1->text();
    // One key on a picked row must not replace another career, or this one's later day.
    const QFileInfo existing(gamefile());
    if (existing.exists() && !existing.isDir() && gamefile() != main->careerfile &&
        msgbox(name + QStringLiteral(".kvr holds another saved game. Replace it?"),
               MsgIcon::Question, QStringLiteral("Save Game..."),
               MsgButtons::YesNoDefaultNo) != MsgResult::Yes) {
        txtpath->setFocus();
        return;
    }
    // Written beside the old game and renamed over it, so a failed write leaves that one whole.
    if (!replacefile(gamefile(), savedgamebytes(game))) {
        msgbox(QStringLiteral("The game could not be saved as ") + name +
                   QStringLiteral(".kvr. Any game saved under that name before is unchanged."),
               MsgIcon::Error, QStringLiteral("Error"));
        return;
    }
    main->markcareer(gamefile());
    refresh();
    msgbox(QStringLiteral("File saved!"), MsgIcon::Exclamation, QStringLiteral("Saved."));
    hide();
}
