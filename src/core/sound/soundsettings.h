#pragma once

#include "common/settingsfile.h"
#include "sound/sounds.h"

#include <QByteArray>
#include <QByteArrayView>
#include <QString>

// The player's choice of what is heard, kept in the program folder: game sounds on, the
// wrong-key tick and the key clicks off, at half volume, until the player says otherwise.
struct SoundSettings {
    bool game = true;
    bool wrongkey = false;
    bool clicks = false;
    bool muted = false;
    int volume = 50; // percent, 0 to 100

    bool on(SoundSwitch which) const;
    void set(SoundSwitch which, bool on);
    bool operator==(const SoundSettings&) const = default;
};

// What playsound() follows. The game sets it from the file at start and on every change.
const SoundSettings& soundsettings();
void setsoundsettings(const SoundSettings& settings);

// One line of names and values, read and written by the rule of the settings files
// (common/settingsfile.h):
// "keystrider-sound",1,"game",1,"wrongkey",0,"clicks",0,"volume",50,"mute",0
inline const QString soundfilename = QStringLiteral("sound.dat");
// One short line; a file any larger is none of ours.
inline constexpr qint64 largestsoundfile = 4096;
const SettingsFile& soundfile();

// Takes what is valid of the bytes into `settings` (the defaults for the rest: a volume out of
// range is clamped) and says how they read.
Reading readsoundsettings(QByteArrayView bytes, SoundSettings& settings);
QByteArray soundsettingsline(const SoundSettings& settings);
// The kept settings; `read` says what the player is to be told and whether the file is to be
// left alone. A damaged file is set aside by the first keepsoundsettings(), which tells of it.
SoundSettings keptsoundsettings(SettingsRead& read);
SettingsWrite keepsoundsettings(const SoundSettings& settings);
