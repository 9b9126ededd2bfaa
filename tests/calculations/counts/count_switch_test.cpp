// A value typed at 8 or more significant digits switches the binomial and Poisson events tests to
// double. Expected values: count_switch_values.R (R's binomial and Poisson distributions).
#include "calculations/counts/binomial_probability.h"
#include "calculations/counts/poisson_probability.h"

#include "calculations/common/calculation_support.h"
#include "tests/calculations/switch_cases.h"

namespace quillon {
namespace {

Outcome tail(const std::string& text) {
    return copied("Probability of " + text);
}

TEST(CountSwitch, MoreDigitsThanASingleHoldsAreSummedInDouble) {
    expectWindowOutcomes({
        {binomialProbability,
         {"100000001", ".0001", "9900"},
         tail("9900 or fewer successes = .1599")},
        {binomialProbability,
         {"10000001", ".001", "9900"},
         tail("9900 or fewer successes = .1597")},
        {poissonProbability, {"20", "12.34568"}, tail("20 or more events = .0549")},
        {poissonProbability, {"20", "12.345678"}, tail("20 or more events = .0549")},
        {poissonProbability, {"5", "12.345678"}, tail("5 or fewer events = .0327")},
    });
}

TEST(CountSwitch, MoreSuccessesThanTrialsAreRefusedWhereSinglesMeet) {
    // As singles both counts are 20000004, which passes the check; summed, the tail would answer
    // for an impossible count.
    expectWindowOutcomes({
        {binomialProbability,
         {"20000003", ".5", "20000004"},
         refuse(3, "The number of successes must be from 1 to the number of trials.")},
        {binomialProbability,
         {"20000003", ".5", "20000003"},
         notCopied("Probability of 20000003 or more successes < .0001")},
    });
}

} // namespace
} // namespace quillon
