// The answer grid's model: what it shows, how it aligns, and what "Clear" empties.
#include "ui/data_sheet/answer_table_model.h"

#include <gtest/gtest.h>

namespace quillon {
namespace {

AnswerTableModel::Table sampleTable() {
    return {
        {"Source of", "", "Sum of"}, {"Between", " 2", "80.0"}, {"Group", "Group"}, {" 1", " 2"}};
}

TEST(AnswerTableModel, ShowsEveryCellAndEmptyTextBeyondAShortRow) {
    AnswerTableModel model(3, 2);
    model.setTable(sampleTable());
    EXPECT_EQ(model.rowCount(), 4);
    EXPECT_EQ(model.columnCount(), 3);
    EXPECT_EQ(model.index(1, 2).data().toString(), "80.0");
    EXPECT_EQ(model.index(3, 2).data().toString(), "");
    EXPECT_FALSE(model.index(1, 2).data(Qt::EditRole).isValid());
}

TEST(AnswerTableModel, LabelsAboveTheCentredRowsLeftAlignedEverythingElseCentred) {
    AnswerTableModel model(3, 2);
    model.setTable(sampleTable());
    const auto alignment = [&model](int row, int column) {
        return model.index(row, column).data(Qt::TextAlignmentRole).toInt();
    };
    EXPECT_EQ(alignment(1, 0), int(Qt::AlignLeft | Qt::AlignVCenter));
    EXPECT_EQ(alignment(1, 1), int(Qt::AlignCenter));
    EXPECT_EQ(alignment(2, 0), int(Qt::AlignCenter));
    EXPECT_EQ(alignment(3, 0), alignment(3, 1));
}

TEST(AnswerTableModel, ClearRowsEmptiesOnlyTheRowsThatExist) {
    AnswerTableModel model(3, 2);
    model.setTable(sampleTable());
    model.clearRows(1, 10);
    EXPECT_EQ(model.index(0, 0).data().toString(), "Source of");
    EXPECT_EQ(model.index(1, 0).data().toString(), "");
    EXPECT_EQ(model.index(3, 1).data().toString(), "");
    EXPECT_EQ(model.rowCount(), 4);
    AnswerTableModel empty(3, 2);
    empty.clearRows(0, 5); // nothing to clear, nothing to break
    EXPECT_EQ(empty.rowCount(), 0);
}

} // namespace
} // namespace quillon
