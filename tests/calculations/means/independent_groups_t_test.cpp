// Expected texts were worked out apart from the program: true t and F probabilities (incomplete
// beta function), the critical t found on the search's own grid, printed by the patterns' rounding.
#include "calculations/means/independent_groups_t.h"

#include "tests/calculations/means/summary_mean_cases.h"

namespace quillon {
namespace {

TEST(IndependentGroupsT, AnswersAndRefusals) {
    expectOutcomes(independentGroupsT,
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
                       // Negative sizes can give a pooled variance and df that look sound.
                       {{"10", "10", "-100", "12", "1", "200"}, refuse(3)},
                       {{"10", "2", "3", "8.5", "2.5", "-1"}, refuse(6)},
                   });
}

TEST(IndependentGroupsT, FaultsAreReportedNotAnswered) {
    expectFaults(independentGroupsT,
                 {
                     // sizes adding up to 2: 0 / 0 in the pooled variance
                     {{"10", "2", "1", "8.5", "2.5", "1"}, ArithmeticFault::InvalidOperation},
                     {{"10", "2", ".5", "8.5", "2.5", "1.5"}, ArithmeticFault::DivisionByZero},
                     // a negative pooled variance
                     {{"10", "10", ".5", "8.5", "1", "3"}, ArithmeticFault::InvalidOperation},
                 });
}

} // namespace
} // namespace quillon
