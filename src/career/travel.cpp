#include "career/form1.h"

void Form1::country_Click(QAction*) {}
void Form1::clearcountries() {}
