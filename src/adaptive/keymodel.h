#pragma once
// What the adaptive drills know of a learner: for each item (a key, a character) a
// smoothed time and a smoothed error rate, the items in play in their order of entry,
// and the targets an item must reach before the next one enters.
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

class RandomSource;

namespace adaptive {

// Each new sample weighs this much against what was known (exponential smoothing).
inline constexpr double kSmoothing = 0.1;
// An item needs this many timed samples before it can count as reached: a single
// lucky stroke proves nothing.
inline constexpr int kMinSamples = 10;
// A pause longer than this between two keys is the learner resting, not typing.
inline constexpr int kLongestInterval = 3000;

struct Targets {
    int charsPerMinute = 175;
    int accuracyPercent = 95;
    bool operator==(const Targets&) const = default;
};

struct ItemStats {
    double msPerItem = 0;   // smoothed time of a right stroke; 0 before the first
    double errorRate = 0;   // smoothed share of misses, 0 to 1
    int timed = 0;          // right strokes timed
    int typed = 0;          // every stroke
    double charsPerMinute() const { return msPerItem > 0 ? 60000.0 / msPerItem : 0; }
    int accuracyPercent() const { return static_cast<int>((1.0 - errorRate) * 100.0 + 0.5); }
};

class Model {
public:
    // order: every item in the order it enters; the first `starting` are in play at once.
    Model(std::vector<std::string> order, int starting);

    // One stroke where `item` was expected: right or not, and the time since the stroke
    // before it in ms (negative: not timed, e.g. the first of a line).
    void record(std::string_view item, bool right, int intervalMs);

    // Whether an item meets both targets, and how far it is, 0 to 1 (1: reached).
    bool reached(const ItemStats& s, const Targets& t) const;
    double progress(const ItemStats& s, const Targets& t) const;

    // When every item in play has reached the targets, the next item enters: true.
    bool unlockIfReady(const Targets& t);
    // The item in play furthest from the targets (ties: the one that entered last).
    const std::string& focus(const Targets& t) const;
    // How many items in play meet the targets.
    int reachedCount(const Targets& t) const;

    // Draws items in play, the furthest from the targets up to five times as often as
    // one at its targets. Weighed once: the model does not change while a line is made.
    class Draw {
    public:
        Draw(const Model& model, const Targets& t);
        int next(RandomSource& random) const;

    private:
        std::vector<int> weights_;
        int total_ = 0;
    };

    int inPlay() const { return inPlay_; }
    int size() const { return static_cast<int>(order_.size()); }
    const std::string& item(int i) const { return order_[static_cast<size_t>(i)]; }
    const ItemStats& stats(int i) const { return stats_[static_cast<size_t>(i)]; }
    // -1 when the item is not one of the model's.
    int indexOf(std::string_view item) const;

    // A plain text of the learner's figures, and back. Lines that do not parse, items
    // the order does not know and impossible figures are left out: a damaged file
    // costs what it lost, never the drill.
    std::string save() const;
    void load(std::string_view text);

private:
    std::vector<std::string> order_;
    std::vector<ItemStats> stats_;
    int starting_ = 1;
    int inPlay_ = 1;
};

}  // namespace adaptive
