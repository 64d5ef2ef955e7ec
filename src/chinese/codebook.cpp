#include "chinese/codebook.h"

#include <cstring>

void CodeBook::clear() {
    store_.clear();
    byFirstChar_.clear();
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
    byFirstChar_.clear();
    const std::string_view t = store_.text();
    for (size_t i = 0; i < t.size();) {
        const int n = bytes::charLength(t, i);
        if (n > 1) byFirstChar_[t.substr(i, static_cast<size_t>(n))].push_back(static_cast<int>(i));
        i += static_cast<size_t>(n);
    }
}

int CodeBook::find(std::string_view needle) const {
    if (needle.empty()) return -1;
    const int n = bytes::charLength(needle, 0);
    if (n == 1) return findByScan(needle);  // single-byte starts are rare: scan
    const auto it = byFirstChar_.find(needle.substr(0, static_cast<size_t>(n)));
    if (it == byFirstChar_.end()) return -1;
    const std::string_view t = store_.text();
    for (int pos : it->second) {
        if (static_cast<size_t>(pos) + needle.size() <= t.size() &&
            std::memcmp(t.data() + pos, needle.data(), needle.size()) == 0)
            return pos;
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
