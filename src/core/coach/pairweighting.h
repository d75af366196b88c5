#pragma once

#include "stats/pairtimes.h"

#include <QString>

// How common each letter pair is in the words the coach drills: those of the language chosen in
// the coach, else of the keyboard layout `layout` describes, else English. Reads xkeyboard-
// config's registry and a word list: call it away from a window's thread.
PairWeights coachpairweights(const QString& layout);
