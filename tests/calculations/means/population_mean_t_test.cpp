// Expected texts were worked out apart from the program: true t and F probabilities (incomplete
// beta function), the critical t found on the search's own grid, printed by the patterns' rounding.
#include "calculations/means/population_mean_t.h"

#include "tests/calculations/means/summary_mean_cases.h"

namespace quillon {
namespace {

TEST(PopulationMeanT, AnswersAndRefusals) {
    expectOutcomes(
        populationMeanT,
        {
            {{"48", "2", "16", "", "50"}, meanAgainstPopulation("0.500", "-4.000", "15", ".0012")},
            {{"52", "2", "16", "", "50"}, meanAgainstPopulation("0.500", "4.000", "15", ".0012")},
            // corr = 84 / 99
            {{"52", "2", "16", "100", "50"},
             meanAgainstPopulation("0.461", "4.342", "15", ".0006")},
            {{"", "2", "16", "", "50"}, refuse(1)},
            {{"48", "0", "16", "", "50"}, refuse(2)},
            {{"48", "2", "", "", "50"}, refuse(3)},
            // A negative standard error, and a t of the wrong sign.
            {{"48", "-2", "16", "", "50"}, refuse(2)},
            {{"48", "2", "16", "-16", "50"}, refuse(4)},
            {{"48", "2", "16", "", ""}, refuse(5)},
        });
}

TEST(PopulationMeanT, FaultsAreReportedNotAnswered) {
    expectFaults(populationMeanT,
                 {
                     {{"48", "2", "16", "16", "50"}, ArithmeticFault::DivisionByZero},
                     {{"50", "2", "16", "16", "50"}, ArithmeticFault::InvalidOperation},
                     {{"48", "2", "16", "1", "50"}, ArithmeticFault::DivisionByZero},
                     {{"48", "2", "1", "", "50"}, ArithmeticFault::InvalidOperation},
                     {{"48", "2", "-4", "", "50"}, ArithmeticFault::InvalidOperation},
                 });
}

} // namespace
} // namespace quillon
