// The shared wording of refusals: cells named by row and letter, and texts quoted on one line,
// cut short without breaking a character.
#include "calculations/common/refusal_text.h"

#include <gtest/gtest.h>

#include <string>

namespace quillon {
namespace {

TEST(RefusalText, CellsAreNamedByRowAndColumnLetter) {
    EXPECT_EQ(cellName({1, 1}), "Row 1 Column A");
    EXPECT_EQ(cellName({3, 2}), "Row 3 Column B");
    EXPECT_EQ(cellName({100, 26}), "Row 100 Column Z");
}

TEST(RefusalText, ATextThatIsNotANumberIsQuotedOnOneLine) {
    const struct {
        std::string text;
        std::string reason;
    } cases[] = {
        {"Weight", "Cell is not a number: Weight"},
        {"  Weight\t", "Cell is not a number: Weight"},
        {"1,5", "Cell is not a number: 1,5"},
        {"two\r\nlines", "Cell is not a number: two  lines"},
        {"a\x7F"
         "b",
         "Cell is not a number: a b"},
        // 24 characters are shown whole, a 25th is cut with an ellipsis
        {"abcdefghijklmnopqrstuvwx", "Cell is not a number: abcdefghijklmnopqrstuvwx"},
        {"abcdefghijklmnopqrstuvwxy", "Cell is not a number: abcdefghijklmnopqrstuvwx\u2026"},
        // characters, not bytes, are counted, and none is cut in two
        {"\u00B1\u00B1\u00B1\u00B1\u00B1\u00B1\u00B1\u00B1\u00B1\u00B1\u00B1\u00B1\u00B1\u00B1"
         "\u00B1\u00B1\u00B1\u00B1\u00B1\u00B1\u00B1\u00B1\u00B1\u00B1\u00B1",
         "Cell is not a number: \u00B1\u00B1\u00B1\u00B1\u00B1\u00B1\u00B1\u00B1\u00B1\u00B1"
         "\u00B1\u00B1\u00B1\u00B1\u00B1\u00B1\u00B1\u00B1\u00B1\u00B1\u00B1\u00B1\u00B1\u00B1"
         "\u2026"},
        {" ", "Cell holds only blanks, not a number."},
        {"\t\r\n", "Cell holds only blanks, not a number."},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.text);
        EXPECT_EQ(notANumberReason("Cell", c.text), c.reason);
    }
}

TEST(RefusalText, OnlyACellThatIsNotWhollyANumberIsRefused) {
    EXPECT_FALSE(nonNumberCellRefusal({2, 1}, " 12.5 "));
    EXPECT_FALSE(nonNumberCellRefusal({2, 1}, "&HFF"));
    const auto refused = nonNumberCellRefusal({2, 3}, "12abc");
    ASSERT_TRUE(refused);
    EXPECT_EQ(*refused, (Refusal{.focus = kFocusGrid,
                                 .currentCell = CellPosition{2, 3},
                                 .reason = "Row 2 Column C is not a number: 12abc"}));
    EXPECT_EQ(emptyCellRefusal({4, 2}).reason, "Row 4 Column B is empty.");
}

} // namespace
} // namespace quillon
