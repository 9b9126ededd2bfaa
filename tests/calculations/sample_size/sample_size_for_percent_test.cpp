// Expected sizes and errors were worked out apart from the program: the critical z on the search's
// .0001 grid (1.9600 at 95%, 2.5759 at 99%, 1.6449 at 90%), then the sizes by hand.
#include "calculations/sample_size/error_for_sample_size.h"
#include "calculations/sample_size/sample_size_for_mean.h"
#include "calculations/sample_size/sample_size_for_percent.h"

#include "calculations/common/calculation_support.h"
#include "tests/calculations/outcome_cases.h"

#include <gtest/gtest.h>

namespace quillon {
namespace {

Outcome sizeForPercent(const std::string& population, const std::string& rate,
                       const std::string& error, const std::string& level,
                       const std::string& size) {
    return answer("Required sample size =" + size + "\r\n\r\n",
                  "Population size =" + population +
                      "\r\nEstimate of the population rate = " + rate +
                      "\r\nMaximum acceptable error =" + error + "\r\nConfidence level =" + level +
                      "\r\nRequired sample size =" + size + "\r\n");
}

Outcome sizeForMean(const std::string& deviation, const std::string& error,
                    const std::string& level, const std::string& size) {
    return answer("Required sample size =" + size + "\r\n\r\n",
                  "Population SD =" + deviation + "\r\nMaximum acceptable error =" + error +
                      "\r\nConfidence level =" + level + "\r\nRequired sample size =" + size +
                      "\r\n");
}

Outcome errorForSize(const std::string& population, const std::string& rate,
                     const std::string& size, const std::string& level, const std::string& error) {
    const std::string errorLine = "Maximum error = \u00B1 " + error + "%";
    return answer(errorLine + "\r\n\r\n",
                  "Population size =" + population +
                      "\r\nEstimate of the population rate = " + rate + "\r\nSample size =" + size +
                      "\r\nConfidence level =" + level + "\r\n" + errorLine + "\r\n");
}

TEST(SampleSizeWindows, Sample1SizeForPercents) {
    expectOutcomes(
        sampleSizeForPercent,
        {
            // 1.96^2 x .25 / .05^2 = 384.16, never raised to 385
            {{"", "50", "5", "95"}, sizeForPercent(" 1E+36", " .5", " .05", " 95", " 384")},
            {{"0", "50", "5", "95"}, sizeForPercent(" 1E+36", " .5", " .05", " 95", " 384")},
            // 384.16 / 1.38416 = 277.5
            {{"1000", "50", "5", "95"}, sizeForPercent(" 1000", " .5", " .05", " 95", " 277")},
            // 2.5759^2 x .21 / .0009 = 1548.2, for 5000: 1182.2
            {{"5000", "30", "3", "99"}, sizeForPercent(" 5000", " .3", " .03", " 99", " 1182")},
            {{"", "100", "5", "95"}, sizeForPercent(" 1E+36", " 1", " .05", " 95", " 0")},
            // alpha .9999: the search's first probe, z = 0
            {{"", "50", "5", "0.01"}, sizeForPercent(" 1E+36", " .5", " .05", " .01", " 0")},
            {{"", "", "5", "95"}, refuse(2)},
            {{"", "50", "", "95"}, refuse(3)},
            {{"", "50", "5", "100"}, refuse(4)},
            {{"", "50", "5", ""}, refuse(4)},
        });
}

TEST(SampleSizeWindows, Sample2SizeForMeans) {
    expectOutcomes(sampleSizeForMean,
                   {
                       // 1.96^2 x 225 / 4 = 216.09
                       {{"15", "2", "95"}, sizeForMean(" 15", " 2", " 95", " 216")},
                       // 1.6449^2 x 100 / 2.25 = 120.25
                       {{"10", "1.5", "90"}, sizeForMean(" 10", " 1.5", " 90", " 120")},
                       {{"", "2", "95"}, refuse(1)},
                       {{"15", "0", "95"}, refuse(2)},
                       {{"15", "2", "100"}, refuse(3)},
                   });
}

TEST(SampleSizeWindows, Sample3ErrorForSize) {
    expectOutcomes(
        errorForSampleSize,
        {
            // 9604 / E^2 <= 500 first at E = 4.39
            {{"", "50", "500", "95"}, errorForSize(" 1E+36", " .5", " 500", " 95", "4.4")},
            // at E = 6.20 the size needed falls to 199.9
            {{"1000", "50", "200", "95"}, errorForSize(" 1000", " .5", " 200", " 95", "6.2")},
            {{"", "20", "1000", "99"}, errorForSize(" 1E+36", " .2", " 1000", " 99", "3.3")},
            // No variance: the smallest error of the grid.
            {{"", "100", "10", "95"}, errorForSize(" 1E+36", " 1", " 10", " 95", "0.0")},
            // n + 1 equals n in single precision here; the error is still .03, not negative.
            {{"", "50", "20000000", "95"}, errorForSize(" 1E+36", " .5", " 2E+07", " 95", "0.0")},
            {{"", "", "500", "95"}, refuse(2)},
            {{"", "50", "1", "95"}, refuse(3)},
            {{"", "50", "", "95"}, refuse(3)},
            {{"", "50", "500", "100"}, refuse(4)},
        });
}

TEST(SampleSizeWindows, FaultsAreReportedNotAnswered) {
    expectFaults(sampleSizeForPercent, {{{"", "1E20", "5", "95"}, ArithmeticFault::Overflow}});
    expectFaults(sampleSizeForMean, {{{"1E20", "1E-20", "95"}, ArithmeticFault::Overflow}});
    // A rate far beyond 100% keeps the size needed above the sample until the error stalls.
    expectFaults(errorForSampleSize, {{{"1000", "1E12", "500", "95"}, ArithmeticFault::Overflow}});
}

} // namespace
} // namespace quillon
