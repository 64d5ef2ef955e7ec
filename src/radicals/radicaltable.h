#pragma once
// The built-in table of Wubi radicals: key letter, radical, key letter, blank, verse.
#include "common/bytetext.h"

#include <array>

namespace radicals {

using Table = std::array<ByteText, 150>;
inline constexpr int kEntries = 148;

// Writes the 148 entries into slots 0 to 147 in table order; 148 and 149 stay empty.
void buildRadicalTable(Table& table);
// The table, built at its first use.
const Table& table();

// The index of the first entry (from 0 up to 147) whose radical (bytes 2-3) equals the
// text, or -1.
int scan(const Table& table, std::string_view radical);

inline char keyOf(const ByteText& entry) { return entry.empty() ? '\0' : entry[0]; }
inline ByteText radicalOf(const ByteText& entry) { return bytes::copy(entry, 2, 2); }
inline ByteText hintOf(const ByteText& entry) { return bytes::copy(entry, 4, static_cast<long long>(entry.size())); }

}  // namespace radicals
