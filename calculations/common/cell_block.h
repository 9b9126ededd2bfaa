// A block of cells as a spreadsheet copies or exports it: one row per line, cells separated by
// tabs or, on a line without a tab, by commas or else by runs of blanks. Read the same way
// whether it is pasted into a data sheet or read by the terminal program.
#pragma once

#include "calculations/common/outcome.h"

#include <string>
#include <string_view>
#include <vector>

namespace quillon {

using CellBlock = std::vector<std::vector<std::string>>;

// Lines end at CR LF, LF or CR; one line break at the very end adds no row, and an empty line is
// an empty row. Cells split by tabs or commas keep their text exactly, blanks included, and two
// separators in a row leave an empty cell between them; a cell that opens with a double quote is
// read to its closing quote, separators inside included, "" standing for one quote, and without
// its quotes. Cells split by blanks hold no blanks.
CellBlock splitCellBlock(std::string_view text);

// A block laid onto a grid of 1..maxRows rows and 1..maxColumns columns from its top-left cell.
struct PlacedCell {
    CellPosition cell;
    std::string text;
};
struct PlacedBlock {
    std::vector<PlacedCell> cells; // row by row; empty cells of the block included
    int leftOut = 0;               // non-empty cells that fall beyond the last row or column
};
PlacedBlock placeCellBlock(const CellBlock& block, CellPosition origin, int maxRows,
                           int maxColumns);

// Whether the block's first line names its columns rather than holding values: the block has at
// least two lines, its first line at least one non-empty cell that is not wholly a number, and
// every non-empty cell of the later lines is a number, with at least one such cell among them.
// A cell of blanks counts as empty. A first line of numbers, a block of words only and a single
// line hold no headings.
bool startsWithHeadings(const CellBlock& block);

} // namespace quillon
