#include "chinese/chinesecheck.h"

#include "chinese/schemehints.h"

namespace chinese {

CheckResult checkLine(Page& page, ExerciseScore& s, int k, int caretOffset, bool lastByte) {
    const ByteText& reference = page.text[k];
    ByteText& editText = page.input[k];
    ByteText& marks = page.marks[k];
    CheckResult r;
    const int caretColumn = caretOffset + 1;
    page.typedText = bytes::left(editText, caretColumn);
    page.expectedText = bytes::left(reference, caretColumn);
    const int lengthAfter = bytes::length(editText);
    const int newLength = lengthAfter - page.lengthBefore;

    // Only what was added at the end since the previous check is judged.
    const ByteText typedPiece = bytes::copy(editText, page.lengthBefore + 1, newLength);
    const ByteText expectedPiece = bytes::copy(reference, page.lengthBefore + 1, newLength);
    for (int unitPos = 1; unitPos <= bytes::length(typedPiece); unitPos += 2) {
        const ByteText typedUnit = bytes::copy(typedPiece, unitPos, 2);
        const ByteText expectedUnit = bytes::copy(expectedPiece, unitPos, 2);
        marks += typedUnit == expectedUnit ? ByteText("  ") : bytes::markOf(expectedUnit);
    }
    marks = bytes::left(marks, caretColumn - 1);
    page.lengthBefore = lengthAfter;

    if (bytes::length(reference) > caretColumn - (lastByte ? 1 : 0)) return r;

    countUnits(s, editText, reference);
    editText = bytes::left(editText, bytes::length(reference));
    // Counted now: the ending must not count this line again, and the next line
    // starts empty.
    page.typedText.clear();
    page.expectedText.clear();
    page.lengthBefore = 0;
    r.full = true;
    return r;
}

namespace {

// The unit just counted: a character, or on an English test's line, each key of the
// pair; what differs is a miss.
void note(ExerciseScore& s, std::string_view e, std::string_view t) {
    if (!e.empty() && static_cast<unsigned char>(e[0]) >= 0x80) {
        s.misses.judged("char", e);
        if (t != e) s.misses.add("char", e, t);
        return;
    }
    for (size_t i = 0; i < e.size(); ++i) {
        const std::string_view typed = i < t.size() ? t.substr(i, 1) : std::string_view();
        s.misses.judged("key", e.substr(i, 1));
        if (typed != e.substr(i, 1)) s.misses.add("key", e.substr(i, 1), typed);
    }
}

}  // namespace

void countUnits(ExerciseScore& s, std::string_view typed, std::string_view expected) {
    for (int loopIndex = 1; loopIndex <= bytes::length(typed); loopIndex += 2) {
        const ByteText typedUnit = bytes::copy(typed, loopIndex, 2);
        const ByteText expectedUnit = bytes::copy(expected, loopIndex, 2);
        if (typedUnit == expectedUnit)
            s.rightCount += 1;
        else
            s.wrongCount += 1;
        note(s, expectedUnit, typedUnit);
    }
}

void finalCount(Page& page, ExerciseScore& s) {
    countUnits(s, page.typedText, page.expectedText);
    page.typedText.clear();
    page.expectedText.clear();
}

ChangeResult lineChanged(Page& page, HintBar& hints, ExerciseScore& s, std::string_view lesson,
                         const CodeBooks& books, int k, ByteText editText, int caretOffset, bool lastByte,
                         const scheme::Scheme* scheme) {
    ChangeResult r;
    page.input[k] = std::move(editText);
    showHintsFor(scheme, books, page.text[k], caretOffset + 1, hints);
    if (!checkLine(page, s, k, caretOffset, lastByte).full) return r;
    r.full = true;
    if (k + 1 < kLineCount) {
        page.writable = k + 1;
    } else {
        fillPage(page, lesson);
        r.newPage = true;
    }
    return r;
}

}  // namespace chinese
