// One-way analysis of variance from each group's mean, SD and N, with post-hoc t-tests for every
// pair of groups, written as the rows of the answer grid.
#pragma once

#include "calculations/common/answer_grid_shape.h"
#include "calculations/common/data_sheet.h"
#include "calculations/common/outcome.h"

#include <cstdint>
#include <vector>

namespace quillon {

// The answer grid, kAnovaColumns wide: the analysis of variance table's headings in rows 0 and 1,
// dashes in row 2, then Between, Within and Total in rows 3 to kAnovaTotalRow; the post-hoc
// headings in kAnovaPostHocHeadingRow, dashes under them, and one pair of groups in every second
// row from kAnovaFirstPairRow.
inline constexpr int kAnovaColumns = 6;
inline constexpr int kAnovaTotalRow = 5;
inline constexpr int kAnovaPostHocHeadingRow = 9;
inline constexpr int kAnovaFirstPairRow = 11;
inline constexpr AnswerGridShape kAnovaAnswerGrid{.columns = kAnovaColumns,
                                                  .lastSummaryRow = kAnovaTotalRow,
                                                  .firstNumberRow = kAnovaPostHocHeadingRow};

// Groups are the rows above the first empty Mean cell. A refusal names the cell at fault (empty,
// not a number, an SD not above 0, an N below 2) as the current cell. The answer's table holds
// every row of the answer grid (13 + 2 x pairs rows, heading rows included, kAnovaColumns cells
// each, unnamed cells empty) and replaces the grid's whole content; its text is empty.
Outcome oneWayAnova(const DataSheetInput& input);

// Groups 1..k of the sheet; index 0 unused. Real is the storage of every quantity: float as the
// legacy steps keep them, double when a typed value has more digits than a single holds.
template <typename Real> struct AnovaGroupsOf {
    std::vector<Real> mean;
    std::vector<Real> sd;
    std::vector<Real> n; // N need not be whole
    // Each mean less group 1's mean, from the digits as typed (double storage only); left empty,
    // the differences of the stored means.
    std::vector<double> meanOffset;
    int count() const { return static_cast<int>(mean.size()) - 1; }
};
using AnovaGroups = AnovaGroupsOf<float>;

template <typename Real> struct PairTestOf {
    int first = 0;
    int second = 0;
    Real t = 0;
    Real df = 0;
    float probability = 0.0f; // the distribution routines give a single
};
using PairTest = PairTestOf<float>;

template <typename Real> struct AnovaResultOf {
    Real betweenSquares = 0;
    Real withinSquares = 0;
    Real totalSquares = 0;
    Real betweenMeanSquare = 0;
    Real withinMeanSquare = 0;
    Real f = 0;
    std::int16_t betweenDf = 0;
    Real withinDf = 0;
    float probability = 0.0f;
    std::vector<PairTestOf<Real>> pairs; // (1, 2), (1, 3) .. (k - 1, k)
};
using AnovaResult = AnovaResultOf<float>;

// At least two groups, every SD above 0 and every N at least 2. Raises ArithmeticError when no
// spread within the groups is left (SDs too small for their squares to be held as singles).
template <typename Real> AnovaResultOf<Real> oneWayAnovaOf(const AnovaGroupsOf<Real>& groups);

extern template AnovaResultOf<float> oneWayAnovaOf(const AnovaGroupsOf<float>&);
extern template AnovaResultOf<double> oneWayAnovaOf(const AnovaGroupsOf<double>&);

} // namespace quillon
