// Expected probabilities were worked out independently of the program: exact binomial sums in
// rational arithmetic.
#include "calculations/counts/binomial_probability.h"

#include "calculations/common/calculation_support.h"
#include "tests/calculations/outcome_cases.h"

#include <string>

namespace quillon {
namespace {

Outcome binomial(const std::string& tail) {
    return copied("Probability of " + tail);
}

TEST(BinomialProbability, AnswersAndRefusals) {
    expectOutcomes(
        binomialProbability,
        {
            {{"10", ".5", "8"}, binomial("8 or more successes = .0547")},
            {{"10", ".5", "5"}, binomial("5 or fewer successes = .6230")},
            {{"20", ".3", "2"}, binomial("2 or fewer successes = .0355")},
            {{"20", ".3", "10"}, binomial("10 or more successes = .0480")},
            {{"30", ".1", "7"}, binomial("7 or more successes = .0258")},
            {{"10", ".5", "10"}, binomial("10 or more successes = .0010")},
            {{"10", ".9999", "10"}, binomial("10 or more successes = .9990")},
            {{"50", ".0001", "1"}, binomial("1 or more successes = .0050")},
            // a fractional count is rounded once, halves to even: 79/4096 is P(X <= 2)
            {{"12", ".5", "2.5"}, binomial("2 or fewer successes = .0193")},
            // q to the power n underflows and the logarithms carry the whole sum
            {{"2000", ".5", "1100"}, notCopied("Probability of 1100 or more successes < .0001")},
            {{"30000", ".5", "15100"}, binomial("15100 or more successes = .1253")},
            {{"30000", ".5", "15150"}, binomial("15150 or more successes = .0421")},
            {{"", ".5", "1"}, refuse(1)},
            {{"1", ".5", "1"}, refuse(1)},
            {{"10", "", "1"}, refuse(2)},
            {{"10", ".00009", "1"}, refuse(2)},
            {{"10", "1", "1"}, refuse(2)},
            {{"10", ".5", ""}, refuse(3)},
            {{"10", ".5", "0"}, refuse(3)},
            // more successes than trials
            {{"10", ".5", "11"}, refuse(3)},
            {{"10", ".5", "10.3"}, refuse(3)},
            // a tail of 32767 terms is summed, one more is refused
            {{"40000", ".9", "32767"},
             notCopied("Probability of 32767 or fewer successes < .0001")},
            {{"40000", ".9", "32768"}, refuse(1)},
            {{"80000", ".5", "5000"}, notCopied("Probability of 5000 or fewer successes < .0001")},
            {{"80000", ".5", "40001"}, refuse(1)},
            {{"1E30", ".5", "3"}, notCopied("Probability of 3 or fewer successes < .0001")},
        });
}

// The numbers apart from their text: 8 or more of 10 at .5 is 56 / 1024; 2 or fewer of 12 at .5 is
// 79 / 4096, the count rounded halves to even.
TEST(BinomialProbability, TailNumbers) {
    const auto upper = binomialTail(10.0f, 0.5f, 8.0f);
    ASSERT_TRUE(upper);
    EXPECT_TRUE(upper->upper);
    EXPECT_EQ(upper->successes, 8.0f);
    EXPECT_NEAR(upper->probability, 56.0 / 1024.0, 1e-6);
    const auto lower = binomialTail(12.0f, 0.5f, 2.5f);
    ASSERT_TRUE(lower);
    EXPECT_FALSE(lower->upper);
    EXPECT_EQ(lower->successes, 2.0f);
    EXPECT_NEAR(lower->probability, 79.0 / 4096.0, 1e-6);
    EXPECT_FALSE(binomialTail(40000.0f, 0.9f, 32768.0f));
}

TEST(BinomialProbability, ArithmeticFaultsRaise) {
    // beyond the single range as typed
    expectFaults(binomialProbability, {{{"1E39", ".5", "1"}, ArithmeticFault::Overflow}});
}

} // namespace
} // namespace quillon
