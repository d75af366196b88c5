#pragma once

#include "stats/keyhistory.h"

// Milliseconds per character at a speed: five characters make a word.
double targetms(int targetwpm);

// The two parts of a key's confidence, each from 0 to 1: its speed against the target's, and how
// seldom it is missed (missing one time in twenty still counts as 1).
double speedpart(double ms, int targetwpm);
double accuracypart(double missrate);
// The largest miss rate that still counts as accurate.
inline constexpr double tolerablemissrate = 0.05;

// From 0 to 1; 1 means the key is typed at the target speed and rarely missed; 0 for a key
// never typed. See the README.
double confidence(const KeyStat& stat, int targetwpm);
// A key at full confidence has reached the target.
bool reachedtarget(const KeyStat& stat, int targetwpm);
