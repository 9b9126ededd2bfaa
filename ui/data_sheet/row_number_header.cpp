#include "ui/data_sheet/row_number_header.h"

#include "ui/data_sheet/cell_text_position.h"

#include <QPainter>
#include <QStyleOptionHeader>

namespace quillon {

void RowNumberHeader::paintSection(QPainter* painter, const QRect& rect, int logicalIndex) const {
    if (!rect.isValid())
        return;
    QStyleOptionHeader section;
    initStyleOption(&section);
    section.rect = rect;
    section.section = logicalIndex;
    section.position = QStyleOptionHeader::Middle;
    style()->drawControl(QStyle::CE_Header, &section, painter, this);

    const QString text = model()->headerData(logicalIndex, orientation()).toString();
    painter->save();
    painter->setClipRect(rect);
    painter->setPen(palette().color(QPalette::ButtonText));
    painter->drawText(cellTextOrigin(rect, fontMetrics()), text);
    painter->restore();
}

} // namespace quillon
