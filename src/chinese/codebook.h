#pragma once
// A Wubi code book, searched as one text: the first occurrence of an item, on a
// character boundary, gives the offset from which its code is read.
#include "common/linestore.h"

#include <array>
#include <cstdint>
#include <string_view>
#include <unordered_map>
#include <vector>

class CodeBook {
public:
    CodeBook() { firstByte_.fill(-1); }
    // The index belongs to the loaded text.
    CodeBook(const CodeBook&) = delete;
    CodeBook& operator=(const CodeBook&) = delete;

    void clear();
    // Throws JaxoError("Cannot open file <path>").
    void loadFile(const std::string& path);
    void loadText(std::string_view text);

    const ByteText& text() const { return store_.text(); }
    const LineStore& store() const { return store_; }

    // 0-based offset of the first occurrence that starts on a character boundary, or -1.
    // The empty text is found nowhere.
    int find(std::string_view needle) const;
    // The same by a plain scan of the whole text; kept as the reference for the index.
    int findByScan(std::string_view needle) const;

private:
    void buildIndex();
    LineStore store_;
    // Offsets of character boundaries, grouped by the two bytes that start there, so a
    // search compares only the places where its first character (or first two ASCII
    // bytes) stand; a one-byte item is answered from the first boundary of each byte.
    std::unordered_map<std::uint16_t, std::vector<int>> byFirstPair_;
    std::array<int, 256> firstByte_{};
};
