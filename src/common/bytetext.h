#pragma once
// Byte texts: every text of the program is a GB18030 byte string. Positions are
// 1-based byte positions, lengths count bytes, comparisons are byte for byte.
#include <QString>
#include <string>
#include <string_view>

using ByteText = std::string;

namespace bytes {

// Substring with a 1-based start (below 1 acts as 1) and a count, clipped at the end.
ByteText copy(std::string_view text, long long start, long long count);

// The first n bytes (all of them when the text is shorter; none for n <= 0).
ByteText left(std::string_view text, long long n);

int length(std::string_view text);

// Length in bytes of the character that starts at 0-based offset i: 1 for ASCII,
// 4 for a GB18030 four-byte sequence, 2 for any other lead byte; 1 for a lone byte.
int charLength(std::string_view text, size_t i);

// A marks line holds a blank where the typed byte is right and the reference where it
// is wrong; a wrong blank or control byte of the reference is marked with this byte
// instead, so it can be told from a right one, shown and named.
constexpr char kMissedBlank = '\x7F';
// The marks for a wrong unit of the reference: the unit, its blanks replaced.
ByteText markOf(std::string_view expected);

// GB18030 through glibc iconv. Invalid bytes show as U+FFFD.
QString toUnicode(std::string_view text);
ByteText fromUnicode(const QString& text);

// A UTF-8 literal in the sources, as a byte text.
ByteText gb(std::string_view utf8);

// True when every byte sequence of the text is valid GB18030.
bool isValidGb18030(std::string_view text);
// The 0-based offset of the first byte that does not begin a complete, valid GB18030
// sequence (a lead byte cut off at the end included); -1 for a valid text.
long long firstInvalidGb18030(std::string_view text);

// The same check over a text given in pieces (a file read a block at a time), holding
// no more than a piece: firstInvalid() after finish() is what firstInvalidGb18030 gives
// for the whole text.
class Gb18030Check {
public:
    // Takes the next piece; false once an invalid byte has been found.
    bool feed(std::string_view piece);
    // The end of the text: a sequence left incomplete there is invalid.
    void finish();
    long long firstInvalid() const { return firstBad_; }

private:
    std::string carried_;  // the start of a sequence the last piece cut off
    long long offset_ = 0;  // of carried_ in the whole text
    long long firstBad_ = -1;
};

}  // namespace bytes
