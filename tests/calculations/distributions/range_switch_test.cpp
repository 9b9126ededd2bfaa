// Values typed at 7 significant digits keep the single-precision steps and texts; one typed at 8
// switches the probability of a range to double, the deviates still going to the routines as
// singles. Expected values: range_switch_values.R (R, singles emulated for the 7-digit rows).
#include "calculations/distributions/normal_distribution.h"
#include "calculations/distributions/t_distribution.h"

#include "tests/calculations/distributions/distribution_cases.h"
#include "tests/calculations/switch_cases.h"

namespace quillon {
namespace {

TEST(RangeSwitch, SevenDigitsKeepSinglesAndEightSwitchToDouble) {
    expectWindowOutcomes({
        // As singles the limits are 999999.375 and 999999.625: deviates of -.625 and .625.
        {zRangeProbability,
         {"999999.5", ".2", "999999.4", "999999.6"},
         rangeAnswered("Mean=999999.5 (SD=.2)", "999999.4 - 999999.6", ".4680", ".5320")},
        {zRangeProbability,
         {"1000000.5", ".1", "1000000.4", "1000000.6"},
         rangeAnswered("Mean=1000000.5 (SD=.1)", "1000000.4 - 1000000.6", ".6827", ".3173")},
        {tRangeProbability,
         {"999999.5", ".2", "10", "999999.4", "999999.6"},
         rangeAnswered("Mean=999999.5, SD=.2 (N=10)", "999999.4 - 999999.6", ".4525", ".5475")},
        {tRangeProbability,
         {"1000000.5", ".1", "10", "1000000.4", "1000000.6"},
         rangeAnswered("Mean=1000000.5, SD=.1 (N=10)", "1000000.4 - 1000000.6", ".6566", ".3434")},
        // The checks still see the single: an SD of 1E-50 is 0 and refused.
        {zRangeProbability, {"1000000.5", "1E-50", "1000000.4", "1000000.6"}, refuse(2)},
    });
}

TEST(RangeSwitch, AValueBeyondTheSingleRangeStillOverflows) {
    expectFaults(zRangeProbability,
                 {{{"1000000.5", ".1", "1000000.4", "1E39"}, ArithmeticFault::Overflow}});
}

} // namespace
} // namespace quillon
