// Expected probabilities were worked out independently of the program: Poisson tails from the
// regularized incomplete gamma function, and where the stored rescaling factor shows, the steps
// redone in Python.
#include "calculations/counts/poisson_probability.h"

#include "calculations/common/calculation_support.h"
#include "tests/calculations/outcome_cases.h"

#include <cmath>
#include <string>

namespace quillon {
namespace {

Outcome poisson(const std::string& tail) {
    return copied("Probability of " + tail);
}

TEST(PoissonProbability, AnswersAndRefusals) {
    expectOutcomes(
        poissonProbability,
        {
            {{"2", "5"}, poisson("2 or fewer events = .2493")},
            {{"10", "5"}, poisson("10 or more events = .0637")},
            {{"5", "5"}, notCopied("Probability of 5 or fewer events > .9999")},
            {{"12", "10"}, poisson("12 or more events = .6064")},
            {{"8", "10"}, poisson("8 or fewer events = .6656")},
            // the count 0 has no digits in its pattern
            {{"0", "3"}, poisson("0 or fewer events = .0996")},
            {{"2.5", "3"}, poisson("2 or fewer events = .8464")},
            {{"3", "0"}, notCopied("Probability of 3 or more events < .0001")},
            // the term is rescaled 19 times on the way
            {{"1100", "1000"}, poisson("1100 or more events = .0019")},
            // The rescaling factor is 1.2E-6 above exp(-50), and 599 rescalings compound it: the
            // true tails are .0834 and .0841.
            {{"29700", "30000"}, poisson("29700 or fewer events = .0835")},
            {{"30300", "30000"}, poisson("30300 or more events = .0827")},
            {{"", "5"}, refuse(1)},
            {{"2", ""}, refuse(2)},
            {{"-5", "2"}, refuse(1)},
            {{"0", "-0.5"}, refuse(2)},
            // a tail of 32767 terms is summed, one more is refused
            {{"32767", "40000"}, notCopied("Probability of 32767 or fewer events < .0001")},
            {{"32768", "40000"}, refuse(1)},
            {{"32768", "30000"}, notCopied("Probability of 32768 or more events < .0001")},
            {{"32769", "30000"}, refuse(1)},
        });
}

// The numbers apart from their text: twice P(X <= 2) for a mean of 5 is 37 e^-5.
TEST(PoissonProbability, TailNumbers) {
    const auto lower = poissonTail(2.0f, 5.0f);
    ASSERT_TRUE(lower);
    EXPECT_FALSE(lower->upper);
    EXPECT_NEAR(lower->probability, 37.0 * std::exp(-5.0), 1e-6);
    const auto upper = poissonTail(10.0f, 5.0f);
    ASSERT_TRUE(upper);
    EXPECT_TRUE(upper->upper);
    EXPECT_EQ(upper->observed, 10.0f);
    EXPECT_FALSE(poissonTail(32768.0f, 40000.0f));
}

TEST(PoissonProbability, ArithmeticFaultsRaise) {
    expectFaults(poissonProbability, {
                                         // beyond the single range as typed
                                         {{"3", "1E39"}, ArithmeticFault::Overflow},
                                         // the second term E^2/2 is beyond the single range
                                         {{"5", "1E30"}, ArithmeticFault::Overflow},
                                         {{"3", "1E20"}, ArithmeticFault::Overflow},
                                     });
}

} // namespace
} // namespace quillon
