#include "common/elapsed.h"

#include <cmath>
#include <cstdio>

namespace elapsed {

ByteText text(double startTime, double nowTime) {
    double diff = nowTime - startTime;
    if (diff < 0) diff += 1.0;  // across midnight
    long long ms = std::llround(diff * 86400000.0);
    long long secs = ms / 1000;
    char buf[32];
    std::snprintf(buf, sizeof buf, "%lld:%02lld:%02lld", secs / 3600, (secs / 60) % 60, secs % 60);
    return buf;
}

int minutesField(std::string_view t) {
    const auto colon = t.find(':');
    if (colon == std::string_view::npos || colon + 2 >= t.size()) return 0;
    const char a = t[colon + 1], b = t[colon + 2];
    if (a < '0' || a > '9' || b < '0' || b > '9') return 0;
    return (a - '0') * 10 + (b - '0');
}

int totalMinutes(std::string_view t) {
    const auto colon = t.find(':');
    if (colon == std::string_view::npos || colon == 0) return 0;
    int hours = 0;
    for (size_t i = 0; i < colon; ++i) {
        if (t[i] < '0' || t[i] > '9') return 0;
        hours = hours * 10 + (t[i] - '0');
        if (hours > 10000) return 0;
    }
    return hours * 60 + minutesField(t);
}

}  // namespace elapsed
