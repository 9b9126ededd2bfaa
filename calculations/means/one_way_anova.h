// Means6: one-way analysis of variance from each group's mean, SD and N, with post-hoc t-tests for
// every pair of groups, written as the rows of the answer grid Grid1.
#pragma once

#include "calculations/common/data_sheet.h"
#include "calculations/common/outcome.h"

namespace quillon {

inline constexpr int kAnovaColumns = 6;

// Groups are the rows above the first empty Mean cell. A refusal names the cell at fault as the
// current cell. The answer's table holds every row of Grid1 (13 + 2 x pairs rows, heading rows
// included, kAnovaColumns cells each, unnamed cells empty) and replaces the grid's whole content;
// its text is empty.
Outcome analyseVariance(const DataSheetInput& input);

} // namespace quillon
