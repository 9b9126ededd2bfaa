// Expected texts were worked out apart from the program: true distribution values (incomplete beta
// and gamma functions at high precision) or the normal-tail polynomial, on a grid of
// single-precision additions, printed by the number patterns' rounding.
#include "distribution_windows.h"

#include "arithmetic.h"
#include "calculation_support.h"

#include <gtest/gtest.h>

#include <cmath>
#include <string>
#include <vector>

namespace quillon {
namespace {

struct Case {
    std::vector<std::string> inputs;
    Outcome expected;
};

Outcome refused(int box) {
    return refuse(box);
}

std::string describe(const Outcome& outcome) {
    if (const auto* refusal = std::get_if<Refusal>(&outcome))
        return "refused, focus Input" + std::to_string(refusal->focus) + " " + refusal->message;
    const auto& result = std::get<Answer>(outcome);
    return "answer [" + result.text + "] clipboard [" + result.clipboard.value_or("(unset)") + "]" +
           (result.beep ? " beep" : "");
}

std::string joined(const std::vector<std::string>& inputs) {
    std::string text;
    for (const std::string& input : inputs)
        text += "[" + input + "]";
    return text;
}

void expectCases(Calculation calculate, const std::vector<Case>& cases) {
    for (const Case& row : cases) {
        SCOPED_TRACE(joined(row.inputs));
        const Outcome got = calculate(row.inputs);
        EXPECT_TRUE(got == row.expected)
            << "got      " << describe(got) << "\nexpected " << describe(row.expected);
    }
}

// The number at the end of an answer text such as "t value = 6366.198".
double answeredNumber(const Outcome& outcome) {
    const std::string& text = std::get<Answer>(outcome).text;
    return std::stod(text.substr(text.rfind(' ') + 1));
}

const std::string kWithin = "Probability of a value falling within the range = ";
const std::string kOutside = "Probability of a value falling outside the range = ";

Outcome rangeAnswered(const std::string& sample, const std::string& range,
                      const std::string& within, const std::string& outside) {
    return answer(kWithin + within + "\r\n\r\n" + kOutside + outside,
                  sample + "\r\nDefined Range: " + range + "\r\n" + kWithin + within + "\r\n" +
                      kOutside + outside + "\r\n");
}

TEST(DistributionWindows, Distr1aProbabilityOfZ) {
    expectCases(calculateDistr1a,
                {
                    {{"1.96"}, answer("Two-tailed probability = .0500", "z=1.96, p=.0500")},
                    {{"-1.96"}, answer("Two-tailed probability = .0500", "z=1.96, p=.0500")},
                    {{"-1.5"}, answer("Two-tailed probability = .1336", "z=1.5, p=.1336")},
                    {{"7"}, answer("Two-tailed probability = .0000", "z=7, p=.0000")},
                    {{""}, refused(1)},
                    {{"0"}, refused(1)},
                    {{"abc"}, refused(1)},
                });
}

TEST(DistributionWindows, Distr1bCriticalZ) {
    expectCases(calculateDistr1b,
                {
                    {{".05"}, answer("z value = 1.960", "z=1.960, p=.0500")},
                    {{".01"}, answer("z value = 2.576", "z=2.576, p=.0100")},
                    {{".0001"}, answer("z value = 3.891", "z=3.891, p=.0001")},
                    // The grid point .6744999 is printed from its seven digits, 0.6745000.
                    {{".5"}, answer("z value = 0.675", "z=0.675, p=.5000")},
                    {{".9998"}, answer("z value = 0.000", "z=0.000, p=.9998")},
                    // The first probe already meets the target: z = 0, never below it.
                    {{".9999"}, answer("z value = 0.000", "z=0.000, p=.9999")},
                    {{".00009"}, refused(1)},
                    {{"1"}, refused(1)},
                    {{""}, refused(1)},
                });
}

TEST(DistributionWindows, Distr1cRangeOfNormalValues) {
    expectCases(
        calculateDistr1c,
        {
            {{"100", "15", "85", "115"},
             rangeAnswered("Mean=100 (SD=15)", "85 - 115", ".6827", ".3173")},
            {{"100", "15", "115", "85"},
             rangeAnswered("Mean=100 (SD=15)", "115 - 85", ".6827", ".3173")},
            // Both limits above the mean: the difference of the two areas.
            {{"100", "15", "115", "130"},
             rangeAnswered("Mean=100 (SD=15)", "115 - 130", ".1359", ".8641")},
            // A limit at the mean adds half of 1 - .9999, the largest normal probability given.
            {{"100", "15", "100", "129.4"},
             rangeAnswered("Mean=100 (SD=15)", "100 - 129.4", ".4751", ".5249")},
            {{"100", "15", "100", "100"},
             rangeAnswered("Mean=100 (SD=15)", "100 - 100", ".0000", "1.0000")},
            {{"-.5", "2.5", "-1", "0"},
             rangeAnswered("Mean=-.5 (SD=2.5)", "-1 - 0", ".1585", ".8415")},
            {{"", "15", "85", "115"}, refused(1)},
            {{"100", "", "85", "115"}, refused(2)},
            {{"100", "15", "", "115"}, refused(3)},
            {{"100", "15", "85", ""}, refused(4)},
            {{"100", "0", "85", "115"}, refused(2)},
            {{"100", "-15", "85", "115"}, refused(2)},
            // Emptiness of every box is checked before the SD's value.
            {{"100", "0", "85", ""}, refused(4)},
        });
}

TEST(DistributionWindows, Distr2aProbabilityOfT) {
    expectCases(
        calculateDistr2a,
        {
            {{"2.228", "10"}, answer("Two-tailed probability = .0500", "t(10)=2.228, p=.0500")},
            {{"-2.228", "10"}, answer("Two-tailed probability = .0500", "t(10)=2.228, p=.0500")},
            // Degrees of freedom stay double: fifteen digits, and a fractional value counts.
            {{"2.228", "10.123456789"},
             answer("Two-tailed probability = .0497", "t(10.123456789)=2.228, p=.0497")},
            {{"2", "2.5"}, answer("Two-tailed probability = .1574", "t(2.5)=2, p=.1574")},
            // Above 999 the routine's cap shows through; the df is copied as typed.
            {{"2", "5000"}, answer("Two-tailed probability = .0458", "t(5000)=2, p=.0458")},
            {{"", "10"}, refused(1)},
            {{"0", "10"}, refused(1)},
            {{"2.228", ""}, refused(2)},
            {{"2.228", "0.5"}, refused(2)},
        });
}

TEST(DistributionWindows, Distr2bCriticalT) {
    expectCases(calculateDistr2b,
                {
                    {{".05", "10"}, answer("t value = 2.228", "t(10)=2.228, p=.0500")},
                    {{".01", "5"}, answer("t value = 4.032", "t(5)=4.032, p=.0100")},
                    {{".05", "2.5"}, answer("t value = 3.575", "t(2.5)=3.575, p=.0500")},
                    {{".00009", "10"}, refused(1)},
                    {{"1", "10"}, refused(1)},
                    {{"", "10"}, refused(1)},
                    {{".05", ""}, refused(2)},
                    {{".05", ".99"}, refused(2)},
                });
}

// With one degree of freedom at .0001 the answer lies past 2048, where a step of .0001 no longer
// moves a single: the search must end on the coarser grid instead of running for ever. (Where it
// ends is the t routine's business: in single precision its probability for 1 df falls to 0 once
// t squared reaches 2^25, near 5792.6, short of the true 6366.2.)
TEST(DistributionWindows, Distr2bEndsWhereTheFinestStepNoLongerMoves) {
    const std::vector<std::string> inputs = {".0001", "1"};
    const Outcome outcome = calculateDistr2b(inputs);
    ASSERT_TRUE(std::holds_alternative<Answer>(outcome)) << describe(outcome);
    EXPECT_GT(answeredNumber(outcome), 2048.0);
    EXPECT_LT(answeredNumber(outcome), 6367.0);
}

TEST(DistributionWindows, Distr2cRangeJudgedByT) {
    expectCases(calculateDistr2c,
                {
                    // Symmetric about the mean: 1 minus the two-tailed probability of t = 1, 10 df.
                    {{"50", "10", "11", "40", "60"},
                     rangeAnswered("Mean=50, SD=10 (N=11)", "40 - 60", ".6591", ".3409")},
                    // A limit at the mean adds nothing: t = 0 has probability 1.
                    {{"50", "10", "11", "50", "60"},
                     rangeAnswered("Mean=50, SD=10 (N=11)", "50 - 60", ".3296", ".6704")},
                    {{"", "10", "11", "40", "60"}, refused(1)},
                    {{"50", "", "11", "40", "60"}, refused(2)},
                    {{"50", "0", "11", "40", "60"}, refused(2)},
                    {{"50", "10", "", "40", "60"}, refused(3)},
                    {{"50", "10", "1", "40", "60"}, refused(3)},
                    {{"50", "10", "11", "", "60"}, refused(4)},
                    {{"50", "10", "11", "40", ""}, refused(5)},
                    // Checked in order: the SD before the sample size.
                    {{"50", "-1", "1", "40", "60"}, refused(2)},
                });
}

TEST(DistributionWindows, Distr3aProbabilityOfF) {
    expectCases(calculateDistr3a,
                {
                    {{"2", "3", "10"}, answer("Probability  = .1780", "F(3,10)=2, p=.1780")},
                    {{"2", "1.5", "10"}, answer("Probability  = .1888", "F(1.5,10)=2, p=.1888")},
                    {{"0", "1", "1"}, answer("Probability  = 1.0000", "F(1,1)=0, p=1.0000")},
                    {{"-2.5", "2", "5"}, answer("Probability  = 1.0000", "F(2,5)=-2.5, p=1.0000")},
                    // Degrees of freedom far beyond the tables: the true tail (1.7E-17, .9998,
                    // 2.4E-9), never below 0 or above 1.
                    {{"50", "1.5", "10000000000000000000"},
                     answer("Probability  = .0000", "F(1.5,1E+19)=50, p=.0000")},
                    {{".1", "600000000000000000000", "1.6"},
                     answer("Probability  = .9998", "F(6E+20,1.6)=.1, p=.9998")},
                    {{"2", "110.12", "111111011111011110111"},
                     answer("Probability  = .0000", "F(110.12,1.11111011111011E+20)=2, p=.0000")},
                    {{"", "3", "10"}, refused(1)},
                    {{"2", "", "10"}, refused(2)},
                    {{"2", ".5", "10"}, refused(2)},
                    {{"2", "3", ""}, refused(3)},
                    {{"2", "3", ".5"}, refused(3)},
                });
}

TEST(DistributionWindows, Distr3bCriticalF) {
    expectCases(calculateDistr3b,
                {
                    {{".05", "1", "2"}, answer("F value = 18.513", "F(1,2)=18.513, p=.0500")},
                    {{".05", "3", "10"}, answer("F value = 3.708", "F(3,10)=3.708, p=.0500")},
                    {{".01", "2.5", "7"}, answer("F value = 8.906", "F(2.5,7)=8.906, p=.0100")},
                    {{"1", "3", "10"}, refused(1)},
                    {{".00001", "3", "10"}, refused(1)},
                    {{"", "3", "10"}, refused(1)},
                    {{".05", "", "10"}, refused(2)},
                    {{".05", "3", ""}, refused(3)},
                    {{".05", "3", "1"}, refused(3)},
                });
}

TEST(DistributionWindows, Distr4aProbabilityOfChiSquare) {
    expectCases(calculateDistr4a,
                {
                    {{"3.84", "1"}, answer("Probability = .0500", "X2(1)=3.84, p=.0500")},
                    {{"-3.84", "1"}, answer("Probability = .0500", "X2(1)=3.84, p=.0500")},
                    {{"20", "2.5"}, answer("Probability = .0001", "X2(2.5)=20, p=.0001")},
                    {{".3", "100"}, answer("Probability = 1.0000", "X2(100)=.3, p=1.0000")},
                    {{"", "1"}, refused(1)},
                    {{"0", "1"}, refused(1)},
                    {{"3.84", ""}, refused(2)},
                    {{"3.84", ".5"}, refused(2)},
                });
}

TEST(DistributionWindows, Distr4bCriticalChiSquare) {
    expectCases(calculateDistr4b,
                {
                    // The .0001 grid reaches 3.841499, whose seven digits round down.
                    {{".05", "1"}, answer("Chi-square value = 3.841", "X2(1)=3.841, p=.0500")},
                    {{".01", "10"}, answer("Chi-square value = 23.209", "X2(10)=23.209, p=.0100")},
                    {{".05", "2.5"}, answer("Chi-square value = 6.928", "X2(2.5)=6.928, p=.0500")},
                    {{"1", "1"}, refused(1)},
                    {{".00001", "1"}, refused(1)},
                    {{"", "1"}, refused(1)},
                    {{".05", ""}, refused(2)},
                    {{".05", ".5"}, refused(2)},
                    {{".05", "100001"}, refused(2)},
                });
}

// The largest df accepted still ends, near the normal approximation's 100736.5.
TEST(DistributionWindows, Distr4bLargestDegreesOfFreedom) {
    const std::vector<std::string> inputs = {".05", "100000"};
    const Outcome outcome = calculateDistr4b(inputs);
    ASSERT_TRUE(std::holds_alternative<Answer>(outcome)) << describe(outcome);
    EXPECT_NEAR(answeredNumber(outcome), 100736.5, 2.0);
}

TEST(DistributionWindows, OverflowReachesTheWindowAsAnArithmeticError) {
    const std::vector<std::vector<std::string>> rangeInputs = {
        {"1E39", "15", "85", "115"},    // a mean beyond the single range
        {"0", "1E-30", "-1E10", "115"}, // a deviate beyond it
    };
    for (const auto& inputs : rangeInputs)
        EXPECT_THROW(calculateDistr1c(inputs), ArithmeticError) << joined(inputs);
    const std::vector<std::string> huge = {"1E39"};
    EXPECT_THROW(calculateDistr1a(huge), ArithmeticError);
    const std::vector<std::string> rangeByT = {"0", "1E-30", "11", "-1E10", "1"};
    EXPECT_THROW(calculateDistr2c(rangeByT), ArithmeticError);
}

} // namespace
} // namespace quillon
