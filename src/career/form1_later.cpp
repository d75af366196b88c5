// Commands whose windows are not built yet. Each stays a named handler so the menus are
// complete and wired; it does nothing until its window exists.
#include "career/form1.h"

void Form1::saver_Click() {}
void Form1::loader_Click() {}
void Form1::cheater_Click() {}
void Form1::createdisk_Click() {}
void Form1::loaddisk_Click() {}
void Form1::fightdisk_Click() {}
void Form1::timmac_Click() {}
void Form1::ll_Click() {}
void Form1::command5_Click() {}
