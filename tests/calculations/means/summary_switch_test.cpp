// Values typed at 7 significant digits keep the single-precision steps and texts; one typed at 8
// switches the whole calculation to double. Expected values: summary_switch_values.R (R, singles
// emulated for the 7-digit rows).
#include "calculations/means/independent_groups_t.h"
#include "calculations/means/mean_confidence_interval.h"
#include "calculations/means/population_mean_t.h"
#include "calculations/means/variance_ratio_f.h"

#include "tests/calculations/means/summary_mean_cases.h"
#include "tests/calculations/switch_cases.h"

namespace quillon {
namespace {

TEST(SummarySwitch, SevenDigitsKeepSinglesAndEightSwitchToDouble) {
    expectWindowOutcomes({
        // 1000.001 and 1000.002 are 1000.0009766 and 1000.0020142 as singles.
        {independentGroupsT,
         {"1000.001", ".001", "10", "1000.002", ".001", "10"},
         twoMeans("2.320", "18", ".0323")},
        {independentGroupsT,
         {"1000.0011", ".001", "10", "1000.0021", ".001", "10"},
         twoMeans("2.236", "18", ".0382")},
        // A deviation of 1000.0001 is 1000 as a single; the clipboard shows F's plain form.
        {varianceRatioF,
         {"1000.001", "100", "1000", "100"},
         deviations("1.000", "1.000002", "99", "99", ".5000")},
        {varianceRatioF,
         {"1000.0001", "100", "1000", "100"},
         deviations("1.000", "1.00000020000001", "99", "99", ".5000")},
        {populationMeanT,
         {"100.0001", ".001", "100", "", "100"},
         meanAgainstPopulation("0.000", "0.992", "99", ".3237")},
        {populationMeanT,
         {"100.00001", ".0001", "100", "", "100"},
         meanAgainstPopulation("0.000", "1.000", "99", ".3197")},
        {meanConfidenceInterval,
         {"1234.568", "1", "100", "", "95"},
         meanInterval("0.100", " 99", " 95", "1234.5680", ".1984", "1234.370", "1234.766")},
        {meanConfidenceInterval,
         {"1234.5678", "1", "100", "", "95"},
         meanInterval("0.100", " 99", " 95", "1234.5678", ".1984", "1234.369", "1234.766")},
        // The level alone does not switch: it only sets the probability searched for.
        {meanConfidenceInterval,
         {"1234.568", "1", "100", "", "95.000001"},
         meanInterval("0.100", " 99", " 95", "1234.5680", ".1984", "1234.370", "1234.766")},
        // The checks still see the single: a deviation of 1E-50 is 0 and refused.
        {independentGroupsT, {"1000.0011", "1E-50", "10", "1000.0021", ".001", "10"}, refuse(2)},
        {varianceRatioF, {"1000.0001", "100", "1E-50", "100"}, refuse(3)},
    });
}

TEST(SummarySwitch, AValueBeyondTheSingleRangeStillOverflows) {
    expectFaults(independentGroupsT,
                 {{{"1E39", "2", "15", "8.5000001", "2.5", "15"}, ArithmeticFault::Overflow}});
    expectFaults(populationMeanT,
                 {{{"100.00001", ".0001", "100", "", "1E39"}, ArithmeticFault::Overflow}});
}

} // namespace
} // namespace quillon
