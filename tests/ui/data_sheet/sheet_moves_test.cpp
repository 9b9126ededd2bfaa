// Where the data sheet's cursor goes from a cell, at the edges above all: the row and column
// limits, the wrap at the advance limit, and which edges beep or show a message.
#include "ui/data_sheet/sheet_moves.h"

#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

namespace quillon {
namespace {

struct MoveCase {
    std::string name;
    std::function<SheetMove()> move;
    SheetMove expected;
};

void expectMoves(const std::vector<MoveCase>& cases) {
    for (const MoveCase& row : cases) {
        SCOPED_TRACE(row.name);
        const SheetMove got = row.move();
        EXPECT_EQ(got.target.row, row.expected.target.row);
        EXPECT_EQ(got.target.column, row.expected.target.column);
        EXPECT_EQ(static_cast<int>(got.limit), static_cast<int>(row.expected.limit));
    }
}

TEST(SheetMoves, ArrowsStopAtRow100WithAMessageAndAtRow1WithABeep) {
    expectMoves({
        {"down",
         [] {
             return moveDown({5, 2});
         },
         {{6, 2}}},
        {"down into row 100",
         [] {
             return moveDown({99, 1});
         },
         {{100, 1}}},
        {"down at row 100",
         [] {
             return moveDown({100, 3});
         },
         {{100, 3}, SheetLimit::MaximumRows}},
        {"up",
         [] {
             return moveUp({5, 2});
         },
         {{4, 2}}},
        {"up at row 1",
         [] {
             return moveUp({1, 2});
         },
         {{1, 2}, SheetLimit::FirstRow}},
    });
}

TEST(SheetMoves, ForwardWrapsToColumn1OfTheNextRowUntilTheAdvanceLimit) {
    expectMoves({
        {"along the row",
         [] {
             return moveForward({3, 1}, 2, 99);
         },
         {{3, 2}}},
        {"wraps down",
         [] {
             return moveForward({3, 2}, 2, 99);
         },
         {{4, 1}}},
        {"row 98 wraps to 99",
         [] {
             return moveForward({98, 2}, 2, 99);
         },
         {{99, 1}}},
        {"at the limit wraps within the row",
         [] {
             return moveForward({99, 2}, 2, 99);
         },
         {{99, 1}}},
        {"row 100 stays with limit 99",
         [] {
             return moveForward({100, 2}, 2, 99);
         },
         {{100, 1}}},
        {"a limit of 100 reaches row 100",
         [] {
             return moveForward({99, 3}, 3, 100);
         },
         {{100, 1}}},
        {"and wraps there",
         [] {
             return moveForward({100, 3}, 3, 100);
         },
         {{100, 1}}},
        {"one column",
         [] {
             return moveForward({7, 1}, 1, 99);
         },
         {{8, 1}}},
    });
}

TEST(SheetMoves, BackwardGoesToTheLastColumnOfTheRowAboveAndStopsQuietlyAtTheStart) {
    expectMoves({
        {"along the row",
         [] {
             return moveBackward({3, 3}, 3);
         },
         {{3, 2}}},
        {"up a row",
         [] {
             return moveBackward({3, 1}, 3);
         },
         {{2, 3}}},
        {"at the start",
         [] {
             return moveBackward({1, 1}, 3);
         },
         {{1, 1}}},
    });
}

TEST(SheetMoves, AlongARowStopsAtColumnZWithAMessageAndAtColumnAQuietly) {
    expectMoves({
        {"right",
         [] {
             return moveRight({2, 1});
         },
         {{2, 2}}},
        {"right into Z",
         [] {
             return moveRight({2, 25});
         },
         {{2, 26}}},
        {"right at Z",
         [] {
             return moveRight({2, 26});
         },
         {{2, 26}, SheetLimit::MaximumColumns}},
        {"left",
         [] {
             return moveLeft({2, 5});
         },
         {{2, 4}}},
        {"left at A",
         [] {
             return moveLeft({2, 1});
         },
         {{2, 1}}},
    });
}

TEST(SheetMoves, OnlyTheTwoLimitsHaveAMessage) {
    EXPECT_STREQ(limitMessage(SheetLimit::MaximumRows), "Maximum rows reached.");
    EXPECT_STREQ(limitMessage(SheetLimit::MaximumColumns), "Maximum columns reached.");
    EXPECT_STREQ(limitMessage(SheetLimit::FirstRow), "");
    EXPECT_STREQ(limitMessage(SheetLimit::None), "");
}

} // namespace
} // namespace quillon
