#pragma once
// Practice built from what a learner misses most: the lesson text of the weak
// characters, each character's Wubi code and keys, the radicals for the drill.
#include "chinese/codebook.h"
#include "common/bytetext.h"
#include "history/historystore.h"
#include "radicals/radicaltable.h"

#include <vector>

namespace history {

// How much history the weak spots look at, and how many of each they show.
inline constexpr int kRecentSessions = 50;
// The charts and the calendar read the newest sessions only: a long history opens at
// once, and this many reach back months even for a learner who practises all day.
inline constexpr int kChartSessions = 10000;
inline constexpr int kWeakChars = 20;
inline constexpr int kWeakKeys = 10;
inline constexpr int kWeakRadicals = 10;
inline constexpr int kWeakWords = 20;
// A weak-character lesson holds this many whole pages (5 lines of 33 characters).
inline constexpr int kWeakLessonPages = 2;

// The characters that can stand on a Chinese page: one two-byte character each, in
// the order given (the store's, most-missed first); others are left out.
std::vector<ByteText> weakCharacters(const QList<MissTally>& misses);

// The lesson text: kWeakLessonPages whole pages, each the characters most-missed first,
// over and over. Empty without characters.
ByteText weakCharLesson(const std::vector<ByteText>& characters);

// The Wubi code of a character from the single-character book (as the hint bar reads
// it, without the blanks around it); empty when the book lacks it.
ByteText charCode(const CodeBook& book, const ByteText& character);

// The keys of a code with the key-name radical of each: "x纟 c又 a工 g王".
ByteText codeKeys(const ByteText& code, const radicals::Table& table);

// The key of a radical in the table (0 when it has none).
char radicalKey(const ByteText& radical, const radicals::Table& table);

// How often something was missed, with its error rate where the times it was asked for
// are known: "12次，错误率8%"; else "12次".
QString missesText(int misses, double errorRate);
// The error rate alone, "8%", or "—" where it is not known.
QString rateText(double errorRate);

// Table entries (0-based) of the missed radicals the table knows, most-missed first.
std::vector<int> weakRadicalEntries(const QList<MissTally>& misses, const radicals::Table& table);

}  // namespace history
