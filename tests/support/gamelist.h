#pragma once

#include <QString>
#include <QStringList>

class SavesDialog;

// The saved games a Save or Load dialog lists, as the player reads them.
QStringList listedgames(const SavesDialog* dialog);
// Clicks the row of that name as the player does, or double-clicks it: a double click's first
// click selects the row.
void pickgame(SavesDialog* dialog, const QString& name, bool twice = false);
