#include "sound/sounds.h"
#include "sound/soundsettings.h"

#include <array>

namespace {

Sounds* installed = nullptr;

// Each sound's recording, in the order of Sound.
constexpr std::array<int, soundcount> recordings{
    0,  // RaceStart: start
    1,  // RaceWon: won
    2,  // RaceLost: lost
    3,  // RankGained: rank
    4,  // MoneyFound: found
    5,  // MoneyLost: stolen
    6,  // BagWindfall: windfall
    7,  // BagMishap: mishap
    8,  // GambleWon: doubled
    9,  // GambleLost: busted
    1,  // TicTacWon: won
    2,  // TicTacLost: lost
    10, // TicTacDrawn: drawn
    11, // StrategyLearned: learned
    1,  // DuelWon: won
    2,  // DuelLost: lost
    12, // CareerWon: hired
    13, // CareerLost: gameover
    14, // ExerciseEnded: done
    14, // DrillEnded: done
    15, // WrongKey: tick
    16, // KeyClick: click
};

constexpr std::array<const char*, recordingcount> names{
    "start",  "won",   "lost",    "rank",  "found",    "stolen", "windfall", "mishap", "doubled",
    "busted", "drawn", "learned", "hired", "gameover", "done",   "tick",     "click"};

} // namespace

SoundSwitch switchof(Sound sound) {
    switch (sound) {
    case Sound::WrongKey:
        return SoundSwitch::WrongKey;
    case Sound::KeyClick:
        return SoundSwitch::Clicks;
    default:
        return SoundSwitch::Game;
    }
}

int recordingof(Sound sound) {
    return recordings.at(static_cast<std::size_t>(sound));
}

QString recordingname(int recording) {
    return QLatin1String(names.at(static_cast<std::size_t>(recording)));
}

int voicesof(int recording) {
    return recording == recordingof(Sound::WrongKey) || recording == recordingof(Sound::KeyClick)
               ? 4
               : 1;
}

void setsounds(Sounds* sounds) {
    installed = sounds;
}

void playsound(Sound sound) {
    const SoundSettings& settings = soundsettings();
    if (!installed || settings.muted || !settings.on(switchof(sound)))
        return;
    installed->play(sound, settings.volume / 100.0);
}

void playkeystroke(bool wrong) {
    if (wrong && soundsettings().wrongkey)
        playsound(Sound::WrongKey);
    else
        playsound(Sound::KeyClick);
}
