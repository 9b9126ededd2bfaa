// A data sheet filled from text as a spreadsheet copies or exports it, through the same cell
// reading as a paste into the window. Cells that would fall beyond the sheet are an error, never
// dropped in silence.
#pragma once

#include "calculations/common/cell_block.h"
#include "calculations/common/data_sheet.h"
#include "terminal/input_text.h"

#include <optional>
#include <string_view>

namespace quillon::terminal {

struct GridInput {
    CellBlock rows; // the cells as read, the skipped first line left out
    DataSheet sheet;
    std::optional<InputProblem> problem;
};

// columns: the data columns of the calculation's sheet; skipFirstLine: --header.
GridInput readGrid(std::string_view text, int columns, bool skipFirstLine);

} // namespace quillon::terminal
