// The typing statistics: the window showing what the recorder kept in "stats.dat".
#include "common/controls.h"
#include "shell/form1.h"
#include "stats/frmstats.h"
#include "statsmodule/statsopener.h"

void Form1::showstatistics() {
    if (statswindow) {
        showtofront(statswindow);
        return;
    }
    statswindow = openstatswindow(this, typingrecorder, [this](QChar key) { practisekey(key); });
}
