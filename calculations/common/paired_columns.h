// Reading the records of columns 1 and 2 of a data sheet, as the matched pairs and correlation
// windows do.
#pragma once

#include "calculations/common/data_sheet.h"
#include "calculations/common/outcome.h"

#include <vector>

namespace quillon {

struct PairedColumns {
    std::vector<float> first = std::vector<float>(DataSheet::kRows + 1);  // 1..count used
    std::vector<float> second = std::vector<float>(DataSheet::kRows + 1); // 1..count used
    float count = 0.0f;
    CellPosition lastRead; // the cell the grid is left on
};

// Rows from 1 down: a row with both cells filled is a record, a row with one empty cell is skipped
// and the first row with both empty ends the reading. Texts that are not numbers read as 0.
PairedColumns readPairedColumns(const DataSheet& sheet);

} // namespace quillon
