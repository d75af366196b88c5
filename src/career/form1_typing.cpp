#include "career/form1.h"

#include "common/controls.h"
#include "typing/frmp.h"

// Opens typing practice; pressed again while it is open, only brings it to the front.
void Form1::Command1_Click() {
    if (!practicewindow) {
        practicewindow = new frmp;
        // The close box abandons the exercise and the next press starts from a fresh window.
        practicewindow->setAttribute(Qt::WA_DeleteOnClose);
    }
    showtofront(practicewindow);
}
