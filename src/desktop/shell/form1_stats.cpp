// The typing statistics: the window showing what the recorder kept in "stats.dat".
#include "shell/form1.h"
#include "statsmodule/statsopener.h"

void Form1::showstatistics() {
    showstatswindow(this, statswindow, typingrecorder, [this](QChar key) { practisekey(key); });
}
