// Data sheet cells with a whole number added to the decimal texts of some columns, exactly (in
// decimal, before any reading), for checks that a statistic does not depend on the level of data.
#pragma once

#include "tests/calculations/data_sheet_cases.h"

#include <cstdlib>
#include <string>

namespace quillon {

inline constexpr long long kShifts[] = {1000, 10000, 100000, 1000000};

// "12.25" + 1000 gives "1012.25"; an empty cell stays empty.
inline std::string shiftedText(const std::string& text, long long shift) {
    if (text.empty())
        return text;
    const std::size_t point = text.find('.');
    const std::string fraction = point == std::string::npos ? "" : text.substr(point + 1);
    long long scale = 1;
    for (std::size_t digit = 0; digit < fraction.size(); ++digit)
        scale *= 10;
    const bool negative = text[0] == '-';
    const long long whole = std::llabs(std::stoll(text.substr(0, point)));
    const long long magnitude = whole * scale + (fraction.empty() ? 0 : std::stoll(fraction));
    const long long units = (negative ? -magnitude : magnitude) + shift * scale;
    const long long absolute = std::llabs(units);
    std::string digits = std::to_string(absolute % scale);
    digits.insert(0, fraction.size() - (scale == 1 ? 0 : digits.size()), '0');
    return (units < 0 ? "-" : "") + std::to_string(absolute / scale) +
           (fraction.empty() ? "" : "." + digits);
}

// Columns are numbered from 1.
inline CellRows shiftedColumns(CellRows rows, long long shift, const std::vector<int>& columns) {
    for (std::vector<std::string>& row : rows)
        for (const int column : columns)
            if (static_cast<std::size_t>(column) <= row.size())
                row[static_cast<std::size_t>(column - 1)] =
                    shiftedText(row[static_cast<std::size_t>(column - 1)], shift);
    return rows;
}

} // namespace quillon
