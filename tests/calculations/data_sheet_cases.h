// Table-driven checks of a data sheet window: each row the grid's cell texts (and the window's
// extra controls) and the exact outcome, printed readably when they differ.
#pragma once

#include "calculations/common/data_sheet.h"
#include "core/arithmetic.h"
#include "tests/calculations/outcome_cases.h"

#include <gtest/gtest.h>

#include <optional>
#include <string>
#include <vector>

namespace quillon {

using CellRows = std::vector<std::vector<std::string>>;

// Row 1 first, column 1 first; cells not given stay empty.
inline DataSheetInput sheetOf(const CellRows& rows) {
    DataSheetInput input;
    for (std::size_t row = 0; row < rows.size(); ++row)
        for (std::size_t column = 0; column < rows[row].size(); ++column)
            input.sheet.setText(static_cast<int>(row + 1), static_cast<int>(column + 1),
                                rows[row][column]);
    return input;
}

// Column 1 holds the values from row 1 down.
inline CellRows columnOf(const std::vector<std::string>& values) {
    CellRows rows;
    for (const std::string& value : values)
        rows.push_back({value});
    return rows;
}

inline Answer answered(std::string text, std::optional<std::string> clipboard,
                       std::optional<CellPosition> current, bool beep = false) {
    return Answer{.text = std::move(text),
                  .clipboard = std::move(clipboard),
                  .beep = beep,
                  .currentCell = current};
}

inline std::string describeSheetOutcome(const Outcome& outcome) {
    std::string text = describeOutcome(outcome);
    const auto* refusal = std::get_if<Refusal>(&outcome);
    const auto* result = std::get_if<Answer>(&outcome);
    const std::optional<CellPosition> cell = refusal ? refusal->currentCell : result->currentCell;
    if (cell)
        text += " current (" + std::to_string(cell->row) + "," + std::to_string(cell->column) + ")";
    if (result && result->yatesSwitchedOn)
        text += " Yates on";
    if (result && !result->table.empty())
        text += " table of " + std::to_string(result->table.size()) + " rows";
    return text;
}

struct SheetCase {
    std::string name;
    DataSheetInput input;
    Outcome expected;
};

inline void expectSheetOutcomes(DataSheetCalculation calculate,
                                const std::vector<SheetCase>& cases) {
    for (const SheetCase& row : cases) {
        SCOPED_TRACE(row.name);
        const Outcome got = calculate(row.input);
        EXPECT_TRUE(isExpectedOutcome(got, row.expected))
            << "got      " << describeSheetOutcome(got) << "\nexpected "
            << describeSheetOutcome(row.expected);
    }
}

struct SheetFaultCase {
    std::string name;
    DataSheetInput input;
    ArithmeticFault fault;
};

inline void expectSheetFaults(DataSheetCalculation calculate,
                              const std::vector<SheetFaultCase>& cases) {
    for (const SheetFaultCase& row : cases) {
        SCOPED_TRACE(row.name);
        try {
            const Outcome got = calculate(row.input);
            ADD_FAILURE() << "no arithmetic error; got " << describeSheetOutcome(got);
        } catch (const ArithmeticError& error) {
            EXPECT_EQ(faultName(error.fault()), faultName(row.fault));
        }
    }
}

} // namespace quillon
