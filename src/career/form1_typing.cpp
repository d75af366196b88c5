#include "career/form1.h"

// Opens typing practice.
void Form1::Command1_Click() {}
