#pragma once
// The radical drill's rules: rows of 25 radicals drawn from the table, one answer per
// key release, the mark line under the row, the hint of the radical under the arrow,
// the clock and its limit. The panel only shows these texts and passes the keys on.
#include "exercise/exercisescore.h"
#include "settings/settings.h"
#include "common/bytetext.h"

#include <utility>
#include <vector>

class RandomSource;

namespace radicals {

inline constexpr int kRowRadicals = 25;

class RadicalDrill {
public:
    // A key as the keyboard reports it; a release is matched to its press by this.
    using KeyId = long long;

    RadicalDrill(ExerciseScore& score, const Settings& settings, RandomSource& random);

    // The start: titles, start time, the first row, arrow at 1, counts 0. With entries
    // (0-based table places) the rows draw only those radicals, under lessonTitle.
    void begin(std::int64_t startMs, std::vector<int> entries = {}, const ByteText& lessonTitle = {});
    // A new row of 25 draws with the hint of its first radical, the mark line "↑" and
    // the arrow under its first radical.
    void nextRow();

    // A key goes down; text is what it types (empty for Shift and other silent keys).
    // Auto-repeats are not passed here: a held key is one answer.
    void keyDown(KeyId key, const ByteText& text);
    // A key is released: one answer, judged against the radical under the arrow.
    void keyUp(KeyId key);

    // A clock tick at nowMs (Clock::msecs()): shows the elapsed time; true once the
    // practice limit is reached.
    bool tick(std::int64_t nowMs);
    // The ending: nothing more is counted; the report reads the clock's text.
    void finish();

    bool running() const { return running_; }
    const ByteText& row() const { return row_; }
    // The mark line as shown: empty while a key is down.
    const ByteText& markLine() const { return markShown_ ? markLine_ : empty_; }
    const ByteText& hint() const { return hint_; }
    const ByteText& clock() const { return clock_; }
    bool isDown(KeyId key) const;
    // What a key still down has typed; empty for a key not down.
    ByteText typedBy(KeyId key) const;
    // The key (lower case) of the radical under the arrow; 0 when no drill runs.
    char nextKey() const;
    // What the keys still held have typed (the input box's text).
    ByteText pendingText() const;

private:
    void showHintFor(const ByteText& radical);

    ExerciseScore& s_;
    const Settings& settings_;
    RandomSource& random_;
    bool running_ = false;
    ByteText row_;
    ByteText marks_;     // one mark per answer of the row, without the arrow
    ByteText markLine_;  // marks_ and the arrow
    int unitPos = 1;     // byte position in the row of the radical under the arrow: 1, 3, ... 49
    bool markShown_ = true;
    ByteText hint_;
    ByteText clock_;
    std::vector<std::pair<KeyId, ByteText>> held_;  // keys down, in press order
    std::vector<int> pool_;                          // the entries drawn from; empty: all
    const ByteText empty_;
};

}  // namespace radicals
