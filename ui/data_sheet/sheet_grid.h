// The grid Sheet1: a table whose cells the mouse can select as a range for copying. Only the
// mouse selects; the keys and the program move the current cell without touching the selection.
#pragma once

#include <QTableWidget>

namespace quillon {

class SheetGrid : public QTableWidget {
    Q_OBJECT
public:
    SheetGrid(int rows, int columns, QWidget* parent);

    // The selected range when it holds more than one cell.
    bool holdsRange() const;
    QTableWidgetSelectionRange range() const;

signals:
    // The left button came up with a range of cells selected.
    void rangeChosen();

protected:
    QItemSelectionModel::SelectionFlags selectionCommand(const QModelIndex& index,
                                                         const QEvent* event) const override;
    void mouseReleaseEvent(QMouseEvent* event) override;
};

} // namespace quillon
