#pragma once
// The one-second clock every exercise runs against.
#include "common/elapsed.h"

#include <cstdint>

struct ClockTick {
    ByteText text;  // what the clock shows, "h:mm:ss"
    bool limitReached = false;
};

// A tick at nowMs of an exercise started at startMs (both Clock::msecs()). The limit is
// reached once the time shown reaches it, however late the tick comes (the process was
// stopped, the machine asleep); the clock then shows the limit itself, the time the
// report measures the speed over.
inline ClockTick clockTick(std::int64_t startMs, std::int64_t nowMs, int limitMinutes) {
    const std::int64_t secs = elapsed::seconds(nowMs - startMs);
    const std::int64_t limit = std::int64_t{limitMinutes} * 60;
    if (secs >= limit) return {elapsed::text(limit), true};
    return {elapsed::text(secs), false};
}
