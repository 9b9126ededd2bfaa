// Expected texts were worked out apart from the program: true t probabilities (incomplete beta
// function), the critical t found on the search's own grid, printed by the patterns' rounding.
#include "calculations/percents/percent_confidence_interval.h"

#include "tests/calculations/percents/percent_cases.h"

namespace quillon {
namespace {

TEST(PercentConfidenceInterval, AnswersAndRefusals) {
    expectOutcomes(
        percentConfidenceInterval,
        {
            // t = 1.9843 on the .0001 grid; H = 100 t SE + 1 / 200
            {{"50", "100", "", "95"},
             percentInterval("0.050", " 99", " 95", "50.000", "9.976", "40.024", "59.976")},
            {{"50", "100", "0", "95"},
             percentInterval("0.050", " 99", " 95", "50.000", "9.976", "40.024", "59.976")},
            // Clamped to alpha .0001: t = 4.0551.
            {{"50", "100", "", "99.995"},
             percentInterval("0.050", " 99", " 99.99", "50.000", "20.383", "29.617", "70.383")},
            // Two degrees of freedom: steps 5 down to .0005, t = 4.3031; H adds 1 / 6.
            {{"50", "3", "", "95"},
             percentInterval("0.354", " 2", " 95", "50.000", "152.304", "-102.304", "202.304")},
            {{"30", "200", "1000", "90"},
             percentInterval("0.029", " 199", " 90", "30.000", "4.807", "25.193", "34.807")},
            // The whole population sampled: only the continuity term is left.
            {{"50", "100", "100", "95"},
             percentInterval("0.000", " 99", " 95", "50.000", "0.005", "49.995", "50.005")},
            {{"", "100", "", "95"}, refuse(1)},
            {{"50", "", "", "95"}, refuse(2)},
            {{"50", "100", "50", "95"}, refuse(3)},
            // Its correction would widen the interval.
            {{"30", "400", "-5", "95"}, refuse(3)},
            {{"50", "100", "", "100"}, refuse(4)},
            {{"50", "100", "", "0"}, refuse(4)},
            {{"50", "100", "", ""}, refuse(4)},
        });
}

TEST(PercentConfidenceInterval, FaultsAreReportedNotAnswered) {
    expectFaults(percentConfidenceInterval,
                 {
                     {{"50", "1", "", "95"}, ArithmeticFault::DivisionByZero},
                     {{"50", "0.5", "", "95"}, ArithmeticFault::InvalidOperation},
                     {{"50", "1", "1", "95"}, ArithmeticFault::InvalidOperation},
                 });
}

} // namespace
} // namespace quillon
