// Values typed at 7 significant digits keep the single-precision steps and texts; one typed at 8
// or more switches the whole calculation to double, and the clipboard shows it with the double's
// plain form. Expected values: sample_size_switch_values.R (R, singles emulated for the 7-digit
// rows).
#include "calculations/sample_size/error_for_sample_size.h"
#include "calculations/sample_size/sample_size_for_mean.h"
#include "calculations/sample_size/sample_size_for_percent.h"

#include "tests/calculations/sample_size/sample_size_cases.h"
#include "tests/calculations/switch_cases.h"

namespace quillon {
namespace {

TEST(SampleSizeSwitch, SevenDigitsKeepSinglesAndMoreSwitchToDouble) {
    expectWindowOutcomes({
        {sampleSizeForMean,
         {"1.234568", ".1", "95"},
         sizeForMean(" 1.234568", " .1", " 95", " 585")},
        {sampleSizeForMean,
         {"1.2345678", ".1", "95"},
         sizeForMean(" 1.2345678", " .1", " 95", " 585")},
        // The level alone does not switch.
        {sampleSizeForMean,
         {"1.234568", ".1", "95.000001"},
         sizeForMean(" 1.234568", " .1", " 95", " 585")},
        {sampleSizeForPercent,
         {"1234567", "50", "1", "95"},
         sizeForPercent(" 1234567", " .5", " .01", " 95", " 9529")},
        // As a single 12345678 prints 1.234568E+07.
        {sampleSizeForPercent,
         {"12345678", "50", "1", "95"},
         sizeForPercent(" 12345678", " .5", " .01", " 95", " 9596")},
        {errorForSampleSize,
         {"", "33.33333", "1000", "95"},
         errorForSize(" 1E+36", " .3333333", " 1000", " 95", "2.9")},
        // An unlimited population is 1E+36 itself in double, not the single nearest it.
        {errorForSampleSize,
         {"", "33.333333", "1000", "95"},
         errorForSize(" 1E+36", " .33333333", " 1000", " 95", "2.9")},
        {errorForSampleSize,
         {"", "50", "20000001", "95"},
         errorForSize(" 1E+36", " .5", " 20000001", " 95", "0.0")},
    });
}

} // namespace
} // namespace quillon
