// Expected sizes and errors were worked out apart from the program: the critical z on the search's
// .0001 grid (1.9600 at 95%, 2.5759 at 99%, 1.6449 at 90%), then the sizes by hand.
#include "calculations/sample_size/sample_size_for_percent.h"

#include "tests/calculations/sample_size/sample_size_cases.h"

namespace quillon {
namespace {

TEST(SampleSizeForPercent, AnswersAndRefusals) {
    expectOutcomes(
        sampleSizeForPercent,
        {
            // 1.96^2 x .25 / .05^2 = 384.16, never raised to 385
            {{"", "50", "5", "95"}, sizeForPercent(" 1E+36", " .5", " .05", " 95", " 384")},
            {{"0", "50", "5", "95"}, sizeForPercent(" 1E+36", " .5", " .05", " 95", " 384")},
            // 384.16 / 1.38416 = 277.5
            {{"1000", "50", "5", "95"}, sizeForPercent(" 1000", " .5", " .05", " 95", " 277")},
            // 2.5759^2 x .21 / .0009 = 1548.2, for 5000: 1182.2
            {{"5000", "30", "3", "99"}, sizeForPercent(" 5000", " .3", " .03", " 99", " 1182")},
            {{"", "100", "5", "95"}, sizeForPercent(" 1E+36", " 1", " .05", " 95", " 0")},
            // alpha .9999: the search's first probe, z = 0
            {{"", "50", "5", "0.01"}, sizeForPercent(" 1E+36", " .5", " .05", " .01", " 0")},
            {{"", "", "5", "95"}, refuse(2)},
            // A negative size, or one above the population.
            {{"-5", "50", "5", "95"}, refuse(1)},
            {{"", "150", "5", "95"}, refuse(2)},
            {{"1000", "-50", "5", "95"}, refuse(2)},
            {{"", "1E20", "5", "95"}, refuse(2)},
            {{"", "50", "", "95"}, refuse(3)},
            {{"", "50", "5", "100"}, refuse(4)},
            {{"", "50", "5", ""}, refuse(4)},
        });
}

TEST(SampleSizeForPercent, FaultsAreReportedNotAnswered) {
    expectFaults(sampleSizeForPercent, {{{"1E39", "50", "5", "95"}, ArithmeticFault::Overflow}});
}

} // namespace
} // namespace quillon
