#pragma once
// What one exercise got wrong, and how often each unit was asked for, gathered by the
// checking code as it counts: a plain value that the history reads when the report
// opens, so that a miss can be set against the times it was typed. Texts stay in the
// program's byte encoding.
#include <map>
#include <string>
#include <string_view>
#include <vector>

class MissLog {
public:
    struct Entry {
        std::string unit, expected, typed;
        int count = 0;
    };

    struct Tally {
        std::string unit, item;
        int count = 0;
    };

    void clear();
    // One more miss of `expected`, with `typed` in its place.
    void add(std::string_view unit, std::string_view expected, std::string_view typed);
    // `item` was asked for and judged, right or wrong.
    void judged(std::string_view unit, std::string_view item);
    // Both in the order first seen.
    const std::vector<Entry>& entries() const { return entries_; }
    const std::vector<Tally>& tallies() const { return tallies_; }
    bool empty() const { return entries_.empty(); }

private:
    std::vector<Entry> entries_;
    std::map<std::string, size_t> index_;
    std::vector<Tally> tallies_;
    std::map<std::string, size_t> tallyIndex_;
};
