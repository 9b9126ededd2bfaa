// What a data sheet window hands its calculation: the texts of the grid's data cells and the
// values of the window's own controls by key. The window copies them in; the calculation never
// sees a widget.
#pragma once

#include "calculations/common/outcome.h"
#include "calculations/common/sheet_option.h"

#include <string>
#include <vector>

namespace quillon {

// The data cells of a grid, 1-based as the user counts them: rows 1..kRows, columns 1..kColumns.
// A cell never set holds the empty text, as does any position outside the grid.
class DataSheet {
public:
    static constexpr int kRows = 100;
    static constexpr int kColumns = 26;

    DataSheet();

    // Raises std::out_of_range outside rows 1..kRows or columns 1..kColumns.
    void setText(int row, int column, std::string text);
    const std::string& text(int row, int column) const;

private:
    std::vector<std::string> cells_; // row by row
};

struct DataSheetInput {
    DataSheet sheet;
    OptionValues options; // the sheet's own controls (population size, Yates' correction, ...)
};

using DataSheetCalculation = Outcome (*)(const DataSheetInput& input);

} // namespace quillon
