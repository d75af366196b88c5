#pragma once

#include "sound/sounds.h"

#include <QByteArray>
#include <QByteArrayView>
#include <QString>

#include <optional>

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

// One line of names and values:
// "keystrider-sound",1,"game",1,"wrongkey",0,"clicks",0,"volume",50,"mute",0
inline const QString soundfilename = QStringLiteral("sound.dat");
// One short line; a file any larger is none of ours.
inline constexpr qint64 largestsoundfile = 4096;

// The settings the bytes keep; none when they keep none (any value damaged, or another tag).
std::optional<SoundSettings> readsoundsettings(QByteArrayView bytes);
QByteArray soundsettingsline(const SoundSettings& settings);
// The kept settings, the defaults when none are kept or the file is damaged; `trouble` says why
// when the file is there and can't be read, and nothing is then to be written over it.
SoundSettings keptsoundsettings(QString& trouble);
// Keeps the settings; false when the file could not be written.
bool keepsoundsettings(const SoundSettings& settings);
