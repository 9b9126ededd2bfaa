#include "ui/data_sheet/sheet_grid.h"

#include <QMouseEvent>

namespace quillon {

SheetGrid::SheetGrid(int rows, int columns, QWidget* parent) : QTableWidget(rows, columns, parent) {
    setSelectionMode(QAbstractItemView::ContiguousSelection);
}

bool SheetGrid::holdsRange() const {
    const QTableWidgetSelectionRange selected = range();
    return selected.rowCount() * selected.columnCount() > 1;
}

QTableWidgetSelectionRange SheetGrid::range() const {
    const QList<QTableWidgetSelectionRange> ranges = selectedRanges();
    return ranges.isEmpty() ? QTableWidgetSelectionRange() : ranges.front();
}

QItemSelectionModel::SelectionFlags SheetGrid::selectionCommand(const QModelIndex& index,
                                                                const QEvent* event) const {
    if (event == nullptr)
        return QItemSelectionModel::NoUpdate;
    switch (event->type()) {
    case QEvent::MouseButtonPress:
    case QEvent::MouseMove:
    case QEvent::MouseButtonRelease: {
        const auto* mouse = static_cast<const QMouseEvent*>(event);
        if (mouse->button() == Qt::LeftButton || (mouse->buttons() & Qt::LeftButton))
            return QTableWidget::selectionCommand(index, event);
        return QItemSelectionModel::NoUpdate;
    }
    default:
        return QItemSelectionModel::NoUpdate;
    }
}

void SheetGrid::mouseReleaseEvent(QMouseEvent* event) {
    QTableWidget::mouseReleaseEvent(event);
    if (event->button() == Qt::LeftButton && holdsRange())
        emit rangeChosen();
}

} // namespace quillon
