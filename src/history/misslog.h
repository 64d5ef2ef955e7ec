#pragma once
// What one exercise got wrong, gathered by the checking code as it counts. Texts stay
// in the program's byte encoding until the session is written.
#include "history/historystore.h"

#include <map>
#include <string>
#include <string_view>
#include <vector>

namespace history {

class MissLog {
public:
    void clear();
    // One more miss of `expected`, with `typed` in its place.
    void add(std::string_view unit, std::string_view expected, std::string_view typed);
    // In the order first seen.
    QList<Miss> misses() const;
    bool empty() const { return entries_.empty(); }

private:
    struct Entry {
        std::string unit, expected, typed;
        int count = 0;
    };
    std::vector<Entry> entries_;
    std::map<std::string, size_t> index_;
};

}  // namespace history
