#pragma once
// The Chinese page: five reference lines cut blindly from the lesson in 66-byte
// steps, each with its marks row and its edit line.
#include "common/bytetext.h"

#include <array>
#include <string_view>

class RandomSource;

namespace chinese {

constexpr int kLineBytes = 66;
constexpr int kLineCount = 5;

struct Page {
    std::array<ByteText, kLineCount> text;   // chinatext1 .. chinatext5
    std::array<ByteText, kLineCount> marks;  // chinapd1 .. chinapd5
    std::array<ByteText, kLineCount> input;  // chinaput1 .. chinaput5
    int writable = 0;                        // the one line that takes typing, 0-based

    int lessonSize = 0;  // byte length of the lesson
    int lessonPos = 0;   // byte position at which the next page starts
    // The writable line's length at its previous check: only what was added since
    // is judged, whether a commit or a key release comes first.
    int lengthBefore = 0;
    // The line in progress up to the caret at its latest check, and the reference
    // under it: what an ending counts of a line that was not finished.
    ByteText typedText;
    ByteText expectedText;
};

// The start of a lesson from one draw: an odd position below the size, or 0.
int startFromDraw(int lessonSize, int draw);
// The same with the next draw of the source; an empty lesson draws nothing.
int randomStart(int lessonSize, RandomSource& random);

// chinachina: five slices from page.lessonPos, edit lines and marks emptied, line 1
// writable. The snapshot of the abandoned line is dropped, so it is never counted.
void fillPage(Page& page, std::string_view lesson);

}  // namespace chinese
