#include "calculations/common/data_sheet.h"

#include <stdexcept>

namespace quillon {
namespace {

bool inGrid(int row, int column) {
    return row >= 1 && row <= DataSheet::kRows && column >= 1 && column <= DataSheet::kColumns;
}

std::size_t cellIndex(int row, int column) {
    return static_cast<std::size_t>(row - 1) * DataSheet::kColumns +
           static_cast<std::size_t>(column - 1);
}

} // namespace

DataSheet::DataSheet() : cells_(static_cast<std::size_t>(kRows) * kColumns) {}

void DataSheet::setText(int row, int column, std::string text) {
    if (!inGrid(row, column))
        throw std::out_of_range("data sheet cell outside the grid");
    cells_[cellIndex(row, column)] = std::move(text);
}

const std::string& DataSheet::text(int row, int column) const {
    static const std::string empty;
    if (!inGrid(row, column))
        return empty;
    return cells_[cellIndex(row, column)];
}

} // namespace quillon
