#pragma once
#include "common/bytetext.h"

#include <cstdint>

// The time an exercise has run, as its clock shows it.
namespace elapsed {
// The whole seconds of a span of milliseconds, to the nearest: a timer tick a little
// early or late still shows its own second. A span below zero is 0.
std::int64_t seconds(std::int64_t ms);
// "h:mm:ss" for a number of seconds. Ten hours or more write two hour digits.
ByteText text(std::int64_t seconds);
}  // namespace elapsed
