#pragma once
// English practice without widgets: the page of three reference lines cut by bytes,
// the byte-by-byte check of a key release, the counts, the clock and the ending count.
// One byte is one unit throughout; upper and lower case differ and a blank is a byte
// like any other.
#include "exercise/exercisescore.h"
#include "settings/settings.h"
#include "common/bytetext.h"

#include <array>
#include <functional>

class RandomSource;

namespace english {

constexpr int kLineBytes = 66;
constexpr int kPageLines = 3;

// The first line of a lesson starts at any byte of the text, even inside a word.
int randomStart(int lessonSize, RandomSource& random);

// Cuts three lines of at most 66 bytes from the 0-based offset lessonPos, using the
// text as a circle: the line that reaches the end is shorter and the next one starts
// at the beginning again. lessonPos ends behind the third line (0 at the end).
std::array<ByteText, kPageLines> cutPage(const ByteText& lesson, int& lessonPos);

// Adds one unit to rightCount or wrongCount for each byte of typed, compared with the
// byte at the same position of expected (a missing byte counts as wrong).
void countBytes(ExerciseScore& s, const ByteText& typed, const ByteText& expected);

// The marks of an input line: one byte for each byte before the caret, a blank where
// the typed byte is right and the reference byte where it is wrong.
ByteText markLine(const ByteText& reference, const ByteText& input, int caretBytes);

// What a key-release check found.
struct LineCheck {
    ByteText marks;
    bool finished = false;  // the caret stands behind the whole reference line
};

// The clock at nowMs (Clock::msecs()): the time since the start and whether the practice
// limit is reached.
struct Tick {
    ByteText clockText;
    bool timeUp = false;
};
Tick tick(const ExerciseScore& s, const Settings& settings, std::int64_t nowMs);

// One running practice: the page, its marks and which line takes input.
class EnglishPractice {
public:
    explicit EnglishPractice(ExerciseScore& state) : s_(state) {}

    // A new lesson on this text: counts to 0, a random start (or the first byte), the first page.
    void start(const ByteText& lesson, RandomSource& random, bool fromStart = false);
    // showNextLines: the next three lines from lessonPos, marks emptied, line 1 takes input.
    void fillPage();
    // A drill that makes each line as it goes (the adaptive drill) instead of cutting
    // them from the lesson; empty: the lesson again.
    void setLineSource(std::function<ByteText()> source) { lineSource_ = std::move(source); }

    enum class KeyUpResult { Ignored, Checked, LineFinished, PageFilled };
    // A key released in input line `line` (0 to 2) holding `input`, caret after
    // `caretBytes` bytes. Lines that do not take input ignore it.
    KeyUpResult keyUp(int line, const ByteText& input, int caretBytes);

    // The key-release check of an input line against its reference. It takes the
    // snapshot (typedText and expectedText) that the ending counts, and counts the line
    // once it is finished.
    LineCheck checkLine(const ByteText& reference, const ByteText& input, int caretBytes);

    // The ending: the line in progress, from the snapshot of its latest key release.
    void finalCount();

    const ByteText& reference(int line) const { return reference_[line]; }
    const ByteText& marks(int line) const { return marks_[line]; }
    int activeLine() const { return active_; }
    const ByteText& lesson() const { return lesson_; }

private:
    void clearSnapshot();

    ExerciseScore& s_;
    std::function<ByteText()> lineSource_;
    ByteText lesson_;
    std::array<ByteText, kPageLines> reference_{};
    std::array<ByteText, kPageLines> marks_{};
    int active_ = 0;
    int lessonSize = 0;  // bytes of the lesson
    int lessonPos = 0;   // 0-based offset at which the next page starts
    // The input line up to the caret at its latest key release and the reference
    // under it, one byte longer: what the ending counts of an unfinished line.
    ByteText typedText;
    ByteText expectedText;
};

}  // namespace english
