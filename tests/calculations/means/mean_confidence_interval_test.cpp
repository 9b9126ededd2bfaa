// Expected texts were worked out apart from the program: true t and F probabilities (incomplete
// beta function), the critical t found on the search's own grid, printed by the patterns' rounding.
#include "calculations/means/mean_confidence_interval.h"

#include "tests/calculations/means/summary_mean_cases.h"

namespace quillon {
namespace {

TEST(MeanConfidenceInterval, AnswersAndRefusals) {
    expectOutcomes(
        meanConfidenceInterval,
        {
            // SE 3 / 5 = .6, t = 2.0639 on the .0001 grid
            {{"10.5", "3", "25", "", "95"},
             meanInterval("0.600", " 24", " 95", "10.5000", "1.2383", "9.262", "11.738")},
            // Clamped to alpha .0001: t = 4.6544.
            {{"10.5", "3", "25", "0", "99.995"},
             meanInterval("0.600", " 24", " 99.99", "10.5000", "2.7926", "7.707", "13.293")},
            // Two degrees of freedom: steps 5 down to .0005, t = 4.3031.
            {{"10.5", "3", "3", "", "95"},
             meanInterval("1.732", " 2", " 95", "10.5000", "7.4532", "3.047", "17.953")},
            // corr = 170 / 199
            {{"100", "15", "30", "200", "99"},
             meanInterval("2.531", " 29", " 99", "100.0000", "6.9770", "93.023", "106.977")},
            // The whole population: zero width.
            {{"10.5", "3", "25", "25", "95"},
             meanInterval("0.000", " 24", " 95", "10.5000", ".0000", "10.500", "10.500")},
            {{"", "3", "25", "", "95"}, refuse(1)},
            {{"10.5", "0", "25", "", "95"}, refuse(2)},
            {{"10.5", "3", "0", "", "95"}, refuse(3)},
            // A negative deviation would give a negative half-width ("10.0000 \u00B1 -.7468"); a
            // population below 1 one that widens the interval.
            {{"10", "-2", "30", "", "95"}, refuse(2)},
            {{"10.5", "3", "25", "-5", "95"}, refuse(4)},
            {{"10.5", "3", "25", ".5", "95"}, refuse(4)},
            {{"10.5", "3", "25", "", "100"}, refuse(5)},
            {{"10.5", "3", "25", "", ""}, refuse(5)},
        });
}

TEST(MeanConfidenceInterval, FaultsAreReportedNotAnswered) {
    expectFaults(meanConfidenceInterval,
                 {
                     {{"10.5", "3", "25", "1", "95"}, ArithmeticFault::DivisionByZero},
                     {{"10.5", "3", "25", "20", "95"}, ArithmeticFault::InvalidOperation},
                     // df = 0
                     {{"10.5", "3", "1", "", "95"}, ArithmeticFault::InvalidOperation},
                 });
}

} // namespace
} // namespace quillon
