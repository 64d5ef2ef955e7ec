#pragma once
// The rules of a scheme's key drill: rows of symbols drawn from the scheme, each answered
// by as many keys as it takes (a Cangjie radical one, a double-pinyin syllable two), the
// mark of every answer, the hint of the symbol to type, the clock and its limit. The
// panel shows these and passes the keys on.
#include "exercise/exercisescore.h"
#include "schemedrill/schemekeys.h"
#include "settings/settings.h"

#include <vector>

class RandomSource;

namespace schemedrill {

class AdaptiveKeys;

inline constexpr int kRowItems = 10;

class SchemeKeyDrill {
public:
    SchemeKeyDrill(ExerciseScore& score, const Settings& settings, RandomSource& random);

    // The start: titles, counts 0, the first row. With `adaptive` its model picks the
    // rows and takes every answer; the lesson title stays the exercise's own.
    void begin(const SchemeKeys& scheme, std::int64_t startMs, AdaptiveKeys* adaptive = nullptr);
    // One key typed (its character) at nowMs. The answer is judged once it has as many
    // keys as the symbol under the arrow needs, or at Space after its short keys.
    void type(QChar key, std::int64_t nowMs = -1);
    // Backspace: the last key of an answer not yet judged is taken back.
    void erase();

    bool tick(std::int64_t nowMs);
    void finish();

    bool running() const { return running_; }
    const SchemeKeys& scheme() const { return scheme_; }
    // The row: indices into scheme().items.
    const std::vector<int>& row() const { return row_; }
    // The marks of the answers given in this row, right or wrong, in order.
    const std::vector<bool>& marks() const { return marks_; }
    int position() const { return static_cast<int>(marks_.size()); }
    const KeyItem& current() const { return scheme_.items[static_cast<size_t>(row_[static_cast<size_t>(position())])]; }
    // The keys typed so far for the symbol under the arrow.
    const QString& typed() const { return typed_; }
    // Whether the last answer was wrong (for what the screen reader says).
    bool lastWrong() const { return lastWrong_; }
    const ByteText& clock() const { return clock_; }

private:
    void nextRow();
    void judge(bool right, std::int64_t nowMs);

    ExerciseScore& s_;
    const Settings& settings_;
    RandomSource& random_;
    AdaptiveKeys* adaptive_ = nullptr;
    SchemeKeys scheme_;
    bool running_ = false;
    std::vector<int> row_;
    std::vector<bool> marks_;
    QString typed_;
    bool lastWrong_ = false;
    ByteText clock_;
};

}  // namespace schemedrill
