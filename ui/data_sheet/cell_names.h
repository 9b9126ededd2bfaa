// What screen readers call a data cell: its row and its column heading, "Row 3, SD"; a column
// headed by a lone letter is a "Column", "Row 3, Column B".
#pragma once

#include <QString>

namespace quillon {

QString cellAccessibleName(int row, const QString& heading);

} // namespace quillon
