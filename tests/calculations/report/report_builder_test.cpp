// How the report prints its numbers: decimals that show two significant digits of the largest
// value and of an interval's width, the leading zero dropped for quantities bounded by 1, counts
// without decimals, and probabilities to their size.
#include "calculations/report/report_builder.h"

#include <gtest/gtest.h>

#include <limits>

namespace quillon::report {
namespace {

struct NumberCase {
    double value;
    int decimals;
    NumberStyle style;
    std::string expected;
};

class ReportNumber : public testing::TestWithParam<NumberCase> {};

TEST_P(ReportNumber, Prints) {
    EXPECT_EQ(reportNumber(GetParam().value, GetParam().decimals, GetParam().style),
              GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(Cases, ReportNumber,
                         testing::Values(NumberCase{1.0, 2, NumberStyle::Plain, "1.00"},
                                         NumberCase{-0.001, 2, NumberStyle::Plain, "0.00"},
                                         NumberCase{0.25, 2, NumberStyle::Bounded, ".25"},
                                         NumberCase{-0.25, 2, NumberStyle::Bounded, "-.25"},
                                         NumberCase{12.0, 2, NumberStyle::Whole, "12"},
                                         NumberCase{12.5, 2, NumberStyle::Whole, "12.50"},
                                         NumberCase{2.5e20, 2, NumberStyle::Plain, "2.500e+20"},
                                         NumberCase{std::numeric_limits<double>::infinity(), 2,
                                                    NumberStyle::Plain, "not defined"}));

TEST(ReportDecimals, ShowTwoSignificantDigitsOfTheLargest) {
    EXPECT_EQ(reportDecimals({1.0, -3.0}), 2);
    EXPECT_EQ(reportDecimals({0.05}), 3);
    EXPECT_EQ(reportDecimals({0.0033, 0.0032}), 4);
    EXPECT_EQ(reportDecimals({0.0}), 2);
    EXPECT_EQ(reportDecimals({1e-300}), 15);
}

TEST(ReportBuilder, ANarrowIntervalShowsItsWidth) {
    ReportBuilder builder(ReportOptions{});
    const std::string text =
        builder.estimate("p", "Proportion", DefinedNumber::of(0.5),
                         DefinedBounds::of(Bounds{0.4962, 0.5038}), NumberStyle::Bounded);
    EXPECT_EQ(text, "95% CI [.4962, .5038]");
}

TEST(ReportBuilder, ABoundedValueBelowOneNeverPrintsAsOne) {
    ReportBuilder builder(ReportOptions{});
    EXPECT_EQ(builder.estimate("r", "r", DefinedNumber::of(0.93),
                               DefinedBounds::of(Bounds{0.26, 0.9955}), NumberStyle::Bounded),
              "95% CI [.260, .996]");
    const Report report = builder.take();
    EXPECT_EQ(report.quantities.front().text, ".930");
}

TEST(ReportBuilder, AnIntervalWithoutAnEndSaysWhy) {
    ReportBuilder builder(ReportOptions{.level = 0.9});
    const ConfidenceInterval halfOpen{DefinedNumber::of(0.21),
                                      DefinedNumber::notDefined("not defined: a cell is 0")};
    EXPECT_EQ(builder.estimate("odds_ratio", "Odds ratio", DefinedNumber::of(6.4), halfOpen),
              "90% CI [0.21, not defined: a cell is 0]");
    const Report report = builder.take();
    ASSERT_EQ(report.quantities.size(), 3U);
    EXPECT_FALSE(report.quantities[2].value.has_value());
    EXPECT_EQ(report.quantities[2].text, "not defined: a cell is 0");
    EXPECT_EQ(report.quantities[2].name, "odds_ratio_upper");
}

struct ProbabilityCase {
    double p;
    bool exponent;
    std::string expected;
};

class DetailProbability : public testing::TestWithParam<ProbabilityCase> {};

TEST_P(DetailProbability, PrintsItsSize) {
    EXPECT_EQ(detailProbabilityText(GetParam().p, GetParam().exponent), GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(Cases, DetailProbability,
                         testing::Values(ProbabilityCase{0.48571428, false, ".4857"},
                                         ProbabilityCase{0.00003, false, "< .0001"},
                                         ProbabilityCase{0.000032, true, "3.2e-05"},
                                         // Too small for a double: still not "0".
                                         ProbabilityCase{0.0, false, "< .0001"},
                                         ProbabilityCase{0.0, true, "< 2.2e-308"},
                                         ProbabilityCase{0.99999, false, "> .9999"},
                                         ProbabilityCase{1.0, false, "1"},
                                         ProbabilityCase{1.5, false, "not defined"}));

} // namespace
} // namespace quillon::report
