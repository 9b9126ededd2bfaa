// Expected texts were worked out apart from the program: true t probabilities (incomplete beta
// function), the critical t found on the search's own grid, printed by the patterns' rounding.
#include "calculations/percents/one_sample_percents_t.h"

#include "tests/calculations/percents/percent_cases.h"

namespace quillon {
namespace {

TEST(OneSamplePercentsT, AnswersAndRefusals) {
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

TEST(OneSamplePercentsT, FaultsAreReportedNotAnswered) {
    expectFaults(oneSamplePercentsT, {
                                         {{"60", "30", "-5"}, ArithmeticFault::InvalidOperation},
                                         {{"60", "30", "1"}, ArithmeticFault::InvalidOperation},
                                         {{"60", "30", "0.5"}, ArithmeticFault::InvalidOperation},
                                     });
}

} // namespace
} // namespace quillon
