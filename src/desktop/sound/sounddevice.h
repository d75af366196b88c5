#pragma once

#include <QList>
#include <QString>

// What the sound module gives the game. The module (keystridersound.so) alone links Qt
// Multimedia and holds the recordings, and the game loads it on a thread of its own once the
// first window shows, so neither the start nor a keystroke waits on the desktop's sound.

struct Recording {
    QString source; // "qrc:/sounds/won.wav"
    int voices = 1; // how many may sound at once
};

// Made, played and destroyed on the one thread that opened it.
class SoundDevice {
public:
    virtual ~SoundDevice() = default;
    // Plays recording number `recording` at `volume` (0 to 1); nothing without a sound output.
    virtual void play(int recording, float volume) = 0;
};

// The module's one entry point, by this name.
using OpenSoundDevice = SoundDevice* (*)(const QList<Recording>& recordings);
inline constexpr char opensounddevicename[] = "keystrider_opensounddevice";
inline constexpr char soundmodulename[] = "keystridersound.so";
