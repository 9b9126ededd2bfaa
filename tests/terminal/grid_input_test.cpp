// The data sheet filled from piped text: the cell reading a paste uses, the first line skipped,
// nothing beyond the sheet dropped in silence.
#include "terminal/grid_input.h"

#include <gtest/gtest.h>

namespace quillon::terminal {
namespace {

struct GridCase {
    std::string what;
    std::string text;
    int columns;
    bool header;
    std::vector<std::vector<std::string>> cells; // rows 1 and down, columns 1 and up
};

TEST(GridInput, CellsLandWhereTheWindowWouldHoldThem) {
    const std::vector<GridCase> cases = {
        {"tabs", "1\t2\n3\t4\n", 2, false, {{"1", "2"}, {"3", "4"}}},
        {"commas, a cell left empty", "1,,3\n4,5,6\n", 3, false, {{"1", "", "3"}, {"4", "5", "6"}}},
        {"runs of blanks", "  1   2\n3 4  \n", 2, false, {{"1", "2"}, {"3", "4"}}},
        {"CR LF and no last break", "1,2\r\n3,4", 2, false, {{"1", "2"}, {"3", "4"}}},
        {"an empty line is an empty row", "1\n\n3\n", 1, false, {{"1"}, {""}, {"3"}}},
        {"the heading line skipped", "x,y\n1,2\n", 2, true, {{"1", "2"}, {"", ""}}},
        {"quoted as exported", "\"x\",\"y\"\n\"1\",\"2\"\n", 2, true, {{"1", "2"}}},
        {"empty cells beyond the sheet are no loss", "1,2,,\n", 2, false, {{"1", "2"}}},
    };
    for (const GridCase& row : cases) {
        SCOPED_TRACE(row.what);
        const GridInput grid = readGrid(row.text, row.columns, row.header);
        ASSERT_FALSE(grid.problem) << grid.problem->message;
        for (std::size_t r = 0; r < row.cells.size(); ++r)
            for (std::size_t c = 0; c < row.cells[r].size(); ++c)
                EXPECT_EQ(grid.sheet.text(static_cast<int>(r + 1), static_cast<int>(c + 1)),
                          row.cells[r][c])
                    << "row " << r + 1 << " column " << c + 1;
    }
}

TEST(GridInput, TheLastRowFitsAndTheOneAfterDoesNot) {
    std::string hundred;
    for (int row = 1; row <= 100; ++row)
        hundred += std::to_string(row) + "\n";
    const GridInput full = readGrid(hundred, 1, false);
    ASSERT_FALSE(full.problem);
    EXPECT_EQ(full.sheet.text(100, 1), "100");
    EXPECT_FALSE(readGrid("heading\n" + hundred, 1, true).problem);

    const GridInput over = readGrid(hundred + "101\n", 1, false);
    ASSERT_TRUE(over.problem);
    EXPECT_EQ(over.problem->status, 65);
    EXPECT_EQ(over.problem->message, "the data sheet holds 100 rows of 1 column; line 101 is "
                                     "beyond its last row (1 cell beyond the sheet)");
    // With a heading line, line 102 is the 101st row.
    EXPECT_NE(readGrid("h\n" + hundred + "101\n", 1, true).problem->message.find("line 102"),
              std::string::npos);
}

} // namespace
} // namespace quillon::terminal
