#include "shell/form1.h"

#include "common/controls.h"
#include "common/sidewindow.h"
#include "competition/frmcars.h"
#include "stats/statsrecorder.h"
#include "typing/frmp.h"

// Opens typing practice; pressed again while it is open, only brings it to the front.
void Form1::opentraining() {
    showtofront(sidewindow(practicewindow, this, career));
    practicewindow->setrecorder(typingrecorder);
}

frmcars* Form1::race() {
    sidewindow(racewindow, this, career)->recorder = typingrecorder;
    return racewindow;
}
