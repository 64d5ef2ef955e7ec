// The English page cut from any lesson and the byte-by-byte check of any key releases.
#include "common/randomsource.h"
#include "english/englishpractice.h"
#include "fuzz.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    FuzzInput in(data, size);
    const int draws = in.byte() % 8;
    const std::string lesson = in.text();

    // Three lines of at most 66 bytes, each the lesson's bytes where it was cut.
    int pos = std::min(in.byte(), std::max(0, bytes::length(lesson) - 1));
    const int first = pos;
    const auto lines = english::cutPage(lesson, pos);
    FUZZ_CHECK(lines[0] == bytes::copy(lesson, first + 1, english::kLineBytes));
    for (const ByteText& l : lines) FUZZ_CHECK(l.size() <= static_cast<size_t>(english::kLineBytes));
    FUZZ_CHECK(pos >= 0 && (pos < bytes::length(lesson) || pos == 0));

    ExerciseScore s;
    RandomSource random;
    for (int i = 0; i < draws; ++i) random.next();
    english::EnglishPractice p(s);
    p.start(lesson, random);
    long long counted = 0;
    long long pending = 0;  // bytes of the line in progress that an ending counts
    while (!in.empty()) {
        const int line = in.byte() % english::kPageLines;
        const ByteText input = in.text();
        const int caret = in.byte() % (bytes::length(input) + 1);
        const ByteText reference = p.reference(line);
        const bool active = line == p.activeLine();
        const int before = s.rightCount + s.wrongCount;
        const auto r = p.keyUp(line, input, caret);
        FUZZ_CHECK(active == (r != english::EnglishPractice::KeyUpResult::Ignored));
        if (!active) continue;

        // One mark per byte before the caret that both lines hold: blank when right,
        // the reference byte when wrong (a wrong blank or control byte as the missed-blank mark).
        const ByteText marks = english::markLine(reference, input, caret);
        const size_t n = std::min({static_cast<size_t>(caret), input.size(), reference.size()});
        FUZZ_CHECK(marks.size() == n);
        for (size_t i = 0; i < n; ++i) {
            const auto e = static_cast<unsigned char>(reference[i]);
            const char wrong = e <= 0x20 || e == 0x7F ? bytes::kMissedBlank : reference[i];
            FUZZ_CHECK(marks[i] == (input[i] == reference[i] ? ' ' : wrong));
        }
        if (r == english::EnglishPractice::KeyUpResult::Checked) {
            FUZZ_CHECK(p.marks(line) == marks);
            FUZZ_CHECK(s.rightCount + s.wrongCount == before);
            pending = bytes::length(bytes::left(input, caret + 1));
        } else {
            // A finished line counts each byte of its input once.
            FUZZ_CHECK(caret > bytes::length(reference) - 1);
            FUZZ_CHECK(s.rightCount + s.wrongCount - before == bytes::length(input));
            counted += bytes::length(input);
            pending = 0;
        }
        FUZZ_CHECK(s.rightCount >= 0 && s.wrongCount >= 0);
    }
    p.finalCount();
    FUZZ_CHECK(s.rightCount + s.wrongCount == counted + pending);
    return 0;
}
