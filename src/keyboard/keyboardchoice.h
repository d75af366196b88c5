#pragma once

#include <QString>

#include <optional>

// The layout the player picked for the coach's keyboard drawing, kept in the program folder so
// it holds after a restart: one quoted line, the chooser's key ("de", "us(intl)", or empty for
// the X server's own keymap).
inline const QString keyboardfilename = QStringLiteral("keyboard.dat");
// The kept choice; none when nothing was kept or the file cannot be read.
std::optional<QString> keptkeyboard();
// Keeps the choice; false when the file could not be written.
bool keepkeyboard(const QString& key);
