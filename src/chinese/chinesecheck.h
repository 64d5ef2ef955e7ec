#pragma once
// Checking a Chinese edit line in two-byte units as it is typed, counting a line
// when it is full, and the count of the unfinished line at the end.
#include "exercise/exercisescore.h"
#include "chinese/chinesepage.h"
#include "chinese/codehints.h"
#include "scheme/scheme.h"

#include <string_view>

namespace chinese {

struct CheckResult {
    bool full = false;  // the line was counted and its text cut to the reference
};

// One check of line k of the page: marks the bytes of its edit text (page.input[k])
// added since the previous check, cuts the marks to the caret and, when the caret has
// reached the end of the reference, counts the line and cuts the edit text.
// caretOffset is the caret's 0-based byte offset in the edit text.
// With lastByte the line is full only when the caret has passed its last byte (English
// text on this page: a line of one-byte characters would otherwise end one byte short).
CheckResult checkLine(Page& page, ExerciseScore& s, int k, int caretOffset, bool lastByte = false);

// Adds the units of typed against expected, two bytes at a time, to the counts.
void countUnits(ExerciseScore& s, std::string_view typed, std::string_view expected);

// The ending's count of the line in progress, as far as its latest check saw it; then
// nothing of it is left to count twice.
void finalCount(Page& page, ExerciseScore& s);

struct ChangeResult {
    bool full = false;     // line k was finished
    bool newPage = false;  // and it was the fifth, so a new page was filled
};

// What a commit or a key release in line k runs: the hints at the caret (in the given
// scheme's form; none: Wubi's), the check, and the hand-over to the next line or a new page.
ChangeResult lineChanged(Page& page, HintBar& hints, ExerciseScore& s, std::string_view lesson,
                         const CodeBooks& books, int k, ByteText editText, int caretOffset, bool lastByte = false,
                         const scheme::Scheme* scheme = nullptr);

}  // namespace chinese
