// The report's numbers for percents and for correlation and regression against R (values from
// percents_effects_values.R), their identities, and the inputs that leave a number undefined.
#include "calculations/report/correlation_interval.h"
#include "calculations/report/percent_difference.h"
#include "calculations/report/percent_intervals.h"
#include "calculations/report/regression_intervals.h"

#include <gtest/gtest.h>

#include <chrono>
#include <cmath>
#include <functional>
#include <limits>
#include <map>
#include <string>
#include <vector>

namespace quillon::report {
namespace {

// R's digits agree to 1e-6 relative; an exact 0 or 1 must come out exact.
void expectClose(double expected, double actual, const std::string& what) {
    EXPECT_NEAR(actual, expected, 1e-6 * std::fabs(expected) + 1e-12) << what;
}

void expectClose(double expected, const DefinedNumber& actual, const std::string& what) {
    ASSERT_TRUE(actual.isDefined()) << what << ": " << actual.reason();
    expectClose(expected, actual.value(), what);
}

void expectInterval(double lower, double upper, const DefinedBounds& interval,
                    const std::string& what) {
    ASSERT_TRUE(interval.isDefined()) << what << ": " << interval.reason();
    expectClose(lower, interval.value().lower, what + " lower");
    expectClose(upper, interval.value().upper, what + " upper");
}

TEST(PercentIntervals, WilsonAndExactAgreeWithR) {
    struct Row {
        double p, n, level, wilsonLower, wilsonUpper, exactLower, exactUpper;
    };
    const std::vector<Row> rows = {
        {0.3, 10, 0.95, 0.10779126740630104, 0.60322185253885452, 0.066739511177734495,
         0.65245285005999731},
        {0, 20, 0.95, 0, 0.1611251580528193, 0, 0.16843347098308536},
        {1, 20, 0.95, 0.83887484194718065, 1, 0.83156652901691464, 1},
        {0.5, 100, 0.99, 0.37527962504483986, 0.6247203749551602, 0.36886143735892402,
         0.63113856264107593},
        {0.05, 1000, 0.90, 0.039828215496175073, 0.062600203419609382, 0.039163535925589334,
         0.062863403512379734},
        // 81% of 263 is 213.03: Wilson takes it as typed, the exact interval the count 213.
        {0.81, 263, 0.95, 0.75825651427928142, 0.85281794439233483, 0.7571605643192203,
         0.85547659413396204},
        {0.5, 1, 0.95, 0.054620755528852032, 0.94537924447114807, 0, 0.975},
    };
    for (const Row& row : rows) {
        const std::string what = std::to_string(row.p) + " of " + std::to_string(row.n);
        const PercentIntervals result = percentIntervals(row.p, row.n, row.level);
        expectInterval(row.wilsonLower, row.wilsonUpper, result.wilson, what + " Wilson");
        expectInterval(row.exactLower, row.exactUpper, result.exact, what + " exact");
    }
}

TEST(PercentDifference, IndependentSamplesAgreeWithRAndNewcombe) {
    struct Row {
        double p1, n1, p2, n2, level, lower, upper, h;
    };
    // The first three are Newcombe's own examples: 0.0524 to 0.3339, 0.1705 to 0.8090,
    // -0.0381 to 0.1926.
    const std::vector<Row> rows = {
        {56.0 / 70, 70, 48.0 / 80, 80, 0.95, 0.052431472402364926, 0.33387265403690586,
         0.44214318800295338},
        {0.9, 10, 0.3, 10, 0.95, 0.17052272393450307, 0.80901797353548799, 1.3388120640691004},
        {5.0 / 56, 56, 0, 29, 0.95, -0.038137147903536853, 0.19256001385511157,
         0.60688491067669526},
        {0, 10, 0, 20, 0.95, -0.1611251580528193, 0.27753279986288915, 0},
        {0.6, 100, 0.5, 100, 0.99, -0.079131837378628861, 0.27041982090724115, 0.20135792079033066},
        {1, 10, 0, 10, 0.95, 0.60750935043052434, 1, 3.1415926535897931},
    };
    for (const Row& row : rows) {
        const std::string what = std::to_string(row.p1) + " - " + std::to_string(row.p2);
        const PercentDifference result =
            independentPercentDifference(row.p1, row.n1, row.p2, row.n2, row.level);
        expectClose(row.p1 - row.p2, result.difference, what + " difference");
        expectInterval(row.lower, row.upper, result.interval, what);
        expectClose(row.h, result.cohensH, what + " h");
    }
}

TEST(PercentDifference, SameSampleAgreesWithNewcombesPairedInterval) {
    struct Row {
        double p1, p2, n, level, lower, upper, h;
    };
    const std::vector<Row> rows = {
        {0.6, 0.3, 100, 0.95, 0.11600923680816588, 0.46294974392917976, 0.61287476685781894},
        {0.2, 0.1, 50, 0.95, -0.054558871485180516, 0.2504924485145732, 0.28379410920832782},
        {0.5, 0.5, 10, 0.95, -0.52681381897487189, 0.52681381897487189, 0},
        {0.05, 0.9, 40, 0.99, -0.95166900828303624, -0.52673122296758079, -2.0470647330002465},
        {0.35, 0, 20, 0.95, 0.1166386561405981, 0.56714572331476365, 1.266103672779499},
    };
    for (const Row& row : rows) {
        const std::string what = std::to_string(row.p1) + " - " + std::to_string(row.p2);
        const PercentDifference result =
            sameSamplePercentDifference(row.p1, row.p2, row.n, row.level);
        expectInterval(row.lower, row.upper, result.interval, what);
        expectClose(row.h, result.cohensH, what + " h");
    }
}

TEST(CorrelationInterval, FishersZAgreesWithCorTest) {
    struct Row {
        double r, n, level, lower, upper;
    };
    const std::vector<Row> rows = {
        {0.8, 5, 0.95, -0.27964004196935505, 0.9861961933012714},
        {0.9311574420164348, 10, 0.95, 0.72883115965774525, 0.9839262593257474},
        {-0.9311574420164348, 10, 0.99, -0.98987879835969395, -0.60019656930359355},
        {0.42108908477425216, 10, 0.90, -0.17098497668603263, 0.7897290685910674},
    };
    for (const Row& row : rows)
        expectInterval(row.lower, row.upper, correlationInterval(row.r, row.n, row.level),
                       "r " + std::to_string(row.r));
}

TEST(RankCorrelationInterval, BonettWrightAgreesWithTheRScript) {
    struct Row {
        double rho, n, level, lower, upper;
    };
    const std::vector<Row> rows = {
        {0.93939393939393923, 10, 0.95, 0.68767537641702614, 0.98950150600061904},
        {0.40121765882884258, 10, 0.90, -0.21759692408229636, 0.78996212636841801},
    };
    for (const Row& row : rows)
        expectInterval(row.lower, row.upper, rankCorrelationInterval(row.rho, row.n, row.level),
                       "rho " + std::to_string(row.rho));
    // Wider than Pearson's at the same value: the rank correlation varies more.
    const DefinedBounds ranks = rankCorrelationInterval(0.5, 30);
    const DefinedBounds pearson = correlationInterval(0.5, 30);
    EXPECT_LT(ranks.value().lower, pearson.value().lower);
    EXPECT_GT(ranks.value().upper, pearson.value().upper);
}

// The sums the correlation window forms, here about the means in double.
RegressionSums sumsOf(const std::vector<double>& x, const std::vector<double>& y) {
    const double n = static_cast<double>(x.size());
    double meanX = 0, meanY = 0;
    for (std::size_t i = 0; i < x.size(); ++i) {
        meanX += x[i] / n;
        meanY += y[i] / n;
    }
    RegressionSums sums{n, meanX, meanY, 0, 0, 0};
    for (std::size_t i = 0; i < x.size(); ++i) {
        sums.sxx += (x[i] - meanX) * (x[i] - meanX);
        sums.syy += (y[i] - meanY) * (y[i] - meanY);
        sums.sxy += (x[i] - meanX) * (y[i] - meanY);
    }
    return sums;
}

TEST(RegressionIntervals, AgreeWithLmAndConfint) {
    const std::map<std::string, std::pair<std::vector<double>, std::vector<double>>> sets = {
        {"small", {{1, 2, 3, 4, 5}, {1, 3, 2, 5, 4}}},
        {"tenPairs",
         {{4.2, 5.1, 6.3, 7.7, 8.0, 9.4, 10.1, 11.6, 12.2, 13.9},
          {30.1, 28.4, 33.0, 31.2, 36.5, 35.9, 40.2, 38.8, 44.1, 43.0}}},
        {"years",
         {{1990, 1991, 1992, 1993, 1994, 1995, 1996, 1997, 1998, 1999},
          {12, 9, 15, 11, 14, 10, 16, 13, 18, 12}}},
        {"threePairs", {{1, 2, 3}, {2, 5, 4}}},
    };
    struct Row {
        std::string set;
        double level, slope, slopeLower, slopeUpper, intercept, interceptLower, interceptUpper,
            rSquared, adjusted;
    };
    const std::vector<Row> rows = {
        {"small", 0.95, 0.8, -0.3024317386222467, 1.9024317386222469, 0.6, -3.0563524339891486,
         4.2563524339891474, 0.64, 0.52},
        {"tenPairs", 0.95, 1.5938485368147355, 1.0850142610401363, 2.1026828125893346,
         22.0144404491896, 17.258513704036812, 26.770367194342388, 0.86705418182258953,
         0.85043595455041321},
        {"tenPairs", 0.80, 1.5938485368147355, 1.2856324778433299, 1.9020645957861411,
         22.0144404491896, 19.133634127885426, 24.895246770493774, 0.86705418182258953,
         0.85043595455041321},
        // Years against ordinary values: R's own digits of the intercept hold to about 1e-12.
        {"years", 0.95, 0.38787878787878427, -0.29328829848266924, 1.0690458742402378,
         -760.62424242423515, -2119.2134049526876, 597.96492010421741, 0.17731601731601626,
         0.074480519480518259},
        {"threePairs", 0.95, 1, -13.671861449617911, 15.671861449617907, 1.6666666666666701,
         -30.028176539313375, 33.361509872646714, 0.42857142857142871, -0.14285714285714257},
    };
    for (const Row& row : rows) {
        const auto& data = sets.at(row.set);
        const RegressionIntervals result =
            regressionIntervals(sumsOf(data.first, data.second), row.level);
        expectClose(row.slope, result.slope, row.set + " slope");
        expectInterval(row.slopeLower, row.slopeUpper, result.slopeInterval, row.set + " slope");
        expectClose(row.intercept, result.intercept, row.set + " intercept");
        expectInterval(row.interceptLower, row.interceptUpper, result.interceptInterval,
                       row.set + " intercept");
        expectClose(row.rSquared, result.rSquared, row.set + " r squared");
        expectClose(row.adjusted, result.adjustedRSquared, row.set + " adjusted");
    }
}

// Every interval contains its estimate, and its ends lie in order inside the possible range.
TEST(PercentIdentities, IntervalsContainTheirEstimateAcrossASweep) {
    for (const double n : {1.0, 2.0, 7.0, 30.0, 1000.0, 1e6, 1e30})
        for (const double p1 : {0.0, 0.01, 0.3, 0.5, 0.99, 1.0})
            for (const double p2 : {0.0, 0.2, 0.5, 1.0})
                for (const double level : {0.5, 0.95, 0.9999}) {
                    const std::string what =
                        std::to_string(p1) + ", " + std::to_string(p2) + " of " + std::to_string(n);
                    const auto independent = independentPercentDifference(p1, n, p2, 3.0, level);
                    ASSERT_TRUE(independent.interval.isDefined()) << what;
                    const Bounds difference = independent.interval.value();
                    EXPECT_LE(difference.lower, p1 - p2 + 1e-12) << what;
                    EXPECT_GE(difference.upper, p1 - p2 - 1e-12) << what;
                    EXPECT_GE(difference.lower, -1.0) << what;
                    EXPECT_LE(difference.upper, 1.0) << what;
                    if (p1 + p2 <= 1.0) {
                        const auto same = sameSamplePercentDifference(p1, p2, n, level);
                        ASSERT_TRUE(same.interval.isDefined()) << what;
                        EXPECT_LE(same.interval.value().lower, p1 - p2 + 1e-12) << what;
                        EXPECT_GE(same.interval.value().upper, p1 - p2 - 1e-12) << what;
                    }
                    const auto one = percentIntervals(p1, n, level);
                    EXPECT_EQ(one.exact.isDefined(), n <= maximumExactSize) << what;
                    for (const DefinedBounds& interval : {one.wilson, one.exact}) {
                        if (!interval.isDefined())
                            continue;
                        EXPECT_LE(0.0, interval.value().lower) << what;
                        EXPECT_LE(interval.value().lower, interval.value().upper) << what;
                        EXPECT_LE(interval.value().upper, 1.0) << what;
                    }
                    ASSERT_TRUE(one.wilson.isDefined()) << what;
                    EXPECT_LE(one.wilson.value().lower, p1 + 1e-12) << what;
                    EXPECT_GE(one.wilson.value().upper, p1 - 1e-12) << what;
                }
}

TEST(PercentIdentities, AWiderLevelGivesAWiderInterval) {
    const auto narrow = independentPercentDifference(0.6, 50, 0.4, 60, 0.90).interval;
    const auto wide = independentPercentDifference(0.6, 50, 0.4, 60, 0.99).interval;
    EXPECT_LT(wide.value().lower, narrow.value().lower);
    EXPECT_GT(wide.value().upper, narrow.value().upper);
    const auto exactNarrow = percentIntervals(0.2, 40, 0.90).exact;
    const auto exactWide = percentIntervals(0.2, 40, 0.99).exact;
    EXPECT_LT(exactWide.value().lower, exactNarrow.value().lower);
    EXPECT_GT(exactWide.value().upper, exactNarrow.value().upper);
}

// A defined number is finite; an undefined one carries its reason.
bool sound(const DefinedNumber& number) {
    return number.isDefined() ? std::isfinite(number.value()) : !number.reason().empty();
}

bool sound(const DefinedBounds& bounds) {
    return bounds.isDefined()
               ? std::isfinite(bounds.value().lower) && std::isfinite(bounds.value().upper)
               : !bounds.reason().empty();
}

// Inputs the windows let through that leave a number undefined: the reason in words, never a
// NaN or an infinity.
TEST(PercentUndefined, BadInputsGiveAReasonInWords) {
    const double nan = std::numeric_limits<double>::quiet_NaN();
    const double inf = std::numeric_limits<double>::infinity();
    struct Row {
        std::string what;
        std::function<DefinedBounds()> interval;
        std::string reason;
    };
    const std::vector<Row> rows = {
        {"size below 1", [] { return percentIntervals(0.5, 0.5).wilson; },
         "not defined: the sample size is below 1"},
        {"negative size", [] { return sameSamplePercentDifference(0.6, 0.3, -10).interval; },
         "not defined: the sample size is below 1"},
        {"NaN size", [=] { return independentPercentDifference(0.6, nan, 0.3, 10).interval; },
         "not defined: a sample size is below 1"},
        {"infinite size", [=] { return independentPercentDifference(0.6, inf, 0.3, 10).interval; },
         "not defined: a sample size is below 1"},
        {"percent above 100",
         [] { return independentPercentDifference(1.5, 10, 0.3, 10).interval; },
         "not defined: a percent is not between 0 and 100"},
        {"negative percent", [] { return percentIntervals(-0.1, 10).exact; },
         "not defined: the percent is not between 0 and 100"},
        {"fractional size, exact", [] { return percentIntervals(0.5, 10.5).exact; },
         "not defined: the sample size is not a whole number"},
        {"level 1", [] { return percentIntervals(0.5, 10, 1.0).wilson; },
         "not defined: the confidence level is not between 0 and 1"},
        {"level 0", [] { return correlationInterval(0.5, 10, 0.0); },
         "not defined: the confidence level is not between 0 and 1"},
        {"level NaN", [=] { return independentPercentDifference(0.6, 9, 0.3, 10, nan).interval; },
         "not defined: the confidence level is not between 0 and 1"},
        {"percents above 100 together",
         [] { return sameSamplePercentDifference(0.7, 0.4, 10).interval; },
         "not defined: the two percents add to more than 100, so they cannot be two answers of "
         "the same respondents"},
        {"three pairs", [] { return correlationInterval(0.5, 3); },
         "not defined: fewer than 4 pairs"},
        {"perfect correlation", [] { return correlationInterval(-1.0, 30); },
         "not defined: the correlation is not between -1 and 1"},
        {"two pairs",
         [] {
             return regressionIntervals({2, 1, 1, 1, 1, 1}).slopeInterval;
         },
         "not defined: fewer than 3 pairs"},
        {"x without spread",
         [] {
             return regressionIntervals({5, 1, 1, 0, 1, 0}).slopeInterval;
         },
         "not defined: there is no variance in the independent variable"},
        {"sums beyond double",
         [=] {
             return regressionIntervals({5, 1, 1, inf, 1, 0}).interceptInterval;
         },
         "not defined: too large to compute"},
    };
    for (const Row& row : rows) {
        const DefinedBounds interval = row.interval();
        EXPECT_FALSE(interval.isDefined()) << row.what;
        EXPECT_EQ(interval.reason(), row.reason) << row.what;
    }
}

TEST(PercentUndefined, YWithoutSpreadKeepsTheLineAndLeavesRSquaredUndefined) {
    const RegressionIntervals result = regressionIntervals({5, 3, 7, 10, 0, 0});
    expectClose(0, result.slope, "slope");
    expectClose(7, result.intercept, "intercept");
    expectInterval(0, 0, result.slopeInterval, "slope");
    EXPECT_EQ(result.rSquared.reason(),
              "not defined: there is no variance in the dependent variable");
    EXPECT_FALSE(result.adjustedRSquared.isDefined());
}

// Values as large as a single holds (the windows accept up to about 3.4E38) give finite numbers
// or a reason, and no search runs away.
TEST(PercentUndefined, HugeValuesStayFiniteAndFast) {
    for (const double big : {1e30, 1e38, 3.4e38}) {
        const auto one = percentIntervals(0.3, big);
        const auto independent = independentPercentDifference(0.3, big, 0.2, 10);
        const auto same = sameSamplePercentDifference(0.3, 0.2, big);
        const auto correlation = correlationInterval(0.5, big);
        const auto regression = regressionIntervals({big, big, -big, big * big, 1e300, big});
        for (const DefinedBounds& bounds :
             {one.wilson, one.exact, independent.interval, same.interval, correlation,
              regression.slopeInterval, regression.interceptInterval})
            EXPECT_TRUE(sound(bounds)) << big;
        for (const DefinedNumber& number : {one.count, independent.difference, independent.cohensH,
                                            same.cohensH, regression.slope, regression.intercept,
                                            regression.rSquared, regression.adjustedRSquared})
            EXPECT_TRUE(sound(number)) << big;
        EXPECT_TRUE(one.wilson.isDefined()) << big;
        EXPECT_TRUE(correlation.isDefined()) << big;
    }
}

// Each function well under 10 ms at its worst accepted input (the exact interval at the largest
// sizes is the slowest).
TEST(PercentTiming, EveryFunctionUnderTenMilliseconds) {
    const std::vector<std::pair<std::string, std::function<void()>>> calls = {
        {"exact 3.4e38", [] { percentIntervals(0.3, 3.4e38, 0.9999); }},
        {"exact 1e9", [] { percentIntervals(0.116335, 1e9, 0.0001); }},
        {"exact 1e9 at .95", [] { percentIntervals(0.19777, 1e9, 0.95); }},
        {"exact 1e8", [] { percentIntervals(0.19777, 1e8, 0.95); }},
        {"exact 1e6", [] { percentIntervals(0.000001, 1e6, 0.9999); }},
        {"independent", [] { independentPercentDifference(0.3, 3.4e38, 0.2, 1, 0.9999); }},
        {"same sample", [] { sameSamplePercentDifference(0.3, 0.2, 3.4e38, 0.9999); }},
        {"correlation", [] { correlationInterval(0.99, 3.4e38, 0.9999); }},
        {"regression",
         [] {
             regressionIntervals({3, 1, 1, 1, 1, 0.5}, 0.9999);
         }},
    };
    for (const auto& [what, call] : calls) {
        const auto start = std::chrono::steady_clock::now();
        call();
        const std::chrono::duration<double, std::milli> took =
            std::chrono::steady_clock::now() - start;
        EXPECT_LT(took.count(), 10.0) << what;
    }
}

} // namespace
} // namespace quillon::report
