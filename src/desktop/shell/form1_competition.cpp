#include "career/career.h"
#include "shell/form1.h"

#include "common/controls.h"
#include "common/sidewindow.h"
#include "competition/frmcars.h"
#include "competition/frmcomp.h"

// Check Competition: shows the day's list, once a day.
void Form1::checkcompetitions() {
    showtofront(sidewindow(competitionlist, this, career));
    career->use(Activity::Competition);
}

void Form1::generatecompetitions() {
    const bool fresh = !competitionlist;
    frmcomp* list = sidewindow(competitionlist, this, career);
    if (fresh)
        connect(list, &frmcomp::joined, this,
                [this](std::int32_t prize) { race()->startgame(prize); });
    list->generate();
}
