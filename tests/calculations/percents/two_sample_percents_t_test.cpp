// Expected texts were worked out apart from the program: true t probabilities (incomplete beta
// function), the critical t found on the search's own grid, printed by the patterns' rounding.
#include "calculations/percents/two_sample_percents_t.h"

#include "tests/calculations/percents/percent_cases.h"

namespace quillon {
namespace {

TEST(TwoSamplePercentsT, AnswersAndRefusals) {
    expectOutcomes(twoSamplePercentsT,
                   {
                       // pooled .55, SE = sqrt(.55 x .45 x .02) = .0704
                       {{"60", "100", "50", "100"}, tTest("1.421", "198", ".1568")},
                       {{"20", "30", "10", "50"}, tTest("1.257", "78", ".2124")},
                       {{"", "100", "50", "100"}, refuse(1)},
                       {{"60", "0", "50", "100"}, refuse(2)},
                       {{"60", "100", "", "100"}, refuse(3)},
                       {{"60", "100", "50", ""}, refuse(4)},
                       {{"-40", "100", "55", "120"}, refuse(1)},
                       {{"40", "-100", "55", "120"}, refuse(2)},
                       {{"40", "100", "140", "120"}, refuse(3)},
                       {{"60", "5", "50", "-5"}, refuse(4)},
                   });
}

TEST(TwoSamplePercentsT, FaultsAreReportedNotAnswered) {
    expectFaults(twoSamplePercentsT,
                 {
                     {{"0", "100", "0", "100"}, ArithmeticFault::InvalidOperation},
                     {{"100", "40", "100", "60"}, ArithmeticFault::InvalidOperation},
                     {{"60", "1", "50", "1"}, ArithmeticFault::InvalidOperation},
                 });
}

} // namespace
} // namespace quillon
