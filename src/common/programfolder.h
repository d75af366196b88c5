#pragma once

#include <QString>

// The folder of the running program with a trailing "/" (the root is used as it is).
// Every file of the game lies here.
QString apppath();

// The folder rule itself, for any executable folder.
QString programfolderfor(const QString& folder);

// Tests point the game at a temporary folder; an empty text restores the real one.
void setprogramfolder(const QString& folder);
