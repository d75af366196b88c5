#include "career/form1.h"

#include "common/controls.h"
#include "common/sidewindow.h"
#include "typing/frmp.h"

// Opens typing practice; pressed again while it is open, only brings it to the front.
void Form1::Command1_Click() {
    showtofront(sidewindow(practicewindow, this));
}
