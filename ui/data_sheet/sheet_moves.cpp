#include "ui/data_sheet/sheet_moves.h"

#include "calculations/common/data_sheet.h"

namespace quillon {

SheetMove moveDown(CellPosition from) {
    if (from.row >= DataSheet::kRows)
        return {from, SheetLimit::MaximumRows};
    return {{from.row + 1, from.column}};
}

SheetMove moveUp(CellPosition from) {
    if (from.row <= 1)
        return {from, SheetLimit::FirstRow};
    return {{from.row - 1, from.column}};
}

SheetMove moveForward(CellPosition from, int lastColumn, int advanceLimit) {
    if (from.column < lastColumn)
        return {{from.row, from.column + 1}};
    const int row = from.row < advanceLimit ? from.row + 1 : from.row;
    return {{row, 1}};
}

SheetMove moveBackward(CellPosition from, int lastColumn) {
    if (from.column > 1)
        return {{from.row, from.column - 1}};
    if (from.row <= 1)
        return {from};
    return {{from.row - 1, lastColumn}};
}

SheetMove moveRight(CellPosition from) {
    if (from.column >= DataSheet::kColumns)
        return {from, SheetLimit::MaximumColumns};
    return {{from.row, from.column + 1}};
}

SheetMove moveLeft(CellPosition from) {
    if (from.column <= 1)
        return {from};
    return {{from.row, from.column - 1}};
}

const char* limitMessage(SheetLimit limit) {
    switch (limit) {
    case SheetLimit::MaximumRows:
        return "Maximum rows reached.";
    case SheetLimit::MaximumColumns:
        return "Maximum columns reached.";
    case SheetLimit::None:
    case SheetLimit::FirstRow:
        break;
    }
    return "";
}

} // namespace quillon
