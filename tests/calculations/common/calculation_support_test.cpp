// The refusal helpers every calculation's checks go through.
#include "calculations/common/calculation_support.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace quillon {
namespace {

TEST(FirstRefusal, TheFirstFailingCheckInTheOrderGivenSpeaks) {
    EXPECT_EQ(firstRefusal({{1, false}, {3, true}, {2, true}}), Outcome{Refusal{.focus = 3}});
    // A box may be checked twice; the order of the checks, not of the boxes, decides.
    EXPECT_EQ(firstRefusal({{2, false}, {1, false}, {2, true}}), Outcome{Refusal{.focus = 2}});
    EXPECT_FALSE(firstRefusal({{1, false}, {2, false}}));
    // Two checks of one box: the failing one gives its own reason.
    const Outcome outOfRange{Refusal{.focus = 1, .reason = "Out of range."}};
    EXPECT_EQ(firstRefusal({{1, false, "This box is empty."}, {1, true, "Out of range."}}),
              outOfRange);
}

TEST(FirstEmptyBox, OnlyTheEmptyTextCountsAsEmpty) {
    const std::vector<std::string> texts = {"1", " ", "", ""};
    const Outcome third{Refusal{.focus = 3, .reason = "This box is empty."}};
    const Outcome fourth{Refusal{.focus = 4, .reason = "This box is empty."}};
    EXPECT_EQ(firstEmptyBox(texts, {1, 2, 3, 4}), third);
    EXPECT_EQ(firstEmptyBox(texts, {4, 3}), fourth);
    EXPECT_FALSE(firstEmptyBox(texts, {1, 2}));
}

} // namespace
} // namespace quillon
