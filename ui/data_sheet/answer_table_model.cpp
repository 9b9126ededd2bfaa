#include "ui/data_sheet/answer_table_model.h"

#include "ui/common/text_conversion.h"

#include <algorithm>

namespace quillon {

AnswerTableModel::AnswerTableModel(int columns, int firstCentredRow, QObject* parent)
    : QAbstractTableModel(parent), columns_(columns), firstCentredRow_(firstCentredRow) {}

void AnswerTableModel::setTable(Table table) {
    beginResetModel();
    table_ = std::move(table);
    endResetModel();
}

void AnswerTableModel::clearRows(int first, int last) {
    last = std::min(last, rowCount() - 1);
    if (first > last)
        return;
    for (int row = first; row <= last; ++row)
        for (std::string& cell : table_[static_cast<std::size_t>(row)])
            cell.clear();
    emit dataChanged(index(first, 0), index(last, columns_ - 1));
}

int AnswerTableModel::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : static_cast<int>(table_.size());
}

int AnswerTableModel::columnCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : columns_;
}

QVariant AnswerTableModel::data(const QModelIndex& index, int role) const {
    if (!index.isValid())
        return {};
    if (role == Qt::TextAlignmentRole) {
        const bool label = index.column() == 0 && index.row() < firstCentredRow_;
        const Qt::Alignment alignment = label ? Qt::AlignLeft | Qt::AlignVCenter : Qt::AlignCenter;
        return static_cast<int>(alignment);
    }
    if (role != Qt::DisplayRole)
        return {};
    const auto& row = table_[static_cast<std::size_t>(index.row())];
    const auto column = static_cast<std::size_t>(index.column());
    return column < row.size() ? toQString(row[column]) : QString();
}

} // namespace quillon
