// The condition of a sum of squares, and sums about the means that do not depend on the level.
#include "calculations/common/centred_sums.h"

#include "core/arithmetic.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <vector>

namespace quillon {
namespace {

std::vector<float> years() {
    std::vector<float> values;
    for (int year = 1990; year <= 1999; ++year)
        values.push_back(static_cast<float>(year));
    return values;
}

TEST(SumOfSquaresCondition, IsTheRawSumOverTheSumAboutTheMean) {
    // 1..4: 30 / 5; the years: their raw sum of squares over 82.5.
    EXPECT_DOUBLE_EQ(sumOfSquaresCondition(std::vector<float>{1, 2, 3, 4}), 6.0);
    const std::vector<float> y = years();
    EXPECT_NEAR(sumOfSquaresCondition(y), 39780385.0 / 82.5, 1e-6);
    EXPECT_FALSE(rawSumsCancel(std::vector<float>{2, 4, 4, 4, 5, 5, 7, 9}));
    EXPECT_TRUE(rawSumsCancel(y));
}

TEST(SumOfSquaresCondition, ValuesAllAlikeAlwaysCancel) {
    EXPECT_TRUE(std::isinf(sumOfSquaresCondition(std::vector<float>{0.1f, 0.1f, 0.1f})));
    EXPECT_TRUE(rawSumsCancel(std::vector<float>{0, 0}));
}

TEST(CentredProducts, DoNotDependOnTheLevel) {
    const std::vector<float> x = {1, 2, 3, 4, 5};
    const std::vector<float> y = {1, 3, 2, 5, 4};
    for (const float shift : {0.0f, 1e3f, 1e4f, 1e5f, 1e6f}) {
        SCOPED_TRACE(shift);
        std::vector<float> xs;
        std::vector<float> ys;
        for (std::size_t i = 0; i < x.size(); ++i) {
            xs.push_back(x[i] + shift);
            ys.push_back(y[i] + shift);
        }
        EXPECT_EQ(centredProducts(xs, xs), 10.0);
        EXPECT_EQ(centredProducts(ys, ys), 10.0);
        EXPECT_EQ(centredProducts(xs, ys), 8.0);
        EXPECT_EQ(storedMean(xs), 3.0f + shift);
    }
}

// Values whose squares fall below the normal single range lose their digits in the raw sums, down
// to sums of 0: their sums about the mean are formed in double and kept there.
TEST(SumOfSquaresCondition, SumsBelowTheSingleRangeCancel) {
    struct Case {
        const char* name;
        std::vector<float> values;
        bool cancel;
    };
    const Case cases[] = {
        {"1E-23 to 3E-23: squares below the smallest single", {1e-23f, 2e-23f, 3e-23f}, true},
        {"1E-21 to 3E-21: squares below the normal range", {1e-21f, 2e-21f, 3e-21f}, true},
        {"1E-19 to 3E-19: squares within it", {1e-19f, 2e-19f, 3e-19f}, false},
        {"a small spread about 1", {1.0f, 1.0f + 1e-6f, 1.0f + 3e-6f}, true},
        {"ordinary values", {0.5f, 1.5f, 2.5f}, false},
    };
    for (const auto& c : cases)
        EXPECT_EQ(rawSumsCancel(c.values), c.cancel) << c.name;
}

TEST(KeptCentredSum, IsASingleUnlessBelowTheSingleRange) {
    const float smallest = std::numeric_limits<float>::min();
    struct Case {
        const char* name;
        double sum;
        double kept;
    };
    const Case cases[] = {
        {"a third, stored", 1.0 / 3.0, static_cast<float>(1.0 / 3.0)},
        {"0", 0.0, 0.0},
        {"the smallest normal single", smallest, smallest},
        {"just below it, kept in double", 0.999 * smallest, 0.999 * smallest},
        {"2E-46, below every single", 2e-46, 2e-46},
        {"a negative product below the range", -3e-45, -3e-45},
        {"a negative product within it", -0.1, static_cast<float>(-0.1)},
    };
    for (const auto& c : cases)
        EXPECT_EQ(keptCentredSum(c.sum), c.kept) << c.name;
    EXPECT_THROW((void)keptCentredSum(1e39), ArithmeticError);
}

} // namespace
} // namespace quillon
