#include "ui/data_sheet/sheet_clipboard.h"

namespace quillon {

QString tabSeparatedLines(const std::vector<QStringList>& rows) {
    QString text;
    for (const QStringList& row : rows) {
        text += row.join(QLatin1Char('\t'));
        text += QLatin1Char('\n');
    }
    return text;
}

} // namespace quillon
