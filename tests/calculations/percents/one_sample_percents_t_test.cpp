// Expected texts were worked out apart from the program: true t probabilities (incomplete beta
// function), the critical t found on the search's own grid, printed by the patterns' rounding.
#include "calculations/percents/one_sample_percents_t.h"
#include "calculations/percents/percent_confidence_interval.h"
#include "calculations/percents/two_sample_percents_t.h"

#include "calculations/common/calculation_support.h"
#include "tests/calculations/outcome_cases.h"

#include <gtest/gtest.h>

namespace quillon {
namespace {

Outcome tTest(const std::string& t, const std::string& df, const std::string& p) {
    return answer("t-statistic = " + t + "\r\n\r\nDegrees of freedom =  " + df +
                      "\r\n\r\nTwo-tailed probability = " + p,
                  "t(" + df + ")=" + t + ", p=" + p);
}

// The caption goes to the clipboard unchanged.
Outcome interval(const std::string& se, const std::string& df, const std::string& level,
                 const std::string& centre, const std::string& halfWidth, const std::string& lower,
                 const std::string& upper) {
    const std::string text = "Standard error of the proportion = " + se +
                             "\r\n\r\nDegrees of freedom = " + df + "\r\n\r\n" + level +
                             "% Confidence interval  = " + centre + " \u00B1 " + halfWidth +
                             "\r\n\r\nConfidence interval range = " + lower + " to " + upper;
    return answer(text, text);
}

TEST(PercentWindows, Percent1OneSampleTTest) {
    expectOutcomes(oneSamplePercentsT, {
                                           // SE = sqrt((.9 - .09) / 100) = .09
                                           {{"60", "30", "100"}, tTest("3.333", "99", ".0012")},
                                           {{"30", "60", "100"}, tTest("3.333", "99", ".0012")},
                                           {{"40", "35", "200"}, tTest("0.818", "199", ".4144")},
                                           {{"50", "50", "100"}, tTest("0.000", "99", "1.0000")},
                                           {{"0", "30", "100"}, refuse(1)},
                                           {{"100", "30", "100"}, refuse(1)},
                                           {{"60", "-5", "100"}, refuse(2)},
                                           {{"60", "100.5", "100"}, refuse(2)},
                                           {{"60", "30", ""}, refuse(3)},
                                       });
}

TEST(PercentWindows, Percent2TwoSampleTTest) {
    expectOutcomes(twoSamplePercentsT,
                   {
                       // pooled .55, SE = sqrt(.55 x .45 x .02) = .0704
                       {{"60", "100", "50", "100"}, tTest("1.421", "198", ".1568")},
                       {{"20", "30", "10", "50"}, tTest("1.257", "78", ".2124")},
                       {{"", "100", "50", "100"}, refuse(1)},
                       {{"60", "0", "50", "100"}, refuse(2)},
                       {{"60", "100", "", "100"}, refuse(3)},
                       {{"60", "100", "50", ""}, refuse(4)},
                   });
}

TEST(PercentWindows, Percent3ConfidenceInterval) {
    expectOutcomes(percentConfidenceInterval,
                   {
                       // t = 1.9843 on the .0001 grid; H = 100 t SE + 1 / 200
                       {{"50", "100", "", "95"},
                        interval("0.050", " 99", " 95", "50.000", "9.976", "40.024", "59.976")},
                       {{"50", "100", "0", "95"},
                        interval("0.050", " 99", " 95", "50.000", "9.976", "40.024", "59.976")},
                       // Clamped to alpha .0001: t = 4.0551.
                       {{"50", "100", "", "99.995"},
                        interval("0.050", " 99", " 99.99", "50.000", "20.383", "29.617", "70.383")},
                       // Two degrees of freedom: steps 5 down to .0005, t = 4.3031; H adds 1 / 6.
                       {{"50", "3", "", "95"},
                        interval("0.354", " 2", " 95", "50.000", "152.304", "-102.304", "202.304")},
                       {{"30", "200", "1000", "90"},
                        interval("0.029", " 199", " 90", "30.000", "4.807", "25.193", "34.807")},
                       // The whole population sampled: only the continuity term is left.
                       {{"50", "100", "100", "95"},
                        interval("0.000", " 99", " 95", "50.000", "0.005", "49.995", "50.005")},
                       {{"", "100", "", "95"}, refuse(1)},
                       {{"50", "", "", "95"}, refuse(2)},
                       {{"50", "100", "50", "95"}, refuse(3)},
                       {{"50", "100", "", "100"}, refuse(4)},
                       {{"50", "100", "", "0"}, refuse(4)},
                       {{"50", "100", "", ""}, refuse(4)},
                   });
}

TEST(PercentWindows, FaultsAreReportedNotAnswered) {
    expectFaults(oneSamplePercentsT, {
                                         {{"60", "30", "-5"}, ArithmeticFault::InvalidOperation},
                                         {{"60", "30", "1"}, ArithmeticFault::InvalidOperation},
                                         {{"60", "30", "0.5"}, ArithmeticFault::InvalidOperation},
                                     });
    expectFaults(twoSamplePercentsT,
                 {
                     {{"0", "100", "0", "100"}, ArithmeticFault::InvalidOperation},
                     {{"100", "40", "100", "60"}, ArithmeticFault::InvalidOperation},
                     {{"60", "5", "50", "-5"}, ArithmeticFault::DivisionByZero},
                     {{"60", "1", "50", "1"}, ArithmeticFault::InvalidOperation},
                 });
    expectFaults(percentConfidenceInterval,
                 {
                     {{"50", "1", "", "95"}, ArithmeticFault::DivisionByZero},
                     {{"50", "0.5", "", "95"}, ArithmeticFault::InvalidOperation},
                     {{"50", "1", "1", "95"}, ArithmeticFault::InvalidOperation},
                 });
}

} // namespace
} // namespace quillon
