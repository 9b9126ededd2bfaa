#include "terminal/grid_input.h"

#include "terminal/exit_status.h"

#include <string>

namespace quillon::terminal {

namespace {

// The first non-empty cell beyond the sheet, 0-based in the block, if any.
std::optional<CellPosition> firstCellBeyond(const CellBlock& rows, int columns) {
    for (std::size_t r = 0; r < rows.size(); ++r) {
        for (std::size_t c = 0; c < rows[r].size(); ++c) {
            const bool beyond = r >= static_cast<std::size_t>(DataSheet::kRows) ||
                                c >= static_cast<std::size_t>(columns);
            if (beyond && !rows[r][c].empty())
                return CellPosition{static_cast<int>(r), static_cast<int>(c)};
        }
    }
    return std::nullopt;
}

} // namespace

GridInput readGrid(std::string_view text, int columns, bool skipFirstLine) {
    GridInput grid;
    grid.rows = splitCellBlock(text);
    if (skipFirstLine && !grid.rows.empty())
        grid.rows.erase(grid.rows.begin());

    const PlacedBlock placed =
        placeCellBlock(grid.rows, CellPosition{1, 1}, DataSheet::kRows, columns);
    if (placed.leftOut > 0) {
        const CellPosition first = *firstCellBeyond(grid.rows, columns);
        const int line = first.row + 1 + (skipFirstLine ? 1 : 0);
        const std::string shape = std::to_string(DataSheet::kRows) + " rows of " +
                                  std::to_string(columns) + (columns == 1 ? " column" : " columns");
        const std::string where = first.row >= DataSheet::kRows
                                      ? "line " + std::to_string(line) + " is beyond its last row"
                                      : "line " + std::to_string(line) + " has a value in column " +
                                            std::to_string(first.column + 1);
        grid.problem = InputProblem{kExitDataError, "the data sheet holds " + shape + "; " + where +
                                                        " (" + std::to_string(placed.leftOut) +
                                                        (placed.leftOut == 1 ? " cell" : " cells") +
                                                        " beyond the sheet)"};
        return grid;
    }
    for (const PlacedCell& cell : placed.cells)
        grid.sheet.setText(cell.cell.row, cell.cell.column, cell.text);
    return grid;
}

} // namespace quillon::terminal
