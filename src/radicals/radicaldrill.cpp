#include "radicals/radicaldrill.h"

#include "exercise/exerciseclock.h"
#include "common/randomsource.h"
#include "radicals/radicaltable.h"

namespace radicals {

namespace {
const ByteText kArrow = "\xA1\xFC";  // ↑
const ByteText kWrong = "\xA1\xC1";  // ×
}  // namespace

RadicalDrill::RadicalDrill(MainWindowState& state, RandomSource& random)
    : s_(state), random_(random), clock_("0:00:01") {}

void RadicalDrill::begin(double now, std::vector<int> entries, const ByteText& lessonTitle) {
    std::erase_if(entries, [](int i) { return i < 0 || i >= kEntries; });
    pool_ = std::move(entries);
    s_.modeTitle = bytes::gb("中文练习");
    s_.lessonTitle = lessonTitle.empty() ? bytes::gb("字根练习") : lessonTitle;
    s_.startTime = now;
    held_.clear();
    running_ = true;
    nextRow();
    s_.unitPos = 1;
    s_.wrongCount = 0;
    s_.rightCount = 0;
    s_.misses.clear();
}

int RadicalDrill::scanTable(const ByteText& radical) {
    const int found = scan(s_.radicalTable, radical);
    s_.loopIndex = found >= 0 ? found : kEntries;
    s_.hintPrefix[1] = radicalOf(s_.radicalTable[static_cast<size_t>(found >= 0 ? found : kEntries - 1)]);
    return found;
}

void RadicalDrill::showHintFor(const ByteText& radical) {
    const int found = scanTable(radical);
    if (found >= 0) hint_ = hintOf(s_.radicalTable[static_cast<size_t>(found)]);
}

void RadicalDrill::nextRow() {
    row_.clear();
    for (int i = 0; i < kRowRadicals; ++i) {
        if (pool_.empty())
            s_.loopIndex = random_.next() % kEntries;
        else
            s_.loopIndex = pool_[static_cast<size_t>(random_.next() % static_cast<int>(pool_.size()))];
        row_ += radicalOf(s_.radicalTable[static_cast<size_t>(s_.loopIndex)]);
    }
    s_.expectedPiece = bytes::copy(row_, 1, 2);
    showHintFor(s_.expectedPiece);
    marks_.clear();
    markLine_ = kArrow;
    markShown_ = true;
}

void RadicalDrill::keyDown(KeyId key, const ByteText& text) {
    if (!running_) return;
    s_.expectedUnit = bytes::copy(row_, s_.unitPos, 2);
    // The marks come from the drill, not from the mark line, which is empty while
    // another key is still down: overlapping keys lose nothing.
    s_.typedPiece = marks_;
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

ByteText RadicalDrill::pendingText() const {
    ByteText all;
    for (const auto& [k, t] : held_) all += t;
    return all;
}

void RadicalDrill::keyUp(KeyId key) {
    if (!running_) return;
    // What this key typed; nothing for a key that types nothing or whose press was
    // not seen, which answers wrong.
    s_.typedUnit.clear();
    for (auto it = held_.begin(); it != held_.end(); ++it) {
        if (it->first == key) {
            s_.typedUnit = it->second;
            held_.erase(it);
            break;
        }
    }
    // Judged against the radical under the arrow now: with overlapping keys the arrow
    // may have moved since this key went down.
    s_.expectedUnit = bytes::copy(row_, s_.unitPos, 2);
    const int found = scanTable(s_.expectedUnit);
    if (found >= 0) s_.foundCode = ByteText(1, keyOf(s_.radicalTable[static_cast<size_t>(found)]));
    s_.typedPiece = marks_;
    if (s_.typedUnit == s_.foundCode) {
        ++s_.rightCount;
        marks_ += s_.expectedUnit;
    } else {
        ++s_.wrongCount;
        s_.misses.add("radical", s_.expectedUnit, s_.typedUnit);
        marks_ += kWrong;
    }
    markLine_ = marks_ + kArrow;
    markShown_ = true;
    s_.unitPos += 2;
    if (markLine_.size() > row_.size()) {
        nextRow();
        s_.unitPos = 1;
    }
    s_.expectedPiece = bytes::copy(row_, s_.unitPos, 2);
    showHintFor(s_.expectedPiece);
}

bool RadicalDrill::tick(double now) {
    clock_ = clockTick(s_, now);
    return s_.elapsedMinutes == s_.settings.practiceMinutes;
}

void RadicalDrill::finish() {
    running_ = false;
    held_.clear();
    s_.elapsedText = clock_;
}

}  // namespace radicals
