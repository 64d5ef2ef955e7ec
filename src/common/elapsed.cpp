#include "common/elapsed.h"

#include <cstdio>

namespace elapsed {

std::int64_t seconds(std::int64_t ms) { return ms <= 0 ? 0 : (ms + 500) / 1000; }

ByteText text(std::int64_t secs) {
    if (secs < 0) secs = 0;
    char buf[32];
    std::snprintf(buf, sizeof buf, "%lld:%02lld:%02lld", static_cast<long long>(secs / 3600),
                  static_cast<long long>(secs / 60 % 60), static_cast<long long>(secs % 60));
    return buf;
}

}  // namespace elapsed
