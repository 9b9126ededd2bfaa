// The answer grid Grid1: a read-only table whose whole contents Ctrl+C and the context menu's
// "Copy table" put on the clipboard as tab-separated lines, ready for a spreadsheet.
#pragma once

#include <QTableView>

namespace quillon {

class AnswerGrid : public QTableView {
    Q_OBJECT
public:
    explicit AnswerGrid(QWidget* parent = nullptr);

    // Every row down to the last that holds text.
    QString tableText() const;
    void copyTable();

protected:
    void keyPressEvent(QKeyEvent* event) override;
    void contextMenuEvent(QContextMenuEvent* event) override;
};

} // namespace quillon
