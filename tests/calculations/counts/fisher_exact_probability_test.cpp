// Expected probabilities were worked out independently of the program: exact hypergeometric and
// binomial sums in rational arithmetic, Poisson tails from the regularized incomplete gamma
// function, and where the stored rescaling factor shows, the Poisson steps redone in Python.
#include "calculations/counts/fisher_exact_probability.h"

#include "core/arithmetic.h"

#include <gtest/gtest.h>

#include <ostream>
#include <string>
#include <vector>

namespace quillon {

// Readable failure messages for the tables below (internal: other test files may print these too).
static void PrintTo(const Refusal& refusal, std::ostream* out) {
    *out << "Refusal{focus " << refusal.focus << ", \"" << refusal.message << "\"}";
}

static void PrintTo(const Answer& answer, std::ostream* out) {
    *out << "Answer{\"" << answer.text << "\", clipboard "
         << (answer.clipboard ? "\"" + *answer.clipboard + "\"" : std::string("unset")) << "}";
}

namespace {

struct Case {
    std::vector<std::string> inputs;
    Outcome expected;
};

Outcome refused(int focus) {
    return Refusal{focus, {}, {}};
}

// The clipboard receives the whole answer.
Outcome copied(const std::string& text) {
    Answer result;
    result.text = text;
    result.clipboard = text;
    return result;
}

// A clamp text: the clipboard is left alone.
Outcome notCopied(const std::string& text) {
    Answer result;
    result.text = text;
    return result;
}

Outcome fisher(const std::string& probability) {
    return copied("Fisher's exact probability = " + probability + "\r\n\r\n");
}

const std::string kFisherLimit = "The maximum count for Fisher's exact test is 50.";

TEST(Counts2, AnswersAndRefusals) {
    const std::vector<Case> cases = {
        {{"1", "0", "0", "1"}, fisher(".5000")},
        {{"3", "1", "1", "3"}, fisher(".2286")},
        {{"12", "14", "4", "20"}, fisher(".0208")},
        {{"2", "4", "2", "1"}, fisher(".3571")},
        {{"1", "0", "0", "0"}, fisher("1.0000")},
        // total exactly 50 is computed; a lone table far from its margins shows .0000
        {{"10", "15", "15", "10"}, fisher(".0845")},
        {{"25", "0", "0", "25"}, fisher(".0000")},
        {{"50.5", "0", "0", "0"}, fisher("1.0000")},
        // nearest whole count, halves to even: (2, 1, 1, 4), not (3, 1, 1, 4) at .1587
        {{"2.5", "1", "1", "3.5"}, fisher(".2679")},
        {{"-0.4", "1", "1", "1"}, fisher(".6667")},
        {{"", "1", "1", "1"}, refused(1)},
        {{"1", "", "1", "1"}, refused(2)},
        {{"1", "1", "", "1"}, refused(3)},
        {{
             "1",
             "1",
             "1",
             "",
         },
         refused(4)},
        {{"0", "0", "0", "0"}, refused(1)},
        {{"abc", "0", "0", "0"}, refused(1)},
        {{"0", "0", "0", "0.5"}, refused(1)},
        {{"1", "-1", "1", "1"}, refused(2)},
        {{"1", "1", "1", "-3"}, refused(4)},
        {{"20", "20", "10", "1"}, Refusal{1, kFisherLimit, {}}},
        {{"51", "0", "0", "0"}, Refusal{1, kFisherLimit, {}}},
        // beyond the 16-bit range: the limit of 50 speaks, not an overflow
        {{"40000", "0", "0", "0"}, Refusal{1, kFisherLimit, {}}},
        {{"1", "1", "1", "1E30"}, Refusal{1, kFisherLimit, {}}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.inputs[0] + " " + c.inputs[1] + " " + c.inputs[2] + " " + c.inputs[3]);
        EXPECT_EQ(calculateCounts2(c.inputs), c.expected);
    }
}

Outcome binomial(const std::string& tail) {
    return copied("Probability of " + tail);
}

TEST(Counts3, AnswersAndRefusals) {
    const std::vector<Case> cases = {
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
        {{"", ".5", "1"}, refused(1)},
        {{"1", ".5", "1"}, refused(1)},
        {{"10", "", "1"}, refused(2)},
        {{"10", ".00009", "1"}, refused(2)},
        {{"10", "1", "1"}, refused(2)},
        {{"10", ".5", ""}, refused(3)},
        {{"10", ".5", "0"}, refused(3)},
        // more successes than trials
        {{"10", ".5", "11"}, refused(3)},
        {{"10", ".5", "10.3"}, refused(3)},
        // a tail of 32767 terms is summed, one more is refused
        {{"40000", ".9", "32767"}, notCopied("Probability of 32767 or fewer successes < .0001")},
        {{"40000", ".9", "32768"}, refused(1)},
        {{"80000", ".5", "5000"}, notCopied("Probability of 5000 or fewer successes < .0001")},
        {{"80000", ".5", "40001"}, refused(1)},
        {{"1E30", ".5", "3"}, notCopied("Probability of 3 or fewer successes < .0001")},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.inputs[0] + " " + c.inputs[1] + " " + c.inputs[2]);
        EXPECT_EQ(calculateCounts3(c.inputs), c.expected);
    }
}

Outcome poisson(const std::string& tail) {
    return copied("Probability of " + tail);
}

TEST(Counts4, AnswersAndRefusals) {
    const std::vector<Case> cases = {
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
        // The rescaling factor is 1.2E-6 above exp(-50), and 599 rescalings compound it: the true
        // tails are .0834 and .0841.
        {{"29700", "30000"}, poisson("29700 or fewer events = .0835")},
        {{"30300", "30000"}, poisson("30300 or more events = .0827")},
        {{"", "5"}, refused(1)},
        {{"2", ""}, refused(2)},
        {{"-5", "2"}, refused(1)},
        {{"0", "-0.5"}, refused(2)},
        // a tail of 32767 terms is summed, one more is refused
        {{"32767", "40000"}, notCopied("Probability of 32767 or fewer events < .0001")},
        {{"32768", "40000"}, refused(1)},
        {{"32768", "30000"}, notCopied("Probability of 32768 or more events < .0001")},
        {{"32769", "30000"}, refused(1)},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.inputs[0] + " " + c.inputs[1]);
        EXPECT_EQ(calculateCounts4(c.inputs), c.expected);
    }
}

struct FaultCase {
    std::vector<std::string> inputs;
    Calculation calculate;
    ArithmeticFault fault;
};

TEST(CountsWindows, ArithmeticFaultsRaise) {
    const std::vector<FaultCase> cases = {
        // beyond the single range as typed
        {{"1E39", ".5", "1"}, calculateCounts3, ArithmeticFault::Overflow},
        {{"3", "1E39"}, calculateCounts4, ArithmeticFault::Overflow},
        // the second term E^2/2 is beyond the single range
        {{"5", "1E30"}, calculateCounts4, ArithmeticFault::Overflow},
        {{"3", "1E20"}, calculateCounts4, ArithmeticFault::Overflow},
    };
    for (const FaultCase& c : cases) {
        SCOPED_TRACE(c.inputs[0] + " " + c.inputs[1]);
        try {
            c.calculate(c.inputs);
            ADD_FAILURE() << "no arithmetic error";
        } catch (const ArithmeticError& error) {
            EXPECT_EQ(error.fault(), c.fault);
        }
    }
}

} // namespace
} // namespace quillon
