#pragma once

// Every on/off item of a menu as a screen reader meets it: a check box, or a radio button where
// its group allows one choice, read with whether it is on. Qt 6.4 gives a screen reader a plain
// menu item, on or off alike. Installed once, for the whole game.
void readcheckableitems();
