// Commands whose windows are not built yet. Each stays a named handler so the menus are
// complete and wired; it does nothing until its window exists.
#include "career/form1.h"

void Form1::Ti_Click() {}
