#pragma once

#include <QChar>

// The letter under an accent ("é" → "e", "Ñ" → "N"); a null QChar for a character that is no
// accented letter. A layout that lacks the accented letter lets the player type this one.
QChar baseletter(QChar letter);
