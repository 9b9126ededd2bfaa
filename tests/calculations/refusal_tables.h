// Every calculation's refusals, one table per window: inputs that one check refuses, in the order
// of the checks, with the box or cell at fault and the reason. The calculations' tests run every
// row through the calculation itself and quillon-calc's tests through its evaluation, so that
// both give the same box, cell and reason.
#pragma once

#include "calculations/common/data_sheet.h"
#include "calculations/common/outcome.h"

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace quillon {

// A calculator window's boxes, refused.
struct BoxRefusal {
    std::vector<std::string> inputs; // what the keys let one type: digits, a point, a minus
    int box = 1;
    std::string reason;
    bool messageBox = false; // the "Error" message box shows the reason
};

// A data sheet refused: its grid, or the window's own box beside it (focus 1).
struct SheetRefusal {
    std::string name;
    DataSheetInput input;
    int focus = kFocusGrid;
    std::optional<CellPosition> cell; // the cell made current
    std::string reason;
    bool messageBox = false;
};

struct RefusalTable {
    std::string_view window;
    std::vector<BoxRefusal> boxes;    // a calculator window's rows
    std::vector<SheetRefusal> sheets; // a data sheet window's rows
};

// In catalogue order.
const std::vector<RefusalTable>& refusalTables();

// The refusal a row expects.
Refusal expectedRefusal(const BoxRefusal& row);
Refusal expectedRefusal(const SheetRefusal& row);

} // namespace quillon
