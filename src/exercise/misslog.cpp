#include "exercise/misslog.h"

void MissLog::clear() {
    entries_.clear();
    index_.clear();
    tallies_.clear();
    tallyIndex_.clear();
}

void MissLog::add(std::string_view unit, std::string_view expected, std::string_view typed) {
    std::string key;
    key.reserve(unit.size() + expected.size() + typed.size() + 2);
    key.append(unit).append(1, '\0').append(expected).append(1, '\0').append(typed);
    const auto [it, fresh] = index_.try_emplace(std::move(key), entries_.size());
    if (fresh) entries_.push_back(Entry{std::string(unit), std::string(expected), std::string(typed), 0});
    ++entries_[it->second].count;
}

void MissLog::judged(std::string_view unit, std::string_view item) {
    std::string key;
    key.reserve(unit.size() + item.size() + 1);
    key.append(unit).append(1, '\0').append(item);
    const auto [it, fresh] = tallyIndex_.try_emplace(std::move(key), tallies_.size());
    if (fresh) tallies_.push_back(Tally{std::string(unit), std::string(item), 0});
    ++tallies_[it->second].count;
}
