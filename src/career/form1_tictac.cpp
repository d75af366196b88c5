#include "career/form1.h"

#include "common/controls.h"
#include "common/sidewindow.h"
#include "tictactoe/tictac.h"

#include <QAction>

// Vivovu Dev Ezi Doz: once a day, until the new-day switches enable the item again.
void Form1::Ti_Click() {
    Ti->setEnabled(false);
    showtofront(sidewindow(tictacwindow, this));
}
