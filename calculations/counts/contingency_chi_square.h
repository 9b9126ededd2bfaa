// Counts1: the chi-square test of a table of observed frequencies, with Yates' correction for a
// small or chosen 2 x 2 table; a single row or column is tested against equal frequencies.
#pragma once

#include "calculations/common/data_sheet.h"
#include "calculations/common/outcome.h"

namespace quillon {

// The table is the rectangle from cell (1, 1) to the last filled row and column. An empty cell
// inside it, or a cell whose expected frequency is 0 or below (negative counts), is refused with an
// "Error" message naming the cell. A table whose counts add up to 0 raises ArithmeticError.
Outcome chiSquareTableTest(const DataSheetInput& input);

} // namespace quillon
