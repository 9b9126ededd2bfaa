#include "ui/data_sheet/sheet_cell_delegate.h"

#include "ui/data_sheet/cell_text_position.h"

#include <QApplication>
#include <QPainter>
#include <QStyle>

namespace quillon {

void SheetCellDelegate::paint(QPainter* painter, const QStyleOptionViewItem& option,
                              const QModelIndex& index) const {
    QStyleOptionViewItem cell = option;
    initStyleOption(&cell, index);
    const QString text = cell.text;
    cell.text.clear();
    const QStyle* style = cell.widget != nullptr ? cell.widget->style() : QApplication::style();
    style->drawControl(QStyle::CE_ItemViewItem, &cell, painter, cell.widget);

    const QPalette::ColorGroup group =
        cell.state & QStyle::State_Enabled ? QPalette::Normal : QPalette::Disabled;
    painter->save();
    painter->setClipRect(cell.rect);
    painter->setFont(cell.font);
    painter->setPen(cell.palette.color(group, QPalette::Text));
    painter->drawText(cellTextOrigin(cell.rect, QFontMetrics(cell.font)), text);
    painter->restore();
}

} // namespace quillon
