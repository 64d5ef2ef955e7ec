#include "radicals/keychart.h"

#include <algorithm>

namespace radicals {

namespace {
struct KeyNumber {
    char letter;
    int number;
};
// Zone 1 to 5 (strokes: horizontal, vertical, left-falling, dot, turning), then the
// position within the zone, counted from the zone's middle outwards.
constexpr KeyNumber kRows[3][10] = {
    {{'Q', 35}, {'W', 34}, {'E', 33}, {'R', 32}, {'T', 31}, {'Y', 41}, {'U', 42}, {'I', 43}, {'O', 44}, {'P', 45}},
    {{'A', 15}, {'S', 14}, {'D', 13}, {'F', 12}, {'G', 11}, {'H', 21}, {'J', 22}, {'K', 23}, {'L', 24}, {0, 0}},
    {{'Z', 0}, {'X', 55}, {'C', 54}, {'V', 53}, {'B', 52}, {'N', 51}, {'M', 25}, {0, 0}, {0, 0}, {0, 0}},
};
}  // namespace

std::array<ChartRow, 3> keyChart(const Table& table) {
    std::array<ChartRow, 3> rows;
    for (size_t r = 0; r < 3; ++r) {
        for (const KeyNumber& k : kRows[r]) {
            if (k.letter == 0) break;
            ChartKey key{k.letter, k.number, {}};
            const char lower = static_cast<char>(k.letter - 'A' + 'a');
            for (int i = 0; i < kEntries; ++i) {
                const ByteText& entry = table[static_cast<size_t>(i)];
                if (keyOf(entry) != lower) continue;
                ByteText radical = radicalOf(entry);
                if (std::find(key.radicals.begin(), key.radicals.end(), radical) == key.radicals.end())
                    key.radicals.push_back(std::move(radical));
            }
            rows[r].push_back(std::move(key));
        }
    }
    return rows;
}

}  // namespace radicals
