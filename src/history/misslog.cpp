#include "history/misslog.h"

#include "common/bytetext.h"

namespace history {

void MissLog::clear() {
    entries_.clear();
    index_.clear();
}

void MissLog::add(std::string_view unit, std::string_view expected, std::string_view typed) {
    std::string key;
    key.reserve(unit.size() + expected.size() + typed.size() + 2);
    key.append(unit).append(1, '\0').append(expected).append(1, '\0').append(typed);
    const auto [it, fresh] = index_.try_emplace(std::move(key), entries_.size());
    if (fresh) entries_.push_back(Entry{std::string(unit), std::string(expected), std::string(typed), 0});
    ++entries_[it->second].count;
}

QList<Miss> MissLog::misses() const {
    QList<Miss> out;
    out.reserve(static_cast<qsizetype>(entries_.size()));
    for (const Entry& e : entries_)
        out.append(Miss{QString::fromLatin1(e.unit), bytes::toUnicode(e.expected), bytes::toUnicode(e.typed), e.count});
    return out;
}

}  // namespace history
