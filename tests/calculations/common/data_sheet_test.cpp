// The grid texts a data sheet window hands over.
#include "calculations/common/data_sheet.h"

#include <gtest/gtest.h>

#include <stdexcept>

namespace quillon {
namespace {

TEST(DataSheet, CellsAreEmptyUntilSetAndOutsideTheGrid) {
    DataSheet sheet;
    sheet.setText(100, 26, " ");
    EXPECT_EQ(sheet.text(100, 26), " ");
    EXPECT_EQ(sheet.text(1, 1), "");
    EXPECT_EQ(sheet.text(0, 1), "");
    EXPECT_EQ(sheet.text(101, 1), "");
    EXPECT_EQ(sheet.text(1, 27), "");
    EXPECT_THROW(sheet.setText(0, 1, "1"), std::out_of_range);
    EXPECT_THROW(sheet.setText(1, 27, "1"), std::out_of_range);
}

} // namespace
} // namespace quillon
