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
}

TEST(FirstEmptyBox, OnlyTheEmptyTextCountsAsEmpty) {
    const std::vector<std::string> texts = {"1", " ", "", ""};
    EXPECT_EQ(firstEmptyBox(texts, {1, 2, 3, 4}), Outcome{Refusal{.focus = 3}});
    EXPECT_EQ(firstEmptyBox(texts, {4, 3}), Outcome{Refusal{.focus = 4}});
    EXPECT_FALSE(firstEmptyBox(texts, {1, 2}));
}

} // namespace
} // namespace quillon
