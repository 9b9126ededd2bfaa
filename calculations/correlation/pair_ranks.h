// Ranks of paired data for Spearman's rho: a shell sort that carries each row's partner value,
// and mid-ranks for ties (tied values share the mean of their positions).
#pragma once

#include <vector>

namespace quillon {

// Rows 1..100 of two columns, 0 and 1; row 0 is unused. The values are stored as the calculation
// stores them, single or double; their ranks replace them in the same storage.
template <typename Real> struct PairTableOf {
    std::vector<Real> columns[2] = {std::vector<Real>(101), std::vector<Real>(101)};

    Real& at(int row, int column) { return columns[column][static_cast<std::size_t>(row)]; }
};

using PairTable = PairTableOf<float>;

// Sorts rows 1..n into ascending order of keyColumn, moving otherColumn's values with their rows.
// Equal keys are never exchanged.
template <typename Real>
void sort(int keyColumn, int otherColumn, float n, PairTableOf<Real>& table);

// Replaces the values of a column, already in ascending order, by their ranks.
template <typename Real> void assignRanks(int column, float n, PairTableOf<Real>& table);

// Gives rows first..last of a column the mean of the positions first..last.
template <typename Real> void calcRank(int column, int first, int last, PairTableOf<Real>& table);

} // namespace quillon
