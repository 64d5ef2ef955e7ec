#pragma once
// A Wubi code book, searched as one text: the first occurrence of an item, on a
// character boundary, gives the offset from which its code is read.
#include "common/bytetext.h"

#include <array>
#include <cstdint>
#include <string_view>
#include <vector>

class CodeBook {
public:
    void clear();
    // Throws JaxoError("Cannot open file <path>") when the file cannot be opened. The
    // text is read at the first search (a start that shows no hint never needs it); a
    // file that can no longer be read then leaves the book empty.
    void loadFile(const std::string& path);
    // Line breaks are kept as CR LF, whichever break the text used.
    void loadText(std::string_view text);

    const ByteText& text() const;

    // 0-based offset of the first occurrence that starts on a character boundary, or -1.
    // The empty text is found nowhere.
    int find(std::string_view needle) const;
    // The same by a plain scan of the whole text; kept as the reference for the index.
    int findByScan(std::string_view needle) const;

private:
    void buildIndex() const;
    mutable std::string pendingPath_;  // a file still to be read
    mutable ByteText text_;

    // The index is built at the first search, so a start-up that shows no hint does
    // not pay for it: two passes over the text and a handful of allocations.
    mutable bool indexed_ = false;
    // The boundaries of characters that begin with a byte of 0x80 or more (the
    // Chinese ones), ascending, grouped by their first two bytes: the group of pair k
    // is offsets_[groupStart_[k] .. groupStart_[k + 1]).
    mutable std::vector<std::uint32_t> groupStart_;
    mutable std::vector<std::uint32_t> offsets_;
    // One bit per byte: a character starts there. Items that begin with an ASCII byte
    // are searched in the text and checked against it.
    mutable std::vector<std::uint64_t> boundary_;
    // The first boundary of each byte, for one-byte items.
    mutable std::array<int, 256> firstByte_{};
};
