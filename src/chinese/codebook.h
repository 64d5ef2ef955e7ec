#pragma once
// A Wubi code book, searched as one text: the first occurrence of an item, on a
// character boundary, gives the offset from which its code is read.
#include "common/linestore.h"

#include <string_view>
#include <unordered_map>
#include <vector>

class CodeBook {
public:
    CodeBook() = default;
    // The index points into the text: no copies.
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
    // Offsets of character boundaries, grouped by the character that starts there.
    std::unordered_map<std::string_view, std::vector<int>> byFirstChar_;
};
