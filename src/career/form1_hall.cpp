#include "career/form1.h"

void Form1::hot_Click() {}
