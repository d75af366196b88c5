#pragma once

#include "coach/drillbuilder.h"

#include <QStringList>

class DrillWords;

// Short pieces of code that hold a symbol, as a programmer types them ("%1[%2]", "%1 == %2",
// "#include"), %1 and %2 standing for names; none for a character that is no symbol of the
// Symbols stage.
QStringList symbolfragments(QChar symbol);

// A weak-keys drill on a symbol: about twenty pieces of code that hold it, their names short
// words or single letters of the keys in play, every third piece also one of the other keys
// where one fits. Only pieces whose every character is in play are drawn; a symbol that fits
// none is typed between two names.
BuiltDrill symboldrill(const DrillWords& words, const FocusChoice& keys, const QString& inplay,
                       SeededDraw& draw);
