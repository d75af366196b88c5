#include "career/form1.h"

#include "common/controls.h"
#include "common/sidewindow.h"
#include "competition/frmcomp.h"

#include <QAction>
#include <QPushButton>

// Check Competition: shows the day's list, once a day.
void Form1::cc_Click() {
    showtofront(sidewindow(competitionlist, this));
    Command2->setEnabled(false);
    cc->setEnabled(false);
}

void Form1::generatecompetitions() {
    sidewindow(competitionlist, this)->generate();
}
