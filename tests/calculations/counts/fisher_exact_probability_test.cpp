// Expected probabilities were worked out independently of the program: exact hypergeometric sums
// in rational arithmetic.
#include "calculations/counts/fisher_exact_probability.h"

#include "calculations/common/calculation_support.h"
#include "tests/calculations/outcome_cases.h"

#include <string>

namespace quillon {
namespace {

Outcome fisher(const std::string& probability) {
    const std::string text = "Fisher's exact probability = " + probability + "\r\n\r\n";
    return Answer{.text = text, .clipboard = text};
}

const std::string kFisherLimit = "The maximum count for Fisher's exact test is 50.";

TEST(FisherExactProbability, AnswersAndRefusals) {
    expectOutcomes(
        fisherExactProbability,
        {
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
            {{"", "1", "1", "1"}, refuse(1)},
            {{"1", "", "1", "1"}, refuse(2)},
            {{"1", "1", "", "1"}, refuse(3)},
            {{
                 "1",
                 "1",
                 "1",
                 "",
             },
             refuse(4)},
            {{"0", "0", "0", "0"}, refuse(1)},
            {{"abc", "0", "0", "0"}, refuse(1)},
            {{"0", "0", "0", "0.5"}, refuse(1)},
            {{"1", "-1", "1", "1"}, refuse(2)},
            {{"1", "1", "1", "-3"}, refuse(4)},
            {{"20", "20", "10", "1"}, Refusal{.focus = 1, .message = kFisherLimit}},
            {{"51", "0", "0", "0"}, Refusal{.focus = 1, .message = kFisherLimit}},
            // beyond the 16-bit range: the limit of 50 speaks, not an overflow
            {{"40000", "0", "0", "0"}, Refusal{.focus = 1, .message = kFisherLimit}},
            {{"1", "1", "1", "1E30"}, Refusal{.focus = 1, .message = kFisherLimit}},
        });
}

// The numbers apart from their text: 3 1 / 1 3 is 16 / 70, and a table with one count is certain.
TEST(FisherExactProbability, ProbabilityOfATable) {
    EXPECT_FLOAT_EQ(fisherTableProbability({3, 1, 1, 3}), 16.0f / 70.0f);
    EXPECT_FLOAT_EQ(fisherTableProbability({1, 0, 0, 0}), 1.0f);
    // 25 0 / 0 25 is 1 / C(50, 25).
    EXPECT_NEAR(fisherTableProbability({25, 0, 0, 25}), 7.9107e-15, 0.001e-15);
}

} // namespace
} // namespace quillon
