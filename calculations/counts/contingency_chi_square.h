// The chi-square test of a table of observed frequencies, with Yates' correction for a small or
// chosen 2 x 2 table; a single row or column is tested against equal frequencies.
#pragma once

#include "calculations/common/data_sheet.h"
#include "calculations/common/outcome.h"

#include <vector>

namespace quillon {

// The table is the rectangle from cell (1, 1) to the last filled row and column. An empty cell
// inside it, or a cell whose expected frequency is 0 or below (negative counts), is refused with an
// "Error" message naming the cell; a cell whose text is not a number is refused by name with a
// beep. A table whose counts add up to 0 raises ArithmeticError.
Outcome contingencyChiSquare(const DataSheetInput& input);

// Yates' correction chosen beside the grid: key "yates", a check box.
const SheetOption& yatesCorrectionOption();

// Observed counts, rows 1..rows and columns 1..columns; row 0 and column 0 hold the totals.
using Frequencies = std::vector<std::vector<float>>;

struct ChiSquareResult {
    float chiSquare = 0.0f;
    int degreesOfFreedom = 0;
    float probability = 0.0f;
    float total = 0.0f;
    bool corrected = false; // Yates' correction applied
};

// The statistic of a table whose row and column totals are above 0. Refuses, by name, the first
// cell whose expected frequency is 0 or less.
std::variant<Refusal, ChiSquareResult> chiSquareOfTable(const Frequencies& observed, bool useYates);

} // namespace quillon
