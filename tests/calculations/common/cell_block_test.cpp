// Blocks as spreadsheets copy and export them, and where they land on a grid.
#include "calculations/common/cell_block.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace quillon {
namespace {

struct SplitCase {
    std::string name;
    std::string text;
    CellBlock expected;
};

TEST(CellBlock, SplitsLinesAndCellsAsSpreadsheetsWriteThem) {
    const std::vector<SplitCase> cases = {
        {"tabs", "1\t2\n3\t4\n", {{"1", "2"}, {"3", "4"}}},
        {"no trailing break", "1\t2\n3\t4", {{"1", "2"}, {"3", "4"}}},
        {"CR LF and CR", "1\t2\r\n3\t4\r5\t6\r\n", {{"1", "2"}, {"3", "4"}, {"5", "6"}}},
        {"an empty line is an empty row", "1\n\n2\n", {{"1"}, {}, {"2"}}},
        {"two trailing breaks leave one empty row", "1\n\n", {{"1"}, {}}},
        {"empty cells between tabs", "1\t\t3\t\n", {{"1", "", "3", ""}}},
        {"tab cells keep their blanks", " 1 \t2,5\n", {{" 1 ", "2,5"}}},
        {"commas when no tab", "1990,12.1\n1991, 13\n", {{"1990", "12.1"}, {"1991", " 13"}}},
        {"runs of blanks", "  1   2 3  \n", {{"1", "2", "3"}}},
        {"a blank line is an empty row", "1\n   \n2", {{"1"}, {}, {"2"}}},
        {"one value", "42", {{"42"}}},
        {"nothing", "", {}},
        {"a lone break", "\n", {{}}},
        {"quoted cells as exported",
         "\"1,5\",\"2\"\n\"x\"\"y\",3\n",
         {{"1,5", "2"}, {"x\"y", "3"}}},
        {"a quoted tab cell", "\"a\tb\"\t2\n", {{"a\tb", "2"}}},
        {"an empty quoted cell and a last empty cell", "\"\",1,\n", {{"", "1", ""}}},
        {"text after the closing quote", "\"1\"2,3\n", {{"12", "3"}}},
        {"a quote never closed is text", "\"1,2\n", {{"\"1", "2"}}},
        {"a quote inside a cell is text", "1\"2,3\n", {{"1\"2", "3"}}},
    };
    for (const SplitCase& row : cases) {
        SCOPED_TRACE(row.name);
        EXPECT_EQ(splitCellBlock(row.text), row.expected);
    }
}

TEST(CellBlock, PlacesFromItsOriginAndCountsWhatFallsOutside) {
    const CellBlock block = {{"1", "2", "3"}, {"4", "", "6"}, {"7"}};
    const PlacedBlock inside = placeCellBlock(block, {1, 1}, 100, 3);
    EXPECT_EQ(inside.leftOut, 0);
    ASSERT_EQ(inside.cells.size(), 7u);
    EXPECT_EQ(inside.cells[4].cell, (CellPosition{2, 2}));
    EXPECT_EQ(inside.cells[4].text, "");

    const PlacedBlock cut = placeCellBlock(block, {99, 2}, 100, 3);
    // Row 99 takes 1 and 2, row 100 takes 4 and the empty cell; 3, 6 and 7 fall outside.
    EXPECT_EQ(cut.leftOut, 3);
    ASSERT_EQ(cut.cells.size(), 4u);
    EXPECT_EQ(cut.cells.back().cell, (CellPosition{100, 3}));
}

struct HeadingCase {
    std::string name;
    std::string text;
    bool headings;
};

TEST(CellBlock, TakesAFirstLineOfWordsOverNumbersAsHeadings) {
    const std::vector<HeadingCase> cases = {
        {"a column with its heading", "Weight\n12\n14\n10\n15.5\n", true},
        {"headings over two columns", "Year\tSales\n1990\t12.5\n1991\t-3\n", true},
        {"comma-separated headings", "x,y\n1,2\n3,4\n", true},
        {"one word among numbers in the first line", "12\tabc\n1\t2\n", true},
        {"a blank first cell beside a heading", "\tWeight\n1\t2\n", true},
        {"empty lines and cells below", "Weight\n12\n\n\t\n14\n", true},
        {"numbers below written as numbers are read", "N\n 1e3 \n&HFF\n-.5\n", true},
        {"a first line of numbers", "12\n14\n", false},
        {"a single line of words", "Weight\tHeight\n", false},
        {"a single word", "Weight", false},
        {"words only", "Weight\nheavy\nlight\n", false},
        {"a word further down", "Weight\n12\nn/a\n", false},
        {"a decimal comma further down", "Weight\n\"1,5\"\n", false},
        {"nothing below the first line", "Weight\n\n\n", false},
        {"blanks below the first line", "Weight\t\n \t \n", false},
        {"a first line of blanks", " \t \n1\t2\n", false},
        {"an empty first line", "\n1\n2\n", false},
        {"nothing", "", false},
    };
    for (const HeadingCase& row : cases) {
        SCOPED_TRACE(row.name);
        EXPECT_EQ(startsWithHeadings(splitCellBlock(row.text)), row.headings);
    }
}

} // namespace
} // namespace quillon
