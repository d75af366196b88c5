#pragma once

#include "coach/keyplan.h"

#include <QStringList>

#include <cstdint>

class DrillWords;

// A small generator of our own: a drill is made again, the same, from the same seed.
class SeededDraw {
public:
    explicit SeededDraw(std::uint64_t seed) : state(seed) {}
    std::uint64_t next();
    // Uniform in [0, n); 0 for n <= 0.
    qsizetype below(qsizetype n);

private:
    std::uint64_t state;
};

inline constexpr int drilllength = 20;
// Fewer real words than this and made-up ones fill the drill up.
inline constexpr int fewestrealwords = 15;

// A weak-keys drill: about twenty entries of keys in play only, each holding the focus key,
// every third one also one of the other keys where the words allow. A letter is drilled in
// words (made-up ones fill up when fewer than fifteen real ones fit), a capital in words that
// begin with it, a digit in numbers, a punctuation mark between or around words as text has it.
// A letter the player mixes up with the focus fills every third entry from the second on, so the
// two come in neighbouring words. Never empty while the focus is in play.
struct BuiltDrill {
    QStringList entries;
    qsizetype madeup = 0; // how many of them were made up
};
BuiltDrill buildweakdrill(const DrillWords& words, const FocusChoice& keys, const QString& inplay,
                          std::uint64_t seed);
