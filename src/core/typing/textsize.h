#pragma once

#include "common/settingsfile.h"

#include <QByteArray>
#include <QByteArrayView>
#include <QString>

// How large the text to type and the typing box are drawn in practice, the race and the coach,
// in percent of their own size: Ctrl++ and Ctrl+- go a step up or down, Ctrl+0 back to 100.
inline constexpr int defaulttextsize = 100;
inline constexpr int smallesttextsize = 80;
inline constexpr int largesttextsize = 300;
// The next step up or down from `percent` (which need not be a step), within the range.
int largertextsize(int percent);
int smallertextsize(int percent);

// Kept in the program folder by the rule of the settings files (common/settingsfile.h):
// "keystrider-textsize",1,"percent",125
inline const QString textsizefilename = QStringLiteral("textsize.dat");
inline constexpr qint64 largesttextsizefile = 4096;
const SettingsFile& textsizefile();
// Takes the size into `percent` (clamped into the range; 100 when there is none) and says how
// the bytes read.
Reading readtextsize(QByteArrayView bytes, int& percent);
QByteArray textsizeline(int percent);
// The size kept; `read` says what the player is to be told and whether the file is to be left
// alone.
int kepttextsize(SettingsRead& read);
SettingsWrite keeptextsize(int percent);
