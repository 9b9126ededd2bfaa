// Reading the records of columns 1 and 2 of a data sheet, as the matched pairs and correlation
// windows do.
#pragma once

#include "calculations/common/data_sheet.h"
#include "calculations/common/outcome.h"

#include <optional>
#include <vector>

namespace quillon {

struct PairedColumns {
    std::vector<float> first = std::vector<float>(DataSheet::kRows + 1);  // 1..count used
    std::vector<float> second = std::vector<float>(DataSheet::kRows + 1); // 1..count used
    float count = 0.0f;
    CellPosition lastRead;          // the cell the grid is left on
    std::optional<Refusal> refusal; // the first cell of a record that is not a number
};

// Rows from 1 down: a row with both cells filled is a record, a row with one empty cell is skipped
// and the first row with both empty ends the reading. A record's cell whose text is not a number
// ends the reading with its refusal; the filled cell of a skipped row is not read.
PairedColumns readPairedColumns(const DataSheet& sheet);

} // namespace quillon
