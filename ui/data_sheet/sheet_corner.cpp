#include "ui/data_sheet/sheet_corner.h"

#include <QAbstractButton>
#include <QEvent>
#include <QHeaderView>
#include <QStyleOptionHeader>
#include <QStylePainter>
#include <QTableView>

namespace quillon {

SheetCorner::SheetCorner(QTableView* view) : QObject(view), view_(view) {
    view->setCornerButtonEnabled(false);
    corner_ = view->findChild<QAbstractButton*>(QString(), Qt::FindDirectChildrenOnly);
    if (corner_ != nullptr)
        corner_->installEventFilter(this);
}

void SheetCorner::setText(const QString& text) {
    text_ = text;
    if (corner_ != nullptr) {
        // Screen readers meet the disabled button as the heading it shows.
        corner_->setAccessibleName(text);
        corner_->update();
    }
}

bool SheetCorner::eventFilter(QObject* watched, QEvent* event) {
    if (watched != corner_ || event->type() != QEvent::Paint)
        return false;
    // Drawn as a section of the heading row, enabled whatever the disabled button would show.
    QStyleOptionHeader option;
    option.initFrom(view_->horizontalHeader());
    option.rect = corner_->rect();
    option.position = QStyleOptionHeader::OnlyOneSection;
    option.text = text_;
    option.textAlignment = Qt::AlignLeft | Qt::AlignVCenter;
    QStylePainter painter(corner_);
    painter.drawControl(QStyle::CE_Header, option);
    return true;
}

} // namespace quillon
