// Expected texts were worked out apart from the program: true t and F probabilities (incomplete
// beta function), the critical t found on the search's own grid, printed by the patterns' rounding.
#include "summary_means_windows.h"

#include "calculation_support.h"
#include "outcome_cases.h"

#include <gtest/gtest.h>

namespace quillon {
namespace {

const std::string kGap = "\r\n\r\n";

std::string tLines(const std::string& t, const std::string& df, const std::string& p) {
    return "t-statistic = " + t + kGap + "Degrees of freedom =  " + df + kGap +
           "Two-tailed probability = " + p;
}

std::string tSummary(const std::string& t, const std::string& df, const std::string& p) {
    return "t(" + df + ")=" + t + ", p=" + p;
}

Outcome twoMeans(const std::string& t, const std::string& df, const std::string& p) {
    return answer(tLines(t, df, p), tSummary(t, df, p));
}

Outcome meanAgainstPopulation(const std::string& se, const std::string& t, const std::string& df,
                              const std::string& p) {
    return answer("Standard error of the mean = " + se + kGap + tLines(t, df, p),
                  tSummary(t, df, p));
}

// The caption goes to the clipboard unchanged; the mean's pattern ends with a blank.
Outcome interval(const std::string& se, const std::string& df, const std::string& level,
                 const std::string& mean, const std::string& halfWidth, const std::string& lower,
                 const std::string& upper) {
    const std::string text = "Standard error of the mean = " + se + kGap +
                             "Degrees of freedom = " + df + kGap + level +
                             "% Confidence interval  = " + mean + " " + "\u00B1 " + halfWidth +
                             kGap + "Confidence interval range = " + lower + " to " + upper;
    return answer(text, text);
}

Outcome deviations(const std::string& f, const std::string& plainF, const std::string& df1,
                   const std::string& df2, const std::string& p) {
    return answer("F-ratio = " + f + kGap + "Degrees of freedom = " + df1 + " and " + df2 + kGap +
                      "Probability that the difference was due to chance = " + p,
                  "F(" + df1 + "," + df2 + ")=" + plainF + ", p=" + p);
}

TEST(SummaryMeansWindows, Means2IndependentGroups) {
    expectOutcomes(calculateMeans2,
                   {
                       // pooled variance 5.125, SE .8266
                       {{"10", "2", "15", "8.5", "2.5", "15"}, twoMeans("1.815", "28", ".0803")},
                       {{"8.5", "2.5", "15", "10", "2", "15"}, twoMeans("1.815", "28", ".0803")},
                       // pooled (9 x 9 + 19 x 16) / 28 = 13.75
                       {{"20", "3", "10", "15", "4", "20"}, twoMeans("3.482", "28", ".0017")},
                       {{"0", "2", "15", "0", "2.5", "15"}, twoMeans("0.000", "28", "1.0000")},
                       {{"", "2", "15", "8.5", "2.5", "15"}, refuse(1)},
                       {{"10", "0", "15", "8.5", "2.5", "15"}, refuse(2)},
                       {{"10", "2", "", "8.5", "2.5", "15"}, refuse(3)},
                       {{"10", "2", "15", "", "2.5", "15"}, refuse(4)},
                       {{"10", "2", "15", "8.5", "", "15"}, refuse(5)},
                       {{"10", "2", "15", "8.5", "2.5", "0"}, refuse(6)},
                   });
}

TEST(SummaryMeansWindows, Means3ConfidenceInterval) {
    expectOutcomes(calculateMeans3,
                   {
                       // SE 3 / 5 = .6, t = 2.0639 on the .0001 grid
                       {{"10.5", "3", "25", "", "95"},
                        interval("0.600", " 24", " 95", "10.5000", "1.2383", "9.262", "11.738")},
                       // Clamped to alpha .0001: t = 4.6544.
                       {{"10.5", "3", "25", "0", "99.995"},
                        interval("0.600", " 24", " 99.99", "10.5000", "2.7926", "7.707", "13.293")},
                       // Two degrees of freedom: steps 5 down to .0005, t = 4.3031.
                       {{"10.5", "3", "3", "", "95"},
                        interval("1.732", " 2", " 95", "10.5000", "7.4532", "3.047", "17.953")},
                       // corr = 170 / 199
                       {{"100", "15", "30", "200", "99"},
                        interval("2.531", " 29", " 99", "100.0000", "6.9770", "93.023", "106.977")},
                       // The whole population: zero width.
                       {{"10.5", "3", "25", "25", "95"},
                        interval("0.000", " 24", " 95", "10.5000", ".0000", "10.500", "10.500")},
                       {{"", "3", "25", "", "95"}, refuse(1)},
                       {{"10.5", "0", "25", "", "95"}, refuse(2)},
                       {{"10.5", "3", "0", "", "95"}, refuse(3)},
                       {{"10.5", "3", "25", "", "100"}, refuse(5)},
                       {{"10.5", "3", "25", "", ""}, refuse(5)},
                   });
}

TEST(SummaryMeansWindows, Means4SampleAgainstPopulationMean) {
    expectOutcomes(
        calculateMeans4,
        {
            {{"48", "2", "16", "", "50"}, meanAgainstPopulation("0.500", "-4.000", "15", ".0012")},
            {{"52", "2", "16", "", "50"}, meanAgainstPopulation("0.500", "4.000", "15", ".0012")},
            // corr = 84 / 99
            {{"52", "2", "16", "100", "50"},
             meanAgainstPopulation("0.461", "4.342", "15", ".0006")},
            {{"", "2", "16", "", "50"}, refuse(1)},
            {{"48", "0", "16", "", "50"}, refuse(2)},
            {{"48", "2", "", "", "50"}, refuse(3)},
            {{"48", "2", "16", "", ""}, refuse(5)},
        });
}

TEST(SummaryMeansWindows, Means5TwoStandardDeviations) {
    expectOutcomes(
        calculateMeans5,
        {
            // The larger deviation is the numerator, its degrees of freedom first.
            {{"3", "10", "4", "15"}, deviations("1.778", "1.777778", "14", "9", ".1941")},
            {{"4", "15", "3", "10"}, deviations("1.778", "1.777778", "14", "9", ".1941")},
            {{"2.5", "21", "2", "11"}, deviations("1.563", "1.5625", "20", "10", ".2366")},
            // A size far beyond the tables: the true tail (2.1E-12, 1E-131), not -.0000 or 1.
            {{"9", "3.8", "2", "20000000000000000000"},
             deviations("20.250", "20.25", "2.8", "2E+19", ".0000")},
            {{"20", "2.5", "1", "10000000000000000000"},
             deviations("400.000", "400", "1.5", "1E+19", ".0000")},
            {{"", "10", "4", "15"}, refuse(1)},
            {{"-3", "10", "4", "15"}, refuse(1)},
            {{"3", "1", "4", "15"}, refuse(2)},
            {{"3", "10", "0", "15"}, refuse(3)},
            {{"3", "10", "4", "1.5"}, refuse(4)},
        });
}

TEST(SummaryMeansWindows, FaultsAreReportedNotAnswered) {
    expectFaults(calculateMeans2,
                 {
                     // sizes adding up to 2: 0 / 0 in the pooled variance
                     {{"10", "2", "1", "8.5", "2.5", "1"}, ArithmeticFault::InvalidOperation},
                     {{"10", "2", "3", "8.5", "2.5", "-1"}, ArithmeticFault::DivisionByZero},
                     // a negative pooled variance
                     {{"10", "1", "-5", "8.5", "2", "3"}, ArithmeticFault::InvalidOperation},
                 });
    expectFaults(calculateMeans3,
                 {
                     {{"10.5", "3", "25", "1", "95"}, ArithmeticFault::DivisionByZero},
                     {{"10.5", "3", "25", "20", "95"}, ArithmeticFault::InvalidOperation},
                     // df = 0
                     {{"10.5", "3", "1", "", "95"}, ArithmeticFault::InvalidOperation},
                 });
    expectFaults(calculateMeans4,
                 {
                     {{"48", "2", "16", "16", "50"}, ArithmeticFault::DivisionByZero},
                     {{"50", "2", "16", "16", "50"}, ArithmeticFault::InvalidOperation},
                     {{"48", "2", "16", "1", "50"}, ArithmeticFault::DivisionByZero},
                     {{"48", "2", "1", "", "50"}, ArithmeticFault::InvalidOperation},
                     {{"48", "2", "-4", "", "50"}, ArithmeticFault::InvalidOperation},
                 });
    expectFaults(calculateMeans5, {{{"1E30", "10", "4", "15"}, ArithmeticFault::Overflow},
                                   {{"4", "10", "1E-30", "15"}, ArithmeticFault::DivisionByZero}});
}

} // namespace
} // namespace quillon
