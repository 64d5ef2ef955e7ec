#include "chinese/codebook.h"

#include <cstring>

namespace {
std::uint16_t pairKey(const char* p) {
    return static_cast<std::uint16_t>(static_cast<unsigned char>(p[0]) << 8 | static_cast<unsigned char>(p[1]));
}
}  // namespace

void CodeBook::clear() {
    store_.clear();
    byFirstPair_.clear();
    firstByte_.fill(-1);
}

void CodeBook::loadFile(const std::string& path) {
    clear();
    store_.loadFile(path);
    buildIndex();
}

void CodeBook::loadText(std::string_view text) {
    clear();
    store_.loadText(text);
    buildIndex();
}

void CodeBook::buildIndex() {
    byFirstPair_.clear();
    firstByte_.fill(-1);
    const std::string_view t = store_.text();
    for (size_t i = 0; i < t.size();) {
        const auto b = static_cast<unsigned char>(t[i]);
        if (firstByte_[b] < 0) firstByte_[b] = static_cast<int>(i);
        if (i + 1 < t.size()) byFirstPair_[pairKey(t.data() + i)].push_back(static_cast<int>(i));
        i += static_cast<size_t>(bytes::charLength(t, i));
    }
}

int CodeBook::find(std::string_view needle) const {
    if (needle.empty()) return -1;
    if (needle.size() == 1) return firstByte_[static_cast<unsigned char>(needle[0])];
    const auto it = byFirstPair_.find(pairKey(needle.data()));
    if (it == byFirstPair_.end()) return -1;
    const std::string_view t = store_.text();
    for (int pos : it->second) {
        if (static_cast<size_t>(pos) + needle.size() > t.size()) continue;
        if (std::memcmp(t.data() + pos, needle.data(), needle.size()) == 0) return pos;
    }
    return -1;
}

int CodeBook::findByScan(std::string_view needle) const {
    if (needle.empty()) return -1;
    const std::string_view t = store_.text();
    for (size_t i = 0; i < t.size();) {
        if (t.compare(i, needle.size(), needle) == 0) return static_cast<int>(i);
        i += static_cast<size_t>(bytes::charLength(t, i));
    }
    return -1;
}
