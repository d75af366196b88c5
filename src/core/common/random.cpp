#include "random.h"

#include <bit>
#include <chrono>
#include <cstdint>

namespace {

std::uint64_t splitmix(std::uint64_t& x) {
    std::uint64_t z = (x += 0x9E3779B97F4A7C15ull);
    z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ull;
    z = (z ^ (z >> 27)) * 0x94D049BB133111EBull;
    return z ^ (z >> 31);
}

class MixingGenerator : public RandomSource {
public:
    MixingGenerator() {
        state =
            static_cast<std::uint64_t>(std::chrono::steady_clock::now().time_since_epoch().count());
    }
    double next() override { return static_cast<double>(splitmix(state) >> 11) * 0x1.0p-53; }
    void reseed(double value) override {
        std::uint64_t mixer = std::bit_cast<std::uint64_t>(value);
        state ^= splitmix(mixer);
        splitmix(state);
    }

private:
    std::uint64_t state;
};

MixingGenerator& builtin() {
    static MixingGenerator generator;
    return generator;
}

RandomSource* current = nullptr;

} // namespace

RandomSource& randomsource() {
    if (current)
        return *current;
    return builtin();
}

void setrandomsource(RandomSource* source) {
    current = source;
}

int wholeupto(int n) {
    return static_cast<int>(rnd() * n) + 1;
}
