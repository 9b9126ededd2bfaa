#include "ui/data_sheet/answer_grid.h"

#include "ui/common/outcome_effects.h"
#include "ui/common/text_conversion.h"
#include "ui/data_sheet/sheet_clipboard.h"

#include <QContextMenuEvent>
#include <QKeyEvent>
#include <QMenu>

#include <vector>

namespace quillon {

AnswerGrid::AnswerGrid(QWidget* parent) : QTableView(parent) {}

QString AnswerGrid::tableText() const {
    const QAbstractItemModel* table = model();
    std::vector<QStringList> rows;
    std::size_t filled = 0;
    for (int row = 0; row < table->rowCount(); ++row) {
        QStringList cells;
        for (int column = 0; column < table->columnCount(); ++column)
            cells << table->index(row, column).data().toString();
        rows.push_back(cells);
        if (!cells.join(QString()).isEmpty())
            filled = rows.size();
    }
    rows.resize(filled);
    return tabSeparatedLines(rows);
}

void AnswerGrid::copyTable() {
    replaceClipboardText(toStdString(tableText()));
}

void AnswerGrid::keyPressEvent(QKeyEvent* event) {
    if (event->matches(QKeySequence::Copy)) {
        copyTable();
        event->accept();
        return;
    }
    QTableView::keyPressEvent(event);
}

void AnswerGrid::contextMenuEvent(QContextMenuEvent* event) {
    auto* menu = new QMenu(this);
    menu->setAttribute(Qt::WA_DeleteOnClose);
    menu->addAction(QStringLiteral("Copy table"), this, &AnswerGrid::copyTable);
    menu->popup(event->globalPos());
}

} // namespace quillon
