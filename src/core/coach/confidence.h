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

// The one verdict of whether a key is at the target, which the notes, the ladder, the summary,
// the forecasts and the keys joining all follow: its confidence within this margin of full. A
// key typed at the target's own pace is at the target even while a few keystrokes of its slow
// start still weigh, and it stays there until it falls clearly below: a drill or two of noise
// around the target's pace moves it neither way.
inline constexpr double targetmargin = 0.10;
bool attarget(double confidence);
bool reachedtarget(const KeyStat& stat, int targetwpm);
// The confidence in whole percent as the player reads it, never a figure that reads as at the
// target for a key that is not: 89.6 % is "89 %", not "90 %".
int confidencepercent(double confidence);
