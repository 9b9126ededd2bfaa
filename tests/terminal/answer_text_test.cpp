// Answer texts as a terminal prints them.
#include "terminal/answer_text.h"

#include <gtest/gtest.h>

namespace quillon::terminal {
namespace {

TEST(AnswerText, LinesAndOneLine) {
    EXPECT_EQ(answerLines("a\r\n\r\nb"), (std::vector<std::string>{"a", "", "b"}));
    EXPECT_EQ(answerLines("a\r\n"), (std::vector<std::string>{"a"}));
    EXPECT_EQ(withLineFeeds("a\r\nb\r\n"), "a\nb\n");
    EXPECT_EQ(oneLine("Mean = 2.500     N = 4\r\n\r\n Median = 2.5 \r\n"),
              "Mean = 2.500     N = 4; Median = 2.5");
}

TEST(AnswerText, TableAlignedDownToItsLastUsedRow) {
    const AnswerTable table = {{"Source", "DF", "Prob."},
                               {"Between", " 2", ".0006"},
                               {"", "", ""},
                               {" 1", "2", ""},
                               {"", "", ""}};
    EXPECT_EQ(
        alignedTable(table),
        (std::vector<std::string>{"Source   DF  Prob.", "Between   2  .0006", "", " 1        2"}));
    EXPECT_EQ(
        tabSeparatedTable(table),
        (std::vector<std::string>{"Source\tDF\tProb.", "Between\t 2\t.0006", "\t\t", " 1\t2\t"}));
    EXPECT_EQ(usedTable(table).size(), 4u);
}

} // namespace
} // namespace quillon::terminal
