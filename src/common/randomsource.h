#pragma once
#include <cstdint>

// The one pseudo-random source of the program. The program seeds it from the clock at
// start-up (startSeed), so each run draws other lessons and test texts; the fixed seed
// gives the same sequence every time, whose first draw is 346.
class RandomSource {
public:
    static constexpr std::uint64_t kFixedSeed = 1;

    RandomSource() = default;
    explicit RandomSource(std::uint64_t seed) : state_(seed) {}

    // A number from 0 to 2^31 - 1.
    int next() {
        state_ = state_ * 0x0000015A00004E35ULL + 1;
        return static_cast<int>((state_ >> 32) & 0x7FFFFFFFULL);
    }

    // The seed of a start: JAXO_RANDOM_SEED when it holds a number (tests repeat a
    // run with it), else one taken from the clock.
    static std::uint64_t startSeed();

private:
    std::uint64_t state_ = kFixedSeed;
};
