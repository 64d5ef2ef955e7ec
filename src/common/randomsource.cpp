#include "common/randomsource.h"

#include <chrono>
#include <cstdlib>

std::uint64_t RandomSource::startSeed() {
    if (const char* fixed = std::getenv("JAXO_RANDOM_SEED"); fixed && *fixed) {
        char* end = nullptr;
        const unsigned long long v = std::strtoull(fixed, &end, 10);
        if (end && *end == '\0') return v;
    }
    // The clock in nanoseconds, mixed so that starts close in time differ in the high
    // bits the draws are taken from.
    std::uint64_t z = static_cast<std::uint64_t>(std::chrono::system_clock::now().time_since_epoch().count()) +
                      static_cast<std::uint64_t>(std::chrono::steady_clock::now().time_since_epoch().count());
    z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ULL;
    z = (z ^ (z >> 27)) * 0x94D049BB133111EBULL;
    return z ^ (z >> 31);
}
