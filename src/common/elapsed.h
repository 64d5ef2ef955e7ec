#pragma once
#include "common/bytetext.h"

// Times are fractions of a day, as the time of day is read.
namespace elapsed {
// "h:mm:ss" for now - start. A run across midnight counts the time after midnight
// on top of the time before it. Ten hours or more write two hour digits.
ByteText text(double startTime, double nowTime);
// The minutes field of an elapsed-time text: the two digits after the first colon
// (bytes 3 and 4 of "h:mm:ss"); 0 when there is none.
int minutesField(std::string_view text);
// The whole minutes of an elapsed-time text, hours included ("1:02:05" is 62); 0 when
// the text is not one.
int totalMinutes(std::string_view text);
}  // namespace elapsed
