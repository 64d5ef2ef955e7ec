#include "english/englishpractice.h"

#include "exercise/exerciseclock.h"
#include "common/randomsource.h"

#include <algorithm>

namespace english {

int randomStart(int lessonSize, RandomSource& random) {
    if (lessonSize <= 0) return 0;
    return random.next() % lessonSize;
}

std::array<ByteText, kPageLines> cutPage(const ByteText& lesson, int& lessonPos) {
    const int size = bytes::length(lesson);
    std::array<ByteText, kPageLines> lines{};
    for (ByteText& line : lines) {
        line = bytes::copy(lesson, static_cast<long long>(lessonPos) + 1, kLineBytes);
        lessonPos += kLineBytes;
        if (lessonPos >= size) lessonPos = 0;
    }
    return lines;
}

void countBytes(MainWindowState& s, const ByteText& typed, const ByteText& expected) {
    for (s.loopIndex = 1; s.loopIndex <= bytes::length(typed); ++s.loopIndex) {
        s.typedUnit = bytes::copy(typed, s.loopIndex, 1);
        s.expectedUnit = bytes::copy(expected, s.loopIndex, 1);
        if (s.typedUnit == s.expectedUnit) {
            ++s.rightCount;
        } else {
            ++s.wrongCount;
            s.misses.add("key", s.expectedUnit, s.typedUnit);
        }
    }
}

ByteText markLine(const ByteText& reference, const ByteText& input, int caretBytes) {
    // Every mark is worked out again from the line, not appended to the old marks: keys
    // typed faster than they are released, or a caret moved to the right, would
    // otherwise leave marks over the wrong bytes.
    ByteText marks;
    const int n = std::min(caretBytes, std::min(bytes::length(input), bytes::length(reference)));
    marks.reserve(static_cast<size_t>(n));
    for (int i = 0; i < n; ++i) marks += input[static_cast<size_t>(i)] == reference[static_cast<size_t>(i)] ? ' ' : reference[static_cast<size_t>(i)];
    return marks;
}

LineCheck checkLine(MainWindowState& s, const ByteText& reference, const ByteText& input, int caretBytes) {
    s.caretColumn = caretBytes + 1;
    s.typedText = bytes::left(input, s.caretColumn);
    s.expectedText = bytes::left(reference, s.caretColumn);
    s.typedPiece = bytes::copy(input, s.caretColumn - 1, 1);
    s.expectedPiece = bytes::copy(reference, s.caretColumn - 1, 1);

    LineCheck result;
    result.marks = markLine(reference, input, caretBytes);
    if (bytes::length(reference) < s.caretColumn) {
        result.finished = true;
        // The line counts from what its input line holds, marks aside; then its snapshot
        // goes, so that an ending before the next key release does not count it again.
        countBytes(s, input, reference);
        clearSnapshot(s);
    }
    return result;
}

void clearSnapshot(MainWindowState& s) {
    s.typedText.clear();
    s.expectedText.clear();
}

Tick tick(MainWindowState& s, double now) {
    Tick t;
    t.clockText = clockTick(s, now);
    t.timeUp = s.elapsedMinutes == s.settings.practiceMinutes;
    return t;
}

void EnglishPractice::start(const ByteText& lesson, RandomSource& random) {
    s_.rightCount = 0;
    s_.wrongCount = 0;
    s_.misses.clear();
    lesson_ = lesson;
    s_.lessonSize = bytes::length(lesson_);
    s_.lessonPos = randomStart(s_.lessonSize, random);
    fillPage();
}

void EnglishPractice::fillPage() {
    reference_ = cutPage(lesson_, s_.lessonPos);
    for (ByteText& m : marks_) m.clear();
    active_ = 0;
    // The typing of the page that goes is not counted at the end.
    clearSnapshot(s_);
}

EnglishPractice::KeyUpResult EnglishPractice::keyUp(int line, const ByteText& input, int caretBytes) {
    if (line != active_) return KeyUpResult::Ignored;
    const LineCheck c = checkLine(s_, reference_[line], input, caretBytes);
    marks_[line] = c.marks;
    if (!c.finished) return KeyUpResult::Checked;
    if (line + 1 < kPageLines) {
        active_ = line + 1;
        return KeyUpResult::LineFinished;
    }
    fillPage();
    return KeyUpResult::PageFilled;
}

void EnglishPractice::finalCount() {
    countBytes(s_, s_.typedText, s_.expectedText);
    clearSnapshot(s_);
}

}  // namespace english
