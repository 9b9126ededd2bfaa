// Expected sizes and errors were worked out apart from the program: the critical z on the search's
// .0001 grid (1.9600 at 95%, 2.5759 at 99%, 1.6449 at 90%), then the sizes by hand.
#include "calculations/sample_size/sample_size_for_mean.h"

#include "tests/calculations/sample_size/sample_size_cases.h"

namespace quillon {
namespace {

TEST(SampleSizeForMean, AnswersAndRefusals) {
    expectOutcomes(sampleSizeForMean,
                   {
                       // 1.96^2 x 225 / 4 = 216.09
                       {{"15", "2", "95"}, sizeForMean(" 15", " 2", " 95", " 216")},
                       // 1.6449^2 x 100 / 2.25 = 120.25
                       {{"10", "1.5", "90"}, sizeForMean(" 10", " 1.5", " 90", " 120")},
                       {{"", "2", "95"}, refuse(1)},
                       {{"15", "0", "95"}, refuse(2)},
                       {{"15", "2", "100"}, refuse(3)},
                   });
}

TEST(SampleSizeForMean, FaultsAreReportedNotAnswered) {
    expectFaults(sampleSizeForMean, {{{"1E20", "1E-20", "95"}, ArithmeticFault::Overflow}});
}

} // namespace
} // namespace quillon
