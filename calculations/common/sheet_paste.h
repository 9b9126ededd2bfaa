// A block of cells pasted into a data sheet at the cursor: where its cells go, a first line of
// headings left out, and what the sheet says of it. Every front end pastes through here, so a block
// lands the same in the window and on the web page.
#pragma once

#include "calculations/common/cell_block.h"

#include <string>
#include <string_view>
#include <vector>

namespace quillon {

// Text holding a tab or a line break is a block of cells; any other text is typed into a cell.
bool holdsCellBlock(std::string_view text);

// Every row made as wide as the widest, so that a pasted block covers a whole rectangle: a short
// or empty line empties the cells it would have filled instead of leaving older text in them.
CellBlock squaredCellBlock(CellBlock block);

// The "Error" text for values a paste left out: how many, and which end of the sheet they passed.
std::string leftOutMessage(int count, bool pastLastRow, bool pastLastColumn,
                           std::string_view lastColumn);

// What the sheet says of a first line taken as headings: its non-empty cells named in order, a
// long name cut short with "...", and the names beyond a line's length counted ("and 3 more").
std::string headingsLeftOutNotice(const std::vector<std::string>& headings);

struct PastedBlock {
    PlacedBlock placed;                // the cells to fill, empty ones included
    std::vector<std::string> headings; // the first line, when it was taken as headings
    std::string notice;                // what is said of the headings; empty for none
    std::string message;               // the "Error" text for values left out; empty for none
};

// The block of the text laid on a sheet of `rows` by `columns` from the origin; `lastColumn` is
// the heading of the sheet's last column, for the message.
PastedBlock pasteCellBlock(std::string_view text, CellPosition origin, int rows, int columns,
                           std::string_view lastColumn);

} // namespace quillon
