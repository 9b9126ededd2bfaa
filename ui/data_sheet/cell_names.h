// What screen readers call a data cell: its row and its column heading, "Row 3, SD"; a column
// headed by its own letter is a "Column", "Row 3, Column B".
#pragma once

#include <QString>

namespace quillon {

// Row and column count from 1, as the user counts them.
QString cellAccessibleName(int row, int column, const QString& heading);

} // namespace quillon
