#include "radicals/radicaldrill.h"

#include "exercise/exerciseclock.h"
#include "common/randomsource.h"
#include "radicals/radicaltable.h"

#include <QtGlobal>

namespace radicals {

namespace {
const ByteText kArrow = "\xA1\xFC";  // ↑
const ByteText kWrong = "\xA1\xC1";  // ×
}  // namespace

RadicalDrill::RadicalDrill(ExerciseScore& score, const Settings& settings, RandomSource& random)
    : s_(score), settings_(settings), random_(random), clock_("0:00:01") {}

void RadicalDrill::begin(std::int64_t startMs, std::vector<int> entries, const ByteText& lessonTitle) {
    std::erase_if(entries, [](int i) { return i < 0 || i >= kEntries; });
    pool_ = std::move(entries);
    s_.modeTitle = bytes::gb(QT_TRANSLATE_NOOP("ExerciseKind", "中文练习"));
    s_.lessonTitle = lessonTitle.empty() ? bytes::gb(QT_TRANSLATE_NOOP("ExerciseKind", "字根练习")) : lessonTitle;
    s_.startMs = startMs;
    held_.clear();
    running_ = true;
    nextRow();
    s_.wrongCount = 0;
    s_.rightCount = 0;
    s_.misses.clear();
}

void RadicalDrill::showHintFor(const ByteText& radical) {
    const int found = scan(table(), radical);
    if (found >= 0) hint_ = hintOf(table()[static_cast<size_t>(found)]);
}

void RadicalDrill::nextRow() {
    row_.clear();
    for (int i = 0; i < kRowRadicals; ++i) {
        const int loopIndex = pool_.empty() ? random_.next() % kEntries
                                            : pool_[static_cast<size_t>(random_.next() % static_cast<int>(pool_.size()))];
        row_ += radicalOf(table()[static_cast<size_t>(loopIndex)]);
    }
    showHintFor(bytes::copy(row_, 1, 2));
    marks_.clear();
    markLine_ = kArrow;
    markShown_ = true;
    unitPos = 1;
}

void RadicalDrill::keyDown(KeyId key, const ByteText& text) {
    if (!running_) return;
    // The marks stay with the drill while the mark line is empty, so another key still
    // down loses nothing.
    markShown_ = false;
    for (auto& [k, t] : held_) {
        if (k == key) {  // its release went missing: the new press replaces it
            t = text;
            return;
        }
    }
    held_.emplace_back(key, text);
}

bool RadicalDrill::isDown(KeyId key) const {
    for (const auto& held : held_)
        if (held.first == key) return true;
    return false;
}

ByteText RadicalDrill::typedBy(KeyId key) const {
    for (const auto& [k, t] : held_)
        if (k == key) return t;
    return {};
}

char RadicalDrill::nextKey() const {
    if (!running_) return 0;
    const int found = scan(table(), bytes::copy(row_, unitPos, 2));
    return found >= 0 ? keyOf(table()[static_cast<size_t>(found)]) : '\0';
}

ByteText RadicalDrill::pendingText() const {
    ByteText all;
    for (const auto& [k, t] : held_) all += t;
    return all;
}

void RadicalDrill::keyUp(KeyId key) {
    if (!running_) return;
    // What this key typed; nothing for a key that types nothing or whose press was
    // not seen, which answers wrong.
    ByteText typedUnit;
    for (auto it = held_.begin(); it != held_.end(); ++it) {
        if (it->first == key) {
            typedUnit = it->second;
            held_.erase(it);
            break;
        }
    }
    // Judged against the radical under the arrow now: with overlapping keys the arrow
    // may have moved since this key went down.
    const ByteText expectedUnit = bytes::copy(row_, unitPos, 2);
    const int found = scan(table(), expectedUnit);
    // Every radical of a row comes from the table; one that did not could not be answered.
    const bool right = found >= 0 && typedUnit == ByteText(1, keyOf(table()[static_cast<size_t>(found)]));
    s_.misses.judged("radical", expectedUnit);
    if (right) {
        ++s_.rightCount;
        marks_ += expectedUnit;
    } else {
        ++s_.wrongCount;
        s_.misses.add("radical", expectedUnit, typedUnit);
        marks_ += kWrong;
    }
    markLine_ = marks_ + kArrow;
    markShown_ = true;
    unitPos += 2;
    if (markLine_.size() > row_.size()) nextRow();
    showHintFor(bytes::copy(row_, unitPos, 2));
}

bool RadicalDrill::tick(std::int64_t nowMs) {
    const ClockTick t = clockTick(s_.startMs, nowMs, settings_.practiceMinutes);
    clock_ = t.text;
    return t.limitReached;
}

void RadicalDrill::finish() {
    running_ = false;
    held_.clear();
    s_.elapsedText = clock_;
}

}  // namespace radicals
