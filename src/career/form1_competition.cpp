#include "career/form1.h"

// Check Competition: shows the day's list once a day.
void Form1::cc_Click() {}

void Form1::generatecompetitions() {}
