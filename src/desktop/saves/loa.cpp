#include "saves/loa.h"

#include "career/career.h"
#include "common/controls.h"
#include "common/dialogs.h"
#include "common/program.h"
#include "saves/savedgame.h"

#include <QLineEdit>
#include <QListWidget>

loa::loa(Career* career) : SavesDialog(career, "loa", tr("Load Game"), 4680, tr("Load")) {
    // Filled only by picking a game from the list.
    filename->setReadOnly(true);
    selectfirstonfocus(games);
}

void loa::go() {
    if (!career)
        return;
    if (currenttext(games).isEmpty()) {
        nonamegiven();
        return;
    }
    // Read and checked whole before anything changes: a damaged file never becomes a career,
    // and the one in play stays. The dialog stays for another pick.
    SavedGameRead read = savedgames.read(filename->text());
    if (read.fault != SaveFault::None) {
        msgbox(savefaultmessage(read, filename->text() + QStringLiteral(".kvr")), MsgIcon::Error,
               tr("Error"));
        return;
    }
    career->load(std::move(read.game));
    msgbox(tr("File loaded!"), MsgIcon::Exclamation, tr("Loaded."));
    // The program may have ended while the box was open (the failure ending, the close box).
    if (programended())
        return;
    hide();
    emit gameloaded();
    career->backtosingapore(gamefile());
}
