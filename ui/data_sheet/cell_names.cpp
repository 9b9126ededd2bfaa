#include "ui/data_sheet/cell_names.h"

namespace quillon {

QString cellAccessibleName(int row, const QString& heading) {
    const QString name = QStringLiteral("Row %1").arg(row);
    const QString column = heading.trimmed();
    if (column.isEmpty()) {
        return name;
    }
    if (column.size() == 1 && column.front().isLetter()) {
        return name + QStringLiteral(", Column ") + column;
    }
    return name + QStringLiteral(", ") + column;
}

} // namespace quillon
