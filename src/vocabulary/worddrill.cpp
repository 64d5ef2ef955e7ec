#include "vocabulary/worddrill.h"

#include "exercise/exerciseclock.h"
#include "common/linestore.h"
#include "common/randomsource.h"

WordDrill::WordDrill(MainWindowState& state, const LineStore& list, RandomSource& random)
    : s_(state), list_(list), random_(random) {}

void WordDrill::start(double now, const ByteText& lessonTitle) {
    mark_ = Mark::None;
    s_.startTime = now;
    // A drill left before its first tick reports no time rather than the last drill's.
    clockText_ = "0:00:00";
    s_.modeTitle = bytes::gb("轻轻松松背单词");
    s_.lessonTitle = lessonTitle;
    s_.lessonSize = list_.count();
    const int r = random_.next();
    s_.lessonPos = s_.lessonSize > 0 ? r % s_.lessonSize : 0;
    showWordLine();
    s_.rightCount = 0;
    s_.wrongCount = 0;
    s_.misses.clear();
    running_ = true;
}

void WordDrill::showWordLine() {
    s_.expectedPiece = list_.line(s_.lessonPos);
    const auto star = s_.expectedPiece.find('*');
    s_.foundPos = star == ByteText::npos ? -1 : static_cast<int>(star);
    if (s_.foundPos == -1) return;
    word_ = s_.expectedPiece.substr(0, star);
    meaning_ = s_.expectedPiece.substr(star + 1);
}

WordDrill::Mark WordDrill::answer(const ByteText& typed) {
    s_.hintPrefix[1] = word_;
    s_.foundCode = typed;
    // The first line is only ever reached by the random start.
    if (++s_.lessonPos >= s_.lessonSize) s_.lessonPos = 1;
    showWordLine();
    if (s_.hintPrefix[1] == s_.foundCode) {
        mark_ = Mark::Right;
        ++s_.rightCount;
    } else {
        mark_ = Mark::Wrong;
        ++s_.wrongCount;
        s_.misses.add("word", s_.hintPrefix[1], s_.foundCode);
    }
    return mark_;
}

bool WordDrill::tick(double now) {
    clockText_ = clockTick(s_, now);
    return s_.elapsedMinutes == s_.settings.wordMinutes;
}

void WordDrill::finish() {
    running_ = false;
    s_.elapsedText = clockText_;
}
