// Reading the records of columns 1 and 2 of a data sheet, as the matched pairs and correlation
// windows do.
#pragma once

#include "calculations/common/data_sheet.h"
#include "calculations/common/outcome.h"

#include <optional>
#include <type_traits>
#include <vector>

namespace quillon {

struct PairedColumns {
    std::vector<float> first = std::vector<float>(DataSheet::kRows + 1);  // 1..count used
    std::vector<float> second = std::vector<float>(DataSheet::kRows + 1); // 1..count used
    // The same records as typed, read in double.
    std::vector<double> firstTyped = std::vector<double>(DataSheet::kRows + 1);
    std::vector<double> secondTyped = std::vector<double>(DataSheet::kRows + 1);
    float count = 0.0f;
    CellPosition lastRead;          // the cell the grid is left on
    std::optional<Refusal> refusal; // the first cell of a record that is not a number
};

// Rows from 1 down: a row with both cells filled is a record, a row with one empty cell is skipped
// and the first row with both empty ends the reading. A record's cell whose text is not a number
// ends the reading with its refusal; the filled cell of a skipped row is not read.
PairedColumns readPairedColumns(const DataSheet& sheet);

// Whether every typed value of the records keeps its typed digits as a single.
bool singlesHold(const PairedColumns& pairs);

// Records 1..count as a calculation stores them: the singles, or the typed values in double.
template <typename Real> const std::vector<Real>& storedFirst(const PairedColumns& pairs) {
    if constexpr (std::is_same_v<Real, float>)
        return pairs.first;
    else
        return pairs.firstTyped;
}

template <typename Real> const std::vector<Real>& storedSecond(const PairedColumns& pairs) {
    if constexpr (std::is_same_v<Real, float>)
        return pairs.second;
    else
        return pairs.secondTyped;
}

} // namespace quillon
