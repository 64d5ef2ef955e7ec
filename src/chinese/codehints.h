#pragma once
// The Wubi code hint bar: the code of the next character on the first row, the code
// of the longest known word that starts there on the second.
#include "chinese/codebook.h"

#include <array>
#include <string_view>

namespace chinese {

// Books 1 to 4 (single characters, two-, three- and four-character words).
using CodeBooks = std::array<const CodeBook*, 4>;

struct HintBar {
    std::array<ByteText, 4> caption;  // wbLabel1 .. wbLabel4
    std::array<bool, 4> visible{true, true, true, true};
};

// Distance (1-based) from a match to its 5-byte code field, per book.
constexpr std::array<int, 4> kCodeDistance{8, 5, 7, 9};

// showCodeHints(line, column): refreshes the bar for the characters of line from the
// 1-based byte column. An item that is not found (the empty item included) leaves
// its caption empty.
void showCodeHints(const CodeBooks& books, std::string_view line, int column, HintBar& bar);

// Whether the books give a code for the character (a GB18030 byte text): the one
// look-up of a single character, wherever the books come from.
bool hasCode(const CodeBooks& books, std::string_view character);

// What a one-line label can show of a caption: the 5 bytes after an item found inside a
// longer entry may run into the entry's line break, so the caption ends before the
// first control byte, and a character cut in half there is left out.
ByteText displayCaption(std::string_view caption);

}  // namespace chinese
