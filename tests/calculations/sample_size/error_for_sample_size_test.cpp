// Expected sizes and errors were worked out apart from the program: the critical z on the search's
// .0001 grid (1.9600 at 95%, 2.5759 at 99%, 1.6449 at 90%), then the sizes by hand.
#include "calculations/sample_size/error_for_sample_size.h"

#include "tests/calculations/sample_size/sample_size_cases.h"

namespace quillon {
namespace {

TEST(ErrorForSampleSize, AnswersAndRefusals) {
    expectOutcomes(
        errorForSampleSize,
        {
            // 9604 / E^2 <= 500 first at E = 4.39
            {{"", "50", "500", "95"}, errorForSize(" 1E+36", " .5", " 500", " 95", "4.4")},
            // at E = 6.20 the size needed falls to 199.9
            {{"1000", "50", "200", "95"}, errorForSize(" 1000", " .5", " 200", " 95", "6.2")},
            {{"", "20", "1000", "99"}, errorForSize(" 1E+36", " .2", " 1000", " 99", "3.3")},
            // No variance: the smallest error of the grid.
            {{"", "100", "10", "95"}, errorForSize(" 1E+36", " 1", " 10", " 95", "0.0")},
            // n + 1 equals n in single precision here; the error is still .03, not negative.
            {{"", "50", "20000000", "95"}, errorForSize(" 1E+36", " .5", " 2E+07", " 95", "0.0")},
            {{"", "", "500", "95"}, refuse(2)},
            // An error of 0 for a negative population; any error for a rate beyond 0 to 100%.
            {{"-5", "50", "400", "95"}, refuse(1)},
            {{"10000", "150", "400", "95"}, refuse(2)},
            {{"10000", "-50", "400", "95"}, refuse(2)},
            {{"1000", "1E12", "500", "95"}, refuse(2)},
            {{"", "50", "1", "95"}, refuse(3)},
            {{"", "50", "", "95"}, refuse(3)},
            {{"", "50", "500", "100"}, refuse(4)},
        });
}

TEST(ErrorForSampleSize, FaultsAreReportedNotAnswered) {
    expectFaults(errorForSampleSize, {{{"1E39", "50", "500", "95"}, ArithmeticFault::Overflow}});
}

} // namespace
} // namespace quillon
