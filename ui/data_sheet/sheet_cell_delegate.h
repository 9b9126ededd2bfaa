// Draws a data sheet cell: the style's background, then the text where the editor box would show
// it (see cell_text_position.h).
#pragma once

#include <QStyledItemDelegate>

namespace quillon {

class SheetCellDelegate : public QStyledItemDelegate {
public:
    using QStyledItemDelegate::QStyledItemDelegate;

    void paint(QPainter* painter, const QStyleOptionViewItem& option,
               const QModelIndex& index) const override;
};

} // namespace quillon
