#include "career/form1.h"

#include <QAction>
#include <QPushButton>

void Form1::datechange() {}

// The new-day switches: the once-a-day commands come back and the day's competitions are drawn.
void Form1::days1_Change() {
    ll->setEnabled(true);
    Ti->setEnabled(true);
    generatecompetitions();
    Command2->setEnabled(true);
    cc->setEnabled(true);
}
