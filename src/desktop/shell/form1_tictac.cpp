#include "career/career.h"
#include "shell/form1.h"

#include "common/controls.h"
#include "common/sidewindow.h"
#include "tictactoe/tictac.h"

// Vivovu Dev Ezi Doz: once a day, until the new-day switches enable the item again.
void Form1::playtictactoe() {
    career->use(Activity::TicTacToe);
    showtofront(sidewindow(tictacwindow, this, career));
}
