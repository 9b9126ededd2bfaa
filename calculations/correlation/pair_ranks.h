// Ranks of paired data for Spearman's rho: a shell sort that carries each row's partner value,
// and mid-ranks for ties (tied values share the mean of their positions).
#pragma once

#include <vector>

namespace quillon {

// Rows 1..100 of two columns, 0 and 1; row 0 is unused.
struct PairTable {
    std::vector<float> columns[2] = {std::vector<float>(101), std::vector<float>(101)};

    float& at(int row, int column) { return columns[column][static_cast<std::size_t>(row)]; }
};

// Sorts rows 1..n into ascending order of keyColumn, moving otherColumn's values with their rows.
// Equal keys are never exchanged.
void sort(int keyColumn, int otherColumn, float n, PairTable& table);

// Replaces the values of a column, already in ascending order, by their ranks.
void assignRanks(int column, float n, PairTable& table);

// Gives rows first..last of a column the mean of the positions first..last.
void calcRank(int column, int first, int last, PairTable& table);

} // namespace quillon
