#include "career/form1.h"

void Form1::train1_Change() {}
void Form1::Timer2_Timer() {}
void Form1::scoregame() {}
void Form1::scoregame2() {}
