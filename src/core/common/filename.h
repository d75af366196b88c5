#pragma once

#include <QString>

// Whether a name the player typed, with the ending the game adds to it (".kvr", ".sco"), can
// be a file of the program folder: not empty, no "/" or NUL that would lead elsewhere, not only
// dots, and short enough for the file system to hold. Saved games and the tic-tac-toe roster
// refuse any other name before anything is written.
bool isplainfilename(const QString& name, const QString& ending);

// What the player is told when a name holds a letter the game's files cannot keep
// (fitswindows1252 is false), wherever a typed name goes into a file.
QString namelettersmessage();
