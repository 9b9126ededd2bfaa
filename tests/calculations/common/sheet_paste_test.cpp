// Where a pasted block goes in a data sheet, and how the sheet words what it left out.
#include "calculations/common/sheet_paste.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace quillon {
namespace {

struct NoticeCase {
    std::string name;
    std::vector<std::string> headings;
    std::string expected;
};

TEST(SheetPaste, NamesTheHeadingsLeftOutOnOneShortLine) {
    const std::string start = "The first line was taken as headings and left out: ";
    const std::vector<NoticeCase> cases = {
        {"one", {"Weight"}, "Weight."},
        {"several, empty cells skipped", {"", "Var. 1", " ", "Var. 2"}, "Var. 1, Var. 2."},
        {"blanks inside and around a name", {"  Body\tweight  "}, "Body weight."},
        {"a long name cut short",
         {"Weight of the newborn calves in kilograms"},
         "Weight of the newborn..."},
        {"a name cut short ends the list",
         {"x", std::string(30, 'y')},
         "x, " + std::string(21, 'y') + "..."},
        {"names beyond the line counted",
         {"Group", "Mean", "SD", "N", "Median", "Minimum", "Maximum", "Range", "Skewness",
          "Kurtosis", "Comment"},
         "Group, Mean, SD, N, Median, Minimum, Maximum, Range and 3 more."},
        {"a first name longer than the line is still named",
         {std::string(80, 'x'), "y"},
         std::string(21, 'x') + "..., y."},
        {"not cut inside a character",
         {std::string(20, 'a') + "\xf0\x9d\x91\xa5" + "bcdef"},
         std::string(20, 'a') + "..."},
    };
    for (const NoticeCase& row : cases) {
        SCOPED_TRACE(row.name);
        EXPECT_EQ(headingsLeftOutNotice(row.headings), start + row.expected);
    }
}

struct PasteCase {
    std::string name;
    std::string text;
    CellPosition origin;
    int columns = 2;
    std::size_t cells = 0; // placed, empty ones included
    std::string message;
    bool headings = false;
};

TEST(SheetPaste, PlacesTheBlockAndSaysWhatItLeftOut) {
    const std::vector<PasteCase> cases = {
        {"a block that fits", "1\t2\n3\t4\n", {1, 1}, 2, 4, "", false},
        {"a short line squared to the widest", "1\t2\n3\n", {1, 1}, 2, 4, "", false},
        {"headings left out", "Weight\tHeight\n1\t2\n", {1, 1}, 2, 2, "", true},
        {"past the last column",
         "1\t2\t3\n",
         {1, 1},
         2,
         2,
         "1 value was left out: the data sheet ends at column B.",
         false},
        {"past the last row",
         "1\n2\n3\n",
         {99, 1},
         2,
         2,
         "1 value was left out: the data sheet ends at row 100.",
         false},
        {"past both ends",
         "1\t2\n3\t4\n",
         {100, 2},
         2,
         1,
         "3 values were left out: the data sheet ends at row 100 and at column B.",
         false},
    };
    for (const PasteCase& row : cases) {
        SCOPED_TRACE(row.name);
        const PastedBlock pasted = pasteCellBlock(row.text, row.origin, 100, row.columns, "B");
        EXPECT_EQ(pasted.placed.cells.size(), row.cells);
        EXPECT_EQ(pasted.message, row.message);
        EXPECT_EQ(pasted.notice.empty(), !row.headings);
    }
}

TEST(SheetPaste, TellsABlockFromTextTypedIntoACell) {
    EXPECT_TRUE(holdsCellBlock("1\t2"));
    EXPECT_TRUE(holdsCellBlock("1\r2"));
    EXPECT_TRUE(holdsCellBlock("1\n"));
    EXPECT_FALSE(holdsCellBlock("1, 2 3"));
}

} // namespace
} // namespace quillon
