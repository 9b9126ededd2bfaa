// Where the cursor of a data sheet goes from a cell, and the limits that stop it. Plain logic: the
// editor applies the result to the grid.
#pragma once

#include "calculations/common/outcome.h"

namespace quillon {

enum class SheetLimit {
    None,           // the move happened (or, for some keys at the edge, quietly did not)
    MaximumRows,    // "Maximum rows reached."
    MaximumColumns, // "Maximum columns reached."
    FirstRow,       // the beep
};

struct SheetMove {
    CellPosition target;
    SheetLimit limit = SheetLimit::None;
    bool operator==(const SheetMove&) const = default;
};

SheetMove moveDown(CellPosition from);
SheetMove moveUp(CellPosition from);

// Tab and Enter down the rows: right to the last column, then to column 1 of the next row, or of
// the same row at the advance limit.
SheetMove moveForward(CellPosition from, int lastColumn, int advanceLimit);
// Back to the last column of the row above; nothing at row 1, column 1.
SheetMove moveBackward(CellPosition from, int lastColumn);

// Tab and Enter along one row, up to the last column of the grid.
SheetMove moveRight(CellPosition from);
// Nothing at column 1.
SheetMove moveLeft(CellPosition from);

// The text of the "Error" box a limit shows; empty for none and for the beep.
const char* limitMessage(SheetLimit limit);

} // namespace quillon
