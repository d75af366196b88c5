#pragma once

#include <QString>

// What the game lets the player hear: each event, the wrong keystroke and the key click.
enum class Sound {
    RaceStart,
    RaceWon,
    RaceLost,
    RankGained,
    MoneyFound,
    MoneyLost,
    BagWindfall,
    BagMishap,
    GambleWon,
    GambleLost,
    TicTacWon,
    TicTacLost,
    TicTacDrawn,
    StrategyLearned,
    DuelWon,
    DuelLost,
    CareerWon,
    CareerLost,
    ExerciseEnded,
    DrillEnded,
    WrongKey,
    KeyClick,
};
inline constexpr int soundcount = static_cast<int>(Sound::KeyClick) + 1;

// The three things a player turns on or off, each on its own.
enum class SoundSwitch { Game, WrongKey, Clicks };
SoundSwitch switchof(Sound sound);

// The recording a sound plays: several events share one (every race, duel and game won sounds
// alike). Recordings are numbered 0 to recordingcount - 1 and named as their files are
// ("won" is sounds/won.wav).
int recordingof(Sound sound);
inline constexpr int recordingcount = 17;
QString recordingname(int recording);
// The click and the tick can come every 50 ms: they play on several voices at once.
int voicesof(int recording);

// The desktop's sound, installed at start as the message boxes are; tests install one that
// records what would be heard. `volume` runs from 0 to 1. Playing never waits on the device.
class Sounds {
public:
    virtual ~Sounds() = default;
    virtual void play(Sound sound, double volume) = 0;
};
// With none installed (nullptr), nothing is heard.
void setsounds(Sounds* sounds);

// Plays the sound when its switch is on and the game is not muted, at the volume chosen.
void playsound(Sound sound);
// A keystroke into a typing box: the tick when it was wrong and the tick is on, else the click.
void playkeystroke(bool wrong);
