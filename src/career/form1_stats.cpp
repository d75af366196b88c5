// The typing statistics: each exercise and race kept in "stats.dat", and the window showing them.
#include "career/form1.h"
#include "common/controls.h"
#include "common/dialogs.h"
#include "common/programfolder.h"
#include "common/sidewindow.h"
#include "common/textfile.h"
#include "common/watchlabel.h"
#include "stats/frmstats.h"

void Form1::stats_Click() {
    const bool fresh = !statswindow;
    showtofront(sidewindow(statswindow, this));
    if (fresh)
        statswindow->load();
}

void Form1::recordtyping(TypingRecord record) {
    record.career = nama1->text();
    const bool kept = appendtofile(::apppath() + statsfilename, statsline(record));
    if (kept && statswindow)
        statswindow->addrecord(record);
    if (!kept && !statsunwrittenreported) {
        statsunwrittenreported = true;
        msgbox(QStringLiteral("stats.dat could not be written: this exercise or race, and the "
                              "ones after it, are left out of the typing statistics."),
               MsgIcon::Exclamation);
    }
}
