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

void countBytes(ExerciseScore& s, const ByteText& typed, const ByteText& expected) {
    for (int loopIndex = 1; loopIndex <= bytes::length(typed); ++loopIndex) {
        const ByteText typedUnit = bytes::copy(typed, loopIndex, 1);
        const ByteText expectedUnit = bytes::copy(expected, loopIndex, 1);
        s.misses.judged("key", expectedUnit);
        if (typedUnit == expectedUnit) {
            ++s.rightCount;
        } else {
            ++s.wrongCount;
            s.misses.add("key", expectedUnit, typedUnit);
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
    for (int i = 0; i < n; ++i) {
        const auto at = static_cast<size_t>(i);
        marks += input[at] == reference[at] ? ByteText(" ") : bytes::markOf(reference.substr(at, 1));
    }
    return marks;
}

Tick tick(const ExerciseScore& s, const Settings& settings, std::int64_t nowMs) {
    const ClockTick c = clockTick(s.startMs, nowMs, settings.practiceMinutes);
    return {c.text, c.limitReached};
}

void EnglishPractice::start(const ByteText& lesson, RandomSource& random, bool fromStart) {
    s_.rightCount = 0;
    s_.wrongCount = 0;
    s_.misses.clear();
    lesson_ = lesson;
    lessonSize = bytes::length(lesson_);
    lessonPos = fromStart ? 0 : randomStart(lessonSize, random);
    fillPage();
}

void EnglishPractice::fillPage() {
    if (lineSource_)
        for (ByteText& line : reference_) line = lineSource_();
    else
        reference_ = cutPage(lesson_, lessonPos);
    for (ByteText& m : marks_) m.clear();
    active_ = 0;
    // The typing of the page that goes is not counted at the end.
    clearSnapshot();
}

LineCheck EnglishPractice::checkLine(const ByteText& reference, const ByteText& input, int caretBytes) {
    const int caretColumn = caretBytes + 1;
    typedText = bytes::left(input, caretColumn);
    expectedText = bytes::left(reference, caretColumn);

    LineCheck result;
    result.marks = markLine(reference, input, caretBytes);
    if (bytes::length(reference) < caretColumn) {
        result.finished = true;
        // The line counts from what its input line holds, marks aside; then its snapshot
        // goes, so that an ending before the next key release does not count it again.
        countBytes(s_, input, reference);
        clearSnapshot();
    }
    return result;
}

EnglishPractice::KeyUpResult EnglishPractice::keyUp(int line, const ByteText& input, int caretBytes) {
    if (line != active_) return KeyUpResult::Ignored;
    const LineCheck c = checkLine(reference_[line], input, caretBytes);
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
    countBytes(s_, typedText, expectedText);
    clearSnapshot();
}

void EnglishPractice::clearSnapshot() {
    typedText.clear();
    expectedText.clear();
}

}  // namespace english
