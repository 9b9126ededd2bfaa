// The cells of the answer grid Grid1, held as the calculation gives them. A model rather than one
// item per cell: an analysis of 99 groups fills nearly 10,000 rows, and replacing the whole table
// costs no more than moving it in; only the rows in view are ever turned into text for display.
#pragma once

#include <QAbstractTableModel>

#include <string>
#include <vector>

namespace quillon {

class AnswerTableModel : public QAbstractTableModel {
    Q_OBJECT
public:
    using Table = std::vector<std::vector<std::string>>;

    // The first column is left-aligned, as row labels, above firstCentredRow and centred like the
    // other columns from that row down.
    AnswerTableModel(int columns, int firstCentredRow, QObject* parent = nullptr);

    // Replaces every row.
    void setTable(Table table);
    // Empties the cells of rows first..last that exist.
    void clearRows(int first, int last);

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;

private:
    int columns_;
    int firstCentredRow_;
    Table table_;
};

} // namespace quillon
