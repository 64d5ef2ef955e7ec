#include "schemedrill/schemekeydrill.h"

#include "schemedrill/adaptivekeys.h"
#include "common/randomsource.h"
#include "exercise/exerciseclock.h"

#include <QCoreApplication>

namespace schemedrill {

SchemeKeyDrill::SchemeKeyDrill(ExerciseScore& score, const Settings& settings, RandomSource& random)
    : s_(score), settings_(settings), random_(random), clock_("0:00:01") {}

void SchemeKeyDrill::begin(const SchemeKeys& scheme, std::int64_t startMs, schemedrill::AdaptiveKeys* adaptive) {
    scheme_ = scheme;
    adaptive_ = adaptive;
    s_.modeTitle = bytes::gb("中文练习");
    if (!adaptive_) s_.lessonTitle = bytes::fromUnicode(QCoreApplication::translate("SchemeKeys", "%1键位练习").arg(scheme_.name));
    s_.startMs = startMs;
    s_.rightCount = 0;
    s_.wrongCount = 0;
    s_.misses.clear();
    lastWrong_ = false;
    running_ = !scheme_.items.empty();
    nextRow();
}

void SchemeKeyDrill::nextRow() {
    row_.clear();
    marks_.clear();
    typed_.clear();
    if (scheme_.items.empty()) return;
    if (adaptive_) {
        row_ = adaptive_->row(kRowItems, random_);
        return;
    }
    const int n = static_cast<int>(scheme_.items.size());
    // No symbol twice in a row: the learner would not see that the arrow moved.
    for (int i = 0; i < kRowItems; ++i) {
        int pick = random_.next() % n;
        if (!row_.empty() && pick == row_.back()) pick = (pick + 1) % n;
        row_.push_back(pick);
    }
}

void SchemeKeyDrill::type(QChar key, std::int64_t nowMs) {
    if (!running_) return;
    const KeyItem& item = current();
    if (key == u' ') {
        // Space ends a short answer where the symbol has short keys; elsewhere it is no key.
        if (!item.shortKeys.isEmpty() && !typed_.isEmpty()) judge(typed_ == item.shortKeys, nowMs);
        return;
    }
    typed_ += key;
    if (typed_.size() >= item.keys.size()) judge(typed_ == item.keys, nowMs);
}

void SchemeKeyDrill::judge(bool right, std::int64_t nowMs) {
    const KeyItem& item = current();
    lastWrong_ = !right;
    s_.misses.judged("scheme-key", bytes::fromUnicode(item.symbol));
    if (adaptive_) adaptive_->answered(row_[static_cast<size_t>(position())], right, nowMs);
    if (lastWrong_) {
        ++s_.wrongCount;
        s_.misses.add("scheme-key", bytes::fromUnicode(item.symbol), bytes::fromUnicode(typed_));
    } else {
        ++s_.rightCount;
    }
    marks_.push_back(!lastWrong_);
    typed_.clear();
    if (position() >= static_cast<int>(row_.size())) nextRow();
}

void SchemeKeyDrill::erase() {
    if (running_ && !typed_.isEmpty()) typed_.chop(1);
}

bool SchemeKeyDrill::tick(std::int64_t nowMs) {
    const ClockTick t = clockTick(s_.startMs, nowMs, settings_.practiceMinutes);
    clock_ = t.text;
    return t.limitReached;
}

void SchemeKeyDrill::finish() {
    running_ = false;
    typed_.clear();
    s_.elapsedText = clock_;
}

}  // namespace schemedrill
