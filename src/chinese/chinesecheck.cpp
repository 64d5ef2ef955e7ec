#include "chinese/chinesecheck.h"

namespace chinese {

CheckResult checkLine(MainWindowState& s, std::string_view reference, ByteText& editText, int caretOffset,
                      ByteText& marks, bool lastByte) {
    CheckResult r;
    s.caretColumn = caretOffset + 1;
    s.typedText = bytes::left(editText, s.caretColumn);
    s.expectedText = bytes::left(reference, s.caretColumn);
    s.lengthAfter = bytes::length(editText);
    s.newLength = s.lengthAfter - s.lengthBefore;

    // Only what was added at the end since the previous check is judged.
    s.typedPiece = bytes::copy(editText, s.lengthBefore + 1, s.newLength);
    s.expectedPiece = bytes::copy(reference, s.lengthBefore + 1, s.newLength);
    for (s.unitPos = 1; s.unitPos <= bytes::length(s.typedPiece); s.unitPos += 2) {
        s.typedUnit = bytes::copy(s.typedPiece, s.unitPos, 2);
        s.expectedUnit = bytes::copy(s.expectedPiece, s.unitPos, 2);
        marks += s.typedUnit == s.expectedUnit ? ByteText("  ") : s.expectedUnit;
    }
    marks = bytes::left(marks, s.caretColumn - 1);
    s.lengthBefore = s.lengthAfter;

    if (bytes::length(reference) > s.caretColumn - (lastByte ? 1 : 0)) return r;

    countUnits(s, editText, reference);
    editText = bytes::left(editText, bytes::length(reference));
    // Counted now: the ending must not count this line again, and the next line
    // starts empty.
    s.typedText.clear();
    s.expectedText.clear();
    s.lengthBefore = 0;
    r.full = true;
    return r;
}

namespace {

// The unit just counted wrong: a character, or on an English test's line, each key
// of the pair that differs.
void noteMiss(MainWindowState& s) {
    const std::string_view e = s.expectedUnit, t = s.typedUnit;
    if (!e.empty() && static_cast<unsigned char>(e[0]) >= 0x80) {
        s.misses.add("char", e, t);
        return;
    }
    for (size_t i = 0; i < e.size(); ++i) {
        const std::string_view typed = i < t.size() ? t.substr(i, 1) : std::string_view();
        if (typed != e.substr(i, 1)) s.misses.add("key", e.substr(i, 1), typed);
    }
}

}  // namespace

void countUnits(MainWindowState& s, std::string_view typed, std::string_view expected) {
    for (s.loopIndex = 1; s.loopIndex <= bytes::length(typed); s.loopIndex += 2) {
        s.typedUnit = bytes::copy(typed, s.loopIndex, 2);
        s.expectedUnit = bytes::copy(expected, s.loopIndex, 2);
        if (s.typedUnit == s.expectedUnit) {
            s.rightCount += 1;
        } else {
            s.wrongCount += 1;
            noteMiss(s);
        }
    }
}

void finalCount(MainWindowState& s) {
    countUnits(s, s.typedText, s.expectedText);
    s.typedText.clear();
    s.expectedText.clear();
}

ChangeResult lineChanged(Page& page, HintBar& hints, MainWindowState& s, std::string_view lesson,
                         const CodeBooks& books, int k, ByteText editText, int caretOffset, bool lastByte) {
    ChangeResult r;
    page.input[k] = std::move(editText);
    showCodeHints(s, books, page.text[k], caretOffset + 1, hints);
    if (!checkLine(s, page.text[k], page.input[k], caretOffset, page.marks[k], lastByte).full) return r;
    r.full = true;
    if (k + 1 < kLineCount) {
        page.writable = k + 1;
    } else {
        fillPage(page, lesson, s);
        r.newPage = true;
    }
    return r;
}

}  // namespace chinese
