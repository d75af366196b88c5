#pragma once

#include "common/settingsfile.h"

#include <QByteArray>
#include <QByteArrayView>
#include <QString>

// The player's choice of the windows' language (Others, Language), kept in the program folder
// and taken at the next start: one line, read and written by the rule of the settings files
// (common/settingsfile.h): "keystrider-language",1,"language","de". "system", the choice at
// first, follows the desktop; it is kept as the empty choice.
inline const QString languagefilename = QStringLiteral("language.dat");
// One short line; a file any larger is none of ours.
inline constexpr qint64 largestlanguagefile = 4096;
const SettingsFile& languagefile();

// Takes the choice kept into `choice` (empty for System; a language this copy does not speak
// is dropped, as System) and says how the bytes read.
Reading readlanguagechoice(QByteArrayView bytes, QString& choice);
QByteArray languagechoiceline(const QString& choice);
// The choice kept in `folder` (the program folder when empty); `read` says what the player is
// to be told and whether the file is to be left alone. A damaged file is set aside by the next
// keeplanguage(), which tells of it.
QString keptlanguage(SettingsRead& read, const QString& folder = QString());
SettingsWrite keeplanguage(const QString& choice);
