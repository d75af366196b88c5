#include "saves/loa.h"

#include "career/form1.h"
#include "common/controls.h"
#include "common/dialogs.h"
#include "common/logbox.h"
#include "common/number.h"
#include "common/program.h"
#include "common/watchlabel.h"
#include "saves/savedgame.h"

#include <QAction>
#include <QLineEdit>
#include <QListWidget>

loa::loa() : SavesDialog("loa", QStringLiteral("Load Game"), 4680, QStringLiteral("Load")) {
    // Filled only by picking a game from the list.
    txtpath->setReadOnly(true);
    selectfirstonfocus(File1);
}

void loa::Command1_Click() {
    Form1* main = Form1::instance();
    if (!main)
        return;
    if (currenttext(File1).isEmpty()) {
        nonamegiven();
        return;
    }
    // Read and checked whole before anything changes: a damaged file never becomes a career,
    // and the one in play stays. The dialog stays for another pick.
    const SavedGameRead read = loadsavedgame(gamefile());
    if (read.fault != SaveFault::None) {
        msgbox(savefaultmessage(read, txtpath->text() + QStringLiteral(".kvr")), MsgIcon::Error,
               QStringLiteral("Error"));
        return;
    }
    const SavedGame& game = read.game;

    const int newdaysbefore = main->newdaysbegun;
    main->resetvalues();
    const std::int32_t days = addclamped(game.days, 1);
    // Each write may run the new-day switches or the promotion check at once, in this order.
    main->nama1->setText(game.playername);
    main->money1->setText(QString::number(game.money));
    main->rank1->setText(QString::number(game.rank));
    main->days1->setText(QString::number(days));
    main->train1->setText(game.training);
    main->txtlog->setText(game.log);
    main->txtlog->movecarettoend();
    main->reversevalue();
    msgbox(QStringLiteral("File loaded!"), MsgIcon::Exclamation, QStringLiteral("Loaded."));
    // The program may have ended while the box was open (the failure ending, the close box).
    if (programended())
        return;
    hide();
    main->loaded();
    main->clearcountries();
    main->singapore->setChecked(true);
    main->updatelog(QStringLiteral("You travelled back to Singapore!"));
    main->begincareer(newdaysbefore, gamefile());
}
