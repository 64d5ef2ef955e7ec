#pragma once
// What the Wubi key chart shows: the three letter rows, each key with its radicals
// in table order and its zone-position number.
#include "radicals/radicaltable.h"

#include <array>
#include <vector>

namespace radicals {

struct ChartKey {
    char letter;  // upper case
    int number;   // zone and position, as 35 for Q; 0 for Z, which has no radicals
    std::vector<ByteText> radicals;
};

using ChartRow = std::vector<ChartKey>;

// Rows Q..P, A..L, Z..M. A radical that the table lists twice under one key is shown once.
std::array<ChartRow, 3> keyChart(const Table& table);

}  // namespace radicals
