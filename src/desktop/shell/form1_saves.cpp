#include "career/career.h"
#include "shell/form1.h"
#include "shell/frmstart.h"
#include "common/controls.h"
#include "common/sidewindow.h"
#include "saves/loa.h"
#include "saves/sav.h"

void Form1::opensave() {
    showtofront(sidewindow(savewindow, this, career));
}

// The career in play stays until a game is really loaded: closed unused, the dialog leaves it.
void Form1::openload() {
    if (!mayabandoncareer())
        return;
    const bool fresh = !loadwindow;
    loa* dialog = sidewindow(loadwindow, this, career);
    if (fresh)
        connect(dialog, &loa::gameloaded, this, &Form1::loaded);
    // At start-up the Load dialog takes the start window's place, and gives it back when it
    // goes without a load, so the hidden program never runs on with nothing on screen.
    if (startwindow)
        startwindow->hide();
    connect(dialog, &SavesDialog::hidden, this, &Form1::offerstartwindow, Qt::UniqueConnection);
    showtofront(dialog);
}

bool Form1::loadwindowopen() const {
    return loadwindow && loadwindow->isVisible();
}
