// The statistics a figure needs that the answers do not publish, against R
// (figure_statistics_values.R).
#include "calculations/correlation/least_squares_line.h"
#include "calculations/means/group_mean_intervals.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <vector>

namespace quillon {
namespace {

struct IntervalCase {
    double mean, sd, n, percent, level;
    struct {
        double lower, upper;
    } expected;
};

TEST(GroupMeanIntervals, MatchR) {
    const IntervalCase cases[] = {
        {10, 2, 10, 95, 0.95, {8.5692861880586708, 11.430713811941329}},
        {12, 2, 10, 95, 0.95, {10.569286188058671, 13.430713811941329}},
        {-3.5, 0.25, 2, 95, 0.95, {-5.7461608830234381, -1.2538391169765619}},
        {1000000, 1234.5, 250, 95, 0.95, {999846.22518802015, 1000153.7748119798}},
        {7.25, 3, 3.5, 95, 0.95, {1.5177998451069934, 12.982200154893007}},
        {50, 10, 30, 99, 0.99, {44.967550877901161, 55.032449122098839}},
    };
    for (const IntervalCase& c : cases) {
        const GroupSummaryValues group{c.mean, c.sd, c.n};
        const auto intervals = groupMeanIntervals({&group, 1}, c.level);
        ASSERT_EQ(intervals.size(), 1u);
        ASSERT_TRUE(intervals[0].lower && intervals[0].upper) << c.mean;
        EXPECT_NEAR(*intervals[0].lower, c.expected.lower,
                    1e-9 * std::fabs(c.expected.lower) + 1e-12);
        EXPECT_NEAR(*intervals[0].upper, c.expected.upper,
                    1e-9 * std::fabs(c.expected.upper) + 1e-12);
    }
}

TEST(GroupMeanIntervals, NoIntervalWhereNoneIsDefined) {
    const double inf = std::numeric_limits<double>::infinity();
    const std::vector<GroupSummaryValues> groups = {{5, 2, 1},    {5, -1, 10},  {5, 2, 0},
                                                    {inf, 2, 10}, {5, inf, 10}, {3e38, 3e38, 2}};
    for (const GroupMeanInterval& interval : groupMeanIntervals(groups))
        if (interval.lower) // a finite interval only
            EXPECT_TRUE(std::isfinite(*interval.lower) && std::isfinite(*interval.upper));
    const auto intervals = groupMeanIntervals(groups);
    for (std::size_t i = 0; i < 5; ++i)
        EXPECT_FALSE(intervals[i].lower) << i;
}

struct LineCase {
    std::vector<double> x, y;
    double slope, intercept;
};

TEST(LeastSquaresLine, MatchesRAndPassesThroughTheMeans) {
    const LineCase cases[] = {
        {{1, 2, 3, 4, 5}, {2, 4, 3, 8, 9}, 1.7999999999999998, -0.19999999999999776},
        {{10.5, 11.25, 9.75, 12}, {-3, -4.5, -1.25, -6}, -2.1000000000000001, 19.150000000000002},
        {{1000001, 1000002, 1000004}, {3, 5, 9}, 2.0000000003485385, -1999999.00034854},
    };
    for (const LineCase& c : cases) {
        const auto line = leastSquaresLine(c.x, c.y);
        ASSERT_TRUE(line);
        EXPECT_NEAR(line->slope, c.slope, 1e-9 * std::fabs(c.slope));
        EXPECT_NEAR(line->intercept, c.intercept, 1e-6 * std::fabs(c.intercept) + 1e-12);
        EXPECT_NEAR(line->intercept + line->slope * line->meanX, line->meanY,
                    1e-9 * (1 + std::fabs(line->meanY)));
    }
}

TEST(LeastSquaresLine, NoneWithoutSpreadOrPairs) {
    EXPECT_FALSE(leastSquaresLine(std::vector<double>{3, 3, 3}, std::vector<double>{1, 2, 3}));
    EXPECT_FALSE(leastSquaresLine(std::vector<double>{1}, std::vector<double>{1}));
    EXPECT_FALSE(
        leastSquaresLine(std::vector<double>{-1.7e308, 1.7e308}, std::vector<double>{1, 2}));
}

} // namespace
} // namespace quillon
