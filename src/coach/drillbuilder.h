#pragma once

#include "coach/keyhistory.h"

#include <QStringList>

#include <cstdint>

class WordPool;

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

// About twenty entries, each holding the focus key, every third one also holding one of the
// other keys where the sources have such a word. Empty only when the pool lacks the focus key.
QStringList buildweakdrill(const WordPool& pool, const FocusChoice& keys, std::uint64_t seed);

// A pronounceable made-up word holding the key, walked from it backwards and forwards through
// the pool's letter-to-letter table; empty when the pool never has the key.
QString madeupword(const WordPool& pool, QChar key, SeededDraw& draw);
