// Expected texts were worked out apart from the program: true t and F probabilities (incomplete
// beta function), the critical t found on the search's own grid, printed by the patterns' rounding.
#include "calculations/means/variance_ratio_f.h"

#include "tests/calculations/means/summary_mean_cases.h"

namespace quillon {
namespace {

TEST(VarianceRatioF, AnswersAndRefusals) {
    expectOutcomes(
        varianceRatioF,
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

TEST(VarianceRatioF, FaultsAreReportedNotAnswered) {
    expectFaults(varianceRatioF, {{{"1E30", "10", "4", "15"}, ArithmeticFault::Overflow},
                                  {{"4", "10", "1E-30", "15"}, ArithmeticFault::DivisionByZero}});
}

} // namespace
} // namespace quillon
