// The fuzz checks must catch what they are there for, and pass every answer a window can rightly
// give: a check that never fires would make every fuzz run look clean.
#include "fuzz/fuzz_checks.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace quillon::fuzz {
namespace {

TEST(FuzzChecks, AnswerTextsThatPass) {
    const std::vector<std::string> texts = {
        "Probability  = .0000",
        "Probability of 5 or more < .0001",
        "Probability of 0 or fewer > .9999",
        "Probability must be determined from a table because of the small sample size.",
        "t(3)=2.000, p=1.0000",
        "The correlation coefficient is -1.000\r\n\r\nAdditional statistics cannot be calculated.",
        "Correlation coefficient rho = 0.500\r\n\r\nr-squared = 0.250",
        "t-test for the significance of the coefficient = -2.500",
        "z value = 0.000",
        "10.0000 \u00B1 .7468",
        "Required sample size = 0",
        "Variance = 1.5E+20",
    };
    for (const std::string& text : texts) {
        SCOPED_TRACE(text);
        checkAnswerText(text);
    }
}

TEST(FuzzChecksDeathTest, AnswerTextsThatFail) {
    const std::vector<std::string> texts = {
        "Probability  = -2.0041",
        "Probability  = 1.0700",
        "Probability that the difference was due to chance = -.0000",
        "F(1,2)=3, p=1.0001",
        "Correlation coefficient = 1.001",
        "The correlation coefficient is -1.5",
        "r-squared = -0.1",
        "Chi-square value = -1.111",
        "95% Confidence interval  = 10.0000 \u00B1 -.7468",
        "Required sample size =-6",
        "Standard error of the mean = -0.365",
        "Mean = NaN",
        "Variance = Infinity",
        "F-ratio = -inf",
    };
    for (const std::string& text : texts) {
        SCOPED_TRACE(text);
        EXPECT_DEATH(checkAnswerText(text), "FUZZ FINDING");
    }
}

TEST(FuzzChecksDeathTest, TableProbabilitiesAndRefusals) {
    Answer anova;
    anova.table = {{"Variation", "DF", "Squares", "Squares", "F-ratio", "Prob."},
                   {"Between", "2", "4.5", "2.25", "3.1", "1.2000"}};
    EXPECT_DEATH(checkOutcome(anova, 0), "FUZZ FINDING");
    anova.table[1][5] = ".0821";
    checkOutcome(anova, 0);

    checkOutcome(Refusal{.focus = 3, .reason = "This box is empty."}, 3);
    EXPECT_DEATH(checkOutcome(Refusal{.focus = 4, .reason = "This box is empty."}, 3),
                 "FUZZ FINDING");
    EXPECT_DEATH(checkOutcome(Refusal{.focus = 0,
                                      .currentCell = CellPosition{101, 1},
                                      .reason = "Row 101 Column A is empty."},
                              1),
                 "FUZZ FINDING");
}

TEST(FuzzChecks, ReasonsThatPass) {
    const std::vector<Refusal> refusals = {
        {.focus = 1, .reason = "The probability must be from .0001 to .9999."},
        {.focus = 0, .currentCell = CellPosition{1, 1}, .reason = "Row 1 Column A is empty."},
        {.focus = 0, .reason = "Row 1 Column A is not a number: Weight"},
        {.focus = 0, .reason = "Row 2 Column B is not a number: 1.5.3"},
        {.focus = 1, .reason = "The population size is not a number: inf"},
        {.focus = 1,
         .message = "The maximum count for Fisher's exact test is 50.",
         .reason = "The maximum count for Fisher's exact test is 50."},
    };
    for (const Refusal& refusal : refusals) {
        SCOPED_TRACE(refusal.reason);
        checkOutcome(refusal, 1);
    }
}

TEST(FuzzChecksDeathTest, ReasonsThatFail) {
    const std::vector<Refusal> refusals = {
        {.focus = 1},
        {.focus = 1, .reason = "The probability must be from .0001 to .9999"},
        {.focus = 1, .reason = "the probability must be from .0001 to .9999."},
        {.focus = 1, .reason = "Two lines.\r\nOf reason."},
        {.focus = 0, .reason = "Row 1 Column A is not a number: "},
        {.focus = 1, .message = "The maximum count for Fisher's exact test is 50."},
        {.focus = 1,
         .message = "The maximum count for Fisher's exact test is 50.",
         .reason = "The counts must add up to 50 or less."},
    };
    for (const Refusal& refusal : refusals) {
        SCOPED_TRACE(refusal.reason);
        EXPECT_DEATH(checkOutcome(refusal, 1), "FUZZ FINDING");
    }
}

} // namespace
} // namespace quillon::fuzz
