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

void fillPage(Page& page, std::string_view lesson) {
    for (int k = 0; k < kLineCount; ++k) {
        page.text[k].clear();
        page.marks[k].clear();
        page.input[k].clear();
    }
    for (int k = 0; k < kLineCount; ++k) {
        page.text[k] = bytes::copy(lesson, page.lessonPos, kLineBytes);
        page.lessonPos += kLineBytes;
        if (page.lessonPos % 2 == 0) page.lessonPos += 1;
        if (page.lessonPos >= page.lessonSize) page.lessonPos = 0;
    }
    page.writable = 0;
    page.typedText.clear();
    page.expectedText.clear();
    page.lengthBefore = 0;
}

}  // namespace chinese
