#include "ui/data_sheet/sheet_clipboard.h"

#include "calculations/common/data_sheet.h"

#include <algorithm>

namespace quillon {

bool holdsCellBlock(const QString& text) {
    return text.contains(QLatin1Char('\t')) || text.contains(QLatin1Char('\n')) ||
           text.contains(QLatin1Char('\r'));
}

CellBlock squaredCellBlock(CellBlock block) {
    std::size_t width = 0;
    for (const auto& row : block) {
        width = std::max(width, row.size());
    }
    for (auto& row : block) {
        row.resize(width);
    }
    return block;
}

QString tabSeparatedLines(const std::vector<QStringList>& rows) {
    QString text;
    for (const QStringList& row : rows) {
        text += row.join(QLatin1Char('\t'));
        text += QLatin1Char('\n');
    }
    return text;
}

QString leftOutMessage(int count, bool pastLastRow, bool pastLastColumn,
                       const QString& lastColumn) {
    const QString values = count == 1 ? QStringLiteral("1 value was left out")
                                      : QStringLiteral("%1 values were left out").arg(count);
    const QString row = QStringLiteral("row %1").arg(DataSheet::kRows);
    const QString column = QStringLiteral("column ") + lastColumn;
    QString end;
    if (pastLastRow && pastLastColumn) {
        end = row + QStringLiteral(" and at ") + column;
    } else if (pastLastRow) {
        end = row;
    } else {
        end = column;
    }
    return values + QStringLiteral(": the data sheet ends at ") + end + QStringLiteral(".");
}

} // namespace quillon
