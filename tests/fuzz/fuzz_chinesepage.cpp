// The Chinese page cut from any lesson, and the line check under any sequence of
// edits: counts only grow, a full line counts each of its two-byte units once.
#include "chinese/chinesecheck.h"
#include "common/randomsource.h"
#include "fuzz.h"

namespace {
long long units(std::string_view t) { return (static_cast<long long>(t.size()) + 1) / 2; }
}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    FuzzInput in(data, size);
    const bool lastByte = (in.byte() & 1) != 0;
    const int draw = (in.byte() << 16 | in.byte() << 8 | in.byte()) & 0x7FFFFFFF;
    const std::string lesson = in.text();
    CodeBook book;
    book.loadText(in.text());
    const chinese::CodeBooks books{&book, &book, &book, &book};

    ExerciseScore s;
    chinese::Page page;
    page.lessonSize = bytes::length(lesson);
    const int start = chinese::startFromDraw(page.lessonSize, draw);
    FUZZ_CHECK(start == 0 || (start % 2 == 1 && start < page.lessonSize));
    page.lessonPos = start;

    chinese::HintBar hints;
    chinese::fillPage(page, lesson);
    // Every line is a piece of the lesson, never empty unless the lesson is.
    auto checkPage = [&] {
        for (const ByteText& t : page.text) {
            FUZZ_CHECK(t.size() <= chinese::kLineBytes);
            FUZZ_CHECK(!t.empty() || lesson.empty());
            FUZZ_CHECK(lesson.find(t) != std::string::npos);
        }
        FUZZ_CHECK(page.writable >= 0 && page.writable < chinese::kLineCount);
    };
    checkPage();

    // Edits of the writable line: add bytes at the end, take some away, move the caret.
    ByteText edit;
    int caret = 0;
    long long counted = 0;
    while (!in.empty()) {
        const int op = in.byte();
        const int k = page.writable;
        switch (op % 4) {
        case 0:
        case 1: edit += in.text(); caret = bytes::length(edit); break;
        case 2: edit = bytes::left(edit, bytes::length(edit) - (op >> 2) % 5); caret = bytes::length(edit); break;
        case 3: caret = std::max(0, caret - (op >> 2) % 5); break;
        }
        const ByteText reference = page.text[static_cast<size_t>(k)];
        const int before = s.rightCount + s.wrongCount;
        const chinese::ChangeResult r =
            chinese::lineChanged(page, hints, s, lesson, books, k, edit, std::min(caret, bytes::length(edit)), lastByte);
        FUZZ_CHECK(s.rightCount >= 0 && s.wrongCount >= 0);
        FUZZ_CHECK(page.marks[static_cast<size_t>(k)].size() <= edit.size());
        if (r.full) {
            // The line is counted once, unit by unit (what runs past the reference
            // counts too), then cut to its reference.
            const ByteText cut = bytes::left(edit, bytes::length(reference));
            FUZZ_CHECK(s.rightCount + s.wrongCount - before == units(edit));
            counted += units(edit);
            FUZZ_CHECK(r.newPage == (k == chinese::kLineCount - 1));
            if (!r.newPage) FUZZ_CHECK(page.writable == k + 1 && page.input[static_cast<size_t>(k)] == cut);
            edit.clear();
            caret = 0;
        } else {
            FUZZ_CHECK(s.rightCount + s.wrongCount == before);
            FUZZ_CHECK(page.input[static_cast<size_t>(k)] == edit);
        }
        checkPage();
    }
    // The ending counts the line in progress up to one byte past its caret, once.
    const long long pending = units(bytes::left(edit, std::min(caret, bytes::length(edit)) + 1));
    chinese::finalCount(page, s);
    FUZZ_CHECK(s.rightCount + s.wrongCount == counted + pending);
    chinese::finalCount(page, s);
    FUZZ_CHECK(s.rightCount + s.wrongCount == counted + pending);
    return 0;
}
