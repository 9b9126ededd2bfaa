// One-way analysis of variance from each group's mean, SD and N, with post-hoc t-tests for every
// pair of groups, written as the rows of the answer grid.
#pragma once

#include "calculations/common/data_sheet.h"
#include "calculations/common/outcome.h"

#include <cstdint>
#include <vector>

namespace quillon {

inline constexpr int kAnovaColumns = 6;

// Groups are the rows above the first empty Mean cell. A refusal names the cell at fault (empty,
// not a number, an SD not above 0, an N below 2) as the current cell. The answer's table holds
// every row of the answer grid (13 + 2 x pairs rows, heading rows included, kAnovaColumns cells
// each, unnamed cells empty) and replaces the grid's whole content; its text is empty.
Outcome oneWayAnova(const DataSheetInput& input);

// Groups 1..k of the sheet; index 0 unused.
struct AnovaGroups {
    std::vector<float> mean;
    std::vector<float> sd;
    std::vector<float> n; // N need not be whole
    int count() const { return static_cast<int>(mean.size()) - 1; }
};

struct PairTest {
    int first = 0;
    int second = 0;
    float t = 0.0f;
    float df = 0.0f;
    float probability = 0.0f;
};

struct AnovaResult {
    float betweenSquares = 0.0f;
    float withinSquares = 0.0f;
    float totalSquares = 0.0f;
    float betweenMeanSquare = 0.0f;
    float withinMeanSquare = 0.0f;
    float f = 0.0f;
    std::int16_t betweenDf = 0;
    float withinDf = 0.0f;
    float probability = 0.0f;
    std::vector<PairTest> pairs; // (1, 2), (1, 3) .. (k - 1, k)
};

// At least two groups, every SD above 0 and every N at least 2. Raises ArithmeticError when no
// spread within the groups is left (SDs too small for their squares to be held as singles).
AnovaResult oneWayAnovaOf(const AnovaGroups& groups);

} // namespace quillon
