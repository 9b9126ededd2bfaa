// Values typed at 7 significant digits keep the single-precision steps and texts; one typed at 8
// or more switches the whole calculation to double. Expected values: percent_switch_values.R (R,
// singles emulated for the 7-digit rows).
#include "calculations/percents/one_sample_percents_t.h"
#include "calculations/percents/percent_confidence_interval.h"
#include "calculations/percents/two_sample_percents_t.h"

#include "tests/calculations/percents/percent_cases.h"
#include "tests/calculations/switch_cases.h"

namespace quillon {
namespace {

TEST(PercentSwitch, SevenDigitsKeepSinglesAndMoreSwitchToDouble) {
    expectWindowOutcomes({
        {oneSamplePercentsT, {"50.1", "50", "1234567"}, tTest("1.111", "1234566", ".2668")},
        // As a single the size is 123456792 and its df prints 1.234568E+08.
        {oneSamplePercentsT, {"50.1", "50", "123456789"}, tTest("11.106", "123456788", ".0000")},
        {twoSamplePercentsT,
         {"50.1", "1000000", "50", "1000000"},
         tTest("1.414", "1999998", ".1573")},
        {twoSamplePercentsT,
         {"50.1", "10000001", "50", "10000001"},
         tTest("4.472", "20000000", ".0000")},
        // 99.999999 is 100 as a single, which leaves no spread at all.
        {percentConfidenceInterval,
         {"99.99999", "100", "", "95"},
         percentInterval("0.000", " 99", " 95", "100.000", "0.010", "99.990", "100.010")},
        {percentConfidenceInterval,
         {"99.999999", "100", "", "95"},
         percentInterval("0.000", " 99", " 95", "100.000", "0.007", "99.993", "100.007")},
        // The level alone does not switch.
        {percentConfidenceInterval,
         {"99.99999", "100", "", "95.0000001"},
         percentInterval("0.000", " 99", " 95", "100.000", "0.010", "99.990", "100.010")},
        // The checks read singles as before: 100.0000001 is 100 and passes; a size of 0 does not.
        {twoSamplePercentsT, {"100.0000001", "10000001", "50", "0"}, refuse(4)},
    });
}

} // namespace
} // namespace quillon
