// The typing statistics: the window showing what the recorder kept in "stats.dat".
#include "shell/form1.h"
#include "common/controls.h"
#include "common/sidewindow.h"
#include "stats/frmstats.h"
#include "stats/statsrecorder.h"

void Form1::showstatistics() {
    const bool fresh = !statswindow;
    showtofront(sidewindow(statswindow, this));
    if (fresh) {
        statswindow->setrecorder(typingrecorder);
        connect(statswindow, &frmstats::practisekeys, this, &Form1::practisekey);
        statswindow->load();
    }
}
