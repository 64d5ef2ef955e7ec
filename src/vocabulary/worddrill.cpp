#include "vocabulary/worddrill.h"

#include "exercise/exerciseclock.h"
#include "common/linestore.h"
#include "common/errors.h"
#include "common/randomsource.h"
#include "exercise/exercisekinds.h"

#include <QtGlobal>
#include <map>

WordDrill::WordDrill(ExerciseScore& score, const Settings& settings, const LineStore& list, RandomSource& random)
    : s_(score), settings_(settings), list_(list), random_(random) {}

void WordDrill::start(std::int64_t startMs, const ByteText& lessonTitle) {
    mark_ = Mark::None;
    s_.startMs = startMs;
    // A drill left before its first tick reports no time rather than the last drill's.
    clockText_ = "0:00:00";
    s_.modeTitle = bytes::gb(QT_TRANSLATE_NOOP("ExerciseKind", "轻轻松松背单词"));
    s_.lessonTitle = lessonTitle;
    lessonSize = list_.count();
    const int r = random_.next();
    lessonPos = lessonSize > 0 ? r % lessonSize : 0;
    showWordLine();
    s_.rightCount = 0;
    s_.wrongCount = 0;
    s_.misses.clear();
    running_ = true;
}

void WordDrill::showWordLine() {
    const ByteText expectedPiece = list_.line(lessonPos);
    const auto star = expectedPiece.find('*');
    if (star == ByteText::npos) return;
    word_ = expectedPiece.substr(0, star);
    meaning_ = expectedPiece.substr(star + 1);
}

WordDrill::Mark WordDrill::answer(const ByteText& typed) {
    const ByteText asked = word_;
    // The first line is only ever reached by the random start.
    if (++lessonPos >= lessonSize) lessonPos = 1;
    showWordLine();
    s_.misses.judged("word", asked);
    if (typed == asked) {
        mark_ = Mark::Right;
        ++s_.rightCount;
    } else {
        mark_ = Mark::Wrong;
        ++s_.wrongCount;
        s_.misses.add("word", asked, typed);
    }
    return mark_;
}

bool WordDrill::tick(std::int64_t nowMs) {
    const ClockTick t = clockTick(s_.startMs, nowMs, settings_.wordMinutes);
    clockText_ = t.text;
    return t.limitReached;
}

void WordDrill::finish() {
    running_ = false;
    s_.elapsedText = clockText_;
}

ByteText weakWordList(const std::vector<ByteText>& words, const std::string& appDir) {
    if (words.empty()) return {};
    std::map<ByteText, ByteText> meanings;
    for (const ByteText& w : words) meanings[w];
    for (const ExerciseKind& k : exerciseKinds()) {
        if (k.panel != ExercisePanel::Vocabulary || k.file.empty()) continue;
        LineStore list;
        try {
            list.loadFile(appDir + std::string(k.file));
        } catch (const JaxoError&) {
            continue;
        }
        for (int i = 0; i < list.count(); ++i) {
            const ByteText line = list.line(i);
            const auto star = line.find('*');
            if (star == ByteText::npos) continue;
            const auto it = meanings.find(line.substr(0, star));
            if (it != meanings.end() && it->second.empty()) it->second = line.substr(star + 1);
        }
    }
    ByteText text;
    const auto add = [&](const ByteText& w) { text += w + '*' + meanings[w] + "\r\n"; };
    add(words.front());
    for (const ByteText& w : words) add(w);
    return text;
}
