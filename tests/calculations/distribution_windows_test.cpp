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

// With one degree of freedom the series' probability falls to 0 once t squared reaches 2^25, near
// 5792.6; the true tail answers there, and the search goes on to the true 6366.198. Past 2048 a
// step of .0001 no longer moves a single: the search ends on the .001 grid. At .001 the series
// still answers, its x rounded to a single: .8 short of the true 636.619.
TEST(DistributionWindows, Distr2bCriticalTWithOneDegreeOfFreedom) {
    expectCases(calculateDistr2b,
                {
                    {{".0001", "1"}, answer("t value = 6366.198", "t(1)=6366.198, p=.0001")},
                    {{".001", "1"}, answer("t value = 635.822", "t(1)=635.822, p=.0010")},
                });
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

// With 2 denominator degrees of freedom and thousands in the numerator the series' x keeps only
// its last unit below 1 from an F of a few thousand on and rounds to 1 beyond: its results there
// are noise (.000148 where the true tail is .0001, then 0), and the true tail answers. True
// critical values: 9999.499 for 1000, 9999.500 for the others. With 1000 the series still
// answers near the target, its x rounded to three units: the answer stays where it was.
TEST(DistributionWindows, Distr3bCriticalFWhereTheSeriesLosesItsDigits) {
    expectCases(
        calculateDistr3b,
        {
            {{".0001", "1000", "2"}, answer("F value = 9586.979", "F(1000,2)=9586.979, p=.0001")},
            {{".0001", "5000", "2"}, answer("F value = 9999.500", "F(5000,2)=9999.500, p=.0001")},
            {{".0001", "20000", "2"}, answer("F value = 9999.500", "F(20000,2)=9999.500, p=.0001")},
            {{".0001", "65535", "2"}, answer("F value = 9999.500", "F(65535,2)=9999.500, p=.0001")},
        });
}

// A critical value found where the target is small is never printed beside a probability of
// .0000: the search stops where the probability is at or below the target, and the routines give
// no noise there. Degrees of freedom above 65535 with 2 or 4 in the denominator are left out: the
// approximation that answers there never falls to .0001 within the search's reach (an error).
TEST(DistributionWindows, CriticalValuesAreNeverPrintedBesideAProbabilityOfZero) {
    const char* const targets[] = {".0001", ".00015", ".0002", ".0005", ".001"};
    const char* const numerators[] = {"1",    "3",     "10",    "100",   "999",   "1000", "3355",
                                      "5000", "20000", "32767", "65535", "65536", "2.5",  "1000.5"};
    const char* const denominators[] = {"2", "3", "4", "5", "7", "10", "100", "65535", "70000"};
    for (const char* target : targets) {
        for (const char* df1 : numerators)
            for (const char* df2 : denominators) {
                const std::vector<std::string> inputs = {target, df1, df2};
                try {
                    const Outcome outcome = calculateDistr3b(inputs);
                    const Answer& found = std::get<Answer>(outcome);
                    EXPECT_EQ(found.clipboard->find("p=.0000"), std::string::npos)
                        << *found.clipboard;
                } catch (const ArithmeticError&) {
                    const bool unreachable = std::string(target) == ".0001" &&
                                             std::stod(df1) > 65535.0 &&
                                             (std::string(df2) == "2" || std::string(df2) == "4");
                    EXPECT_TRUE(unreachable) << target << ", " << df1 << ", " << df2;
                }
            }
        for (const char* df : {"1", "2", "3", "5", "30", "999", "5000", "1.5"}) {
            const std::vector<std::string> inputs = {target, df};
            const Answer found = std::get<Answer>(calculateDistr2b(inputs));
            EXPECT_EQ(found.clipboard->find("p=.0000"), std::string::npos) << *found.clipboard;
        }
    }
}

// Above 65535 degrees of freedom, numerator or denominator, the series' 16-bit pass counter
// overflows and the normal approximation answers.
TEST(DistributionWindows, Distr3bSeriesUpTo65535DegreesOfFreedom) {
    expectCases(
        calculateDistr3b,
        {
            {{".05", "65535", "2"}, answer("F value = 19.321", "F(65535,2)=19.321, p=.0495")},
            {{".05", "65536", "2"}, answer("F value = 19.537", "F(65536,2)=19.537, p=.0500")},
            {{".05", "2", "65535"}, answer("F value = 2.993", "F(2,65535)=2.993, p=.0500")},
            {{".05", "2", "65536"}, answer("F value = 2.965", "F(2,65536)=2.965, p=.0500")},
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
