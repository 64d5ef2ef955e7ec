#include "chinese/chinesepage.h"

#include "common/randomsource.h"

namespace chinese {

int startFromDraw(int lessonSize, int draw) {
    if (lessonSize <= 0) return 0;
    int d = draw % lessonSize;
    if (d % 2 == 0) d += 1;
    if (d >= lessonSize) d = 0;
    return d;
}

int randomStart(int lessonSize, RandomSource& random) {
    if (lessonSize <= 0) return 0;
    return startFromDraw(lessonSize, random.next());
}

void fillPage(Page& page, std::string_view lesson, MainWindowState& s) {
    for (int k = 0; k < kLineCount; ++k) {
        page.text[k].clear();
        page.marks[k].clear();
        page.input[k].clear();
    }
    for (int k = 0; k < kLineCount; ++k) {
        page.text[k] = bytes::copy(lesson, s.lessonPos, kLineBytes);
        s.lessonPos += kLineBytes;
        if (s.lessonPos % 2 == 0) s.lessonPos += 1;
        if (s.lessonPos >= s.lessonSize) s.lessonPos = 0;
    }
    page.writable = 0;
    s.typedText.clear();
    s.expectedText.clear();
    s.lengthBefore = 0;
}

}  // namespace chinese
