#include "ui/data_sheet/sheet_clipboard.h"

#include "calculations/common/data_sheet.h"
#include "ui/common/text_conversion.h"

#include <QStringList>

#include <algorithm>

namespace quillon {

bool holdsCellBlock(const QString& text) {
    return text.contains(QLatin1Char('\t')) || text.contains(QLatin1Char('\n')) ||
           text.contains(QLatin1Char('\r'));
}

CellBlock squaredCellBlock(CellBlock block) {
    std::size_t width = 0;
    for (const auto& row : block)
        width = std::max(width, row.size());
    for (auto& row : block)
        row.resize(width);
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
    if (pastLastRow && pastLastColumn)
        end = row + QStringLiteral(" and at ") + column;
    else if (pastLastRow)
        end = row;
    else
        end = column;
    return values + QStringLiteral(": the data sheet ends at ") + end + QStringLiteral(".");
}

QString headingsLeftOutNotice(const std::vector<std::string>& headings) {
    // Short enough for one line beside the grid: each name, and the list of them, has a longest
    // length; names beyond it are counted instead.
    constexpr qsizetype kLongestName = 24;
    constexpr qsizetype kLongestList = 60;
    QStringList names;
    for (const std::string& heading : headings) {
        QString name = toQString(heading).simplified();
        if (name.size() > kLongestName) {
            qsizetype cut = kLongestName - 3;
            if (name.at(cut - 1).isHighSurrogate())
                --cut;
            name = name.left(cut).trimmed() + QStringLiteral("...");
        }
        if (!name.isEmpty())
            names << name;
    }
    QString list;
    qsizetype named = 0;
    for (const QString& name : names) {
        const QString longer = named == 0 ? name : list + QStringLiteral(", ") + name;
        if (named > 0 && longer.size() > kLongestList)
            break;
        list = longer;
        ++named;
    }
    if (named < names.size())
        list += QStringLiteral(" and %1 more").arg(names.size() - named);
    // A name cut short already ends the sentence.
    if (!list.endsWith(QStringLiteral("...")))
        list += QLatin1Char('.');
    return QStringLiteral("The first line was taken as headings and left out: ") + list;
}

} // namespace quillon
