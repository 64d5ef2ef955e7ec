#pragma once
#include <cstdint>

// The one pseudo-random source of the program. Never seeded from the clock, so every
// run draws the same sequence; the first draw is 346.
class RandomSource {
public:
    // A number from 0 to 2^31 - 1.
    int next() {
        state_ = state_ * 0x0000015A00004E35ULL + 1;
        return static_cast<int>((state_ >> 32) & 0x7FFFFFFFULL);
    }

private:
    std::uint64_t state_ = 1;
};
