// The row-number column of a data sheet: header sections drawn by the style, each number placed
// where the cells beside it put their text, so that a row reads on one line.
#pragma once

#include <QHeaderView>

namespace quillon {

class RowNumberHeader : public QHeaderView {
public:
    explicit RowNumberHeader(QWidget* parent) : QHeaderView(Qt::Vertical, parent) {}

protected:
    void paintSection(QPainter* painter, const QRect& rect, int logicalIndex) const override;
};

} // namespace quillon
