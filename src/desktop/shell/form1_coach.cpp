// The typing coach, a side window of its own beside the career.
#include "shell/form1.h"
#include "coach/frmcoach.h"
#include "common/controls.h"
#include "common/sidewindow.h"
#include "stats/statsrecorder.h"

void Form1::showcoach() {
    const bool fresh = !coachwindow;
    showtofront(sidewindow(coachwindow, this));
    coachwindow->setrecorder(typingrecorder);
    if (fresh)
        coachwindow->load();
}

void Form1::practisekey(QChar key) {
    showcoach();
    if (!key.isNull())
        coachwindow->practise(key);
}
