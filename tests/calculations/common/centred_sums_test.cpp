// The condition of a sum of squares, and sums about the means that do not depend on the level.
#include "calculations/common/centred_sums.h"

#include <gtest/gtest.h>

#include <cmath>
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

} // namespace
} // namespace quillon
