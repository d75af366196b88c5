#pragma once

#include <QPalette>

// A dark desktop theme of the kind Adwaita dark gives Qt programs: light text on dark grounds,
// disabled texts a dim grey. Pictures and tests draw the windows with it.
QPalette darkpalette();
