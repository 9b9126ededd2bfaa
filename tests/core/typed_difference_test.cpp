#include "core/typed_difference.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace quillon {
namespace {

TEST(TypedDifference, IsTheTypedDigitsDifferenceRoundedOnce) {
    struct Case {
        std::string a;
        std::string b;
        double expected;
    };
    const std::vector<Case> cases = {
        // Read separately, these lose about 3E-5 each to the nearest double.
        {"1000000000000.4", "1000000000000.3", 0.1},
        {"1000000000000.3", "1000000000000.5", -0.2},
        {"1000000.4", "1000000.3", 0.1},
        {"107.868153766667", "107.868136354167", 0.0000174125},
        {"1E12", "999999999999.9", 0.1},
        {" -2.5 ", "1.25", -3.75},
        {"1.5d2", "150", 0.0},
        {"0", "0.0001", -0.0001},
        {"12.000", "12", 0.0},
        {"+7", "-3", 10.0},
        // Beyond 18 aligned places, or not decimal: the difference of the doubles.
        {"1E30", "1", 1E30 - 1.0},
        {"&H10", "1", 15.0},
        {"1234567890.12345678901", "0", 1234567890.12345678901},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.a + " - " + c.b);
        EXPECT_EQ(typedDifference(c.a, c.b), c.expected);
    }
}

TEST(TypedDifference, ReadingSeparatelyWouldLoseTheDigits) {
    // What the exact difference mends: the doubles' own difference is off in the fifth digit.
    EXPECT_NE(1000000000000.4 - 1000000000000.3, 0.1);
    EXPECT_EQ(typedDifference("1000000000000.4", "1000000000000.3"), 0.1);
}

} // namespace
} // namespace quillon
