#include "ui/data_sheet/cell_names.h"

namespace quillon {

QString cellAccessibleName(int row, int column, const QString& heading) {
    const QString name = QStringLiteral("Row %1").arg(row);
    const QString shown = heading.trimmed();
    if (shown.isEmpty())
        return name;
    const bool lettered = column >= 1 && column <= 26 && shown.size() == 1 &&
                          shown.front() == QLatin1Char(static_cast<char>('A' + column - 1));
    return name + (lettered ? QStringLiteral(", Column ") : QStringLiteral(", ")) + shown;
}

} // namespace quillon
