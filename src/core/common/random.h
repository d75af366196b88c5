#pragma once

// The one process-wide random generator of the game.
class RandomSource {
public:
    virtual ~RandomSource() = default;
    // Uniform in [0, 1).
    virtual double next() = 0;
    // Mixes the value into the state; the sequence goes on, it does not restart.
    virtual void reseed(double value) = 0;
};

RandomSource& randomsource();
// Tests install a scripted source; nullptr restores the built-in generator.
void setrandomsource(RandomSource* source);

inline double rnd() {
    return randomsource().next();
}
inline void randomize(double value) {
    randomsource().reseed(value);
}
// A whole number from 1 to n.
int wholeupto(int n);
