// Expected figures worked out by hand and with single-precision sums in Python; probabilities
// from the true t distribution.
#include "calculations/means/matched_pairs_t.h"

#include "tests/calculations/data_sheet_cases.h"

#include <gtest/gtest.h>

#include <string>

namespace quillon {
namespace {

struct Variable {
    std::string mean;
    std::string sd;
};

Answer tested(const Variable& x, const Variable& y, const std::string& t, const std::string& df,
              const std::string& p, CellPosition current) {
    const std::string answerText = "Var. 1:  Mean = " + x.mean + "    Unbiased SD = " + x.sd +
                                   "\r\n\r\nVar. 2:  Mean = " + y.mean +
                                   "    Unbiased SD = " + y.sd + "\r\n\r\nt-statistic = " + t +
                                   "\r\n\r\nDegrees of freedom =  " + df +
                                   "\r\n\r\nTwo-tailed probability = " + p;
    const std::string clipboard = "Var. 1:  Mean = " + x.mean + "    SD = " + x.sd +
                                  "\r\n\r\nVar. 2:  Mean = " + y.mean + "    SD = " + y.sd +
                                  "\r\n\r\nt(" + df + ")=" + t + ", p=" + p;
    return answered(answerText, clipboard, current);
}

const std::string kNoVariance = "The difference between the variables is a constant and has no "
                                "variance.  A matched pairs t-test is not possible with this data";

TEST(MatchedPairsT, AnswersAndRefusals) {
    expectSheetOutcomes(
        matchedPairsT,
        {
            {"four pairs", sheetOf({{"10", "8"}, {"12", "9"}, {"9", "9"}, {"14", "10"}}),
             tested({"11.250", "2.217"}, {"9.000", "0.816"}, "2.635", "3", ".0780", {5, 2})},
            {"a half-filled row is skipped",
             sheetOf({{"10", "8"}, {"12", ""}, {"12", "9"}, {"", "4"}, {"9", "9"}, {"14", "10"}}),
             tested({"11.250", "2.217"}, {"9.000", "0.816"}, "2.635", "3", ".0780", {7, 2})},
            {"the larger mean in column 2 gives the same t",
             sheetOf({{"8", "10"}, {"9", "12"}, {"9", "9"}, {"10", "14"}}),
             tested({"9.000", "0.816"}, {"11.250", "2.217"}, "2.635", "3", ".0780", {5, 2})},
            {"rows below the first empty row are ignored",
             sheetOf({{"10", "8"}, {"12", "9"}, {"9", "9"}, {"14", "10"}, {}, {"1", "100"}}),
             tested({"11.250", "2.217"}, {"9.000", "0.816"}, "2.635", "3", ".0780", {5, 2})},
            {"variable 2 constant", sheetOf({{"1", "5"}, {"2", "5"}, {"4", "5"}}),
             tested({"2.333", "1.528"}, {"5.000", "0.000"}, "3.024", "2", ".0942", {4, 2})},
            {"constant difference", sheetOf({{"1", "2"}, {"2", "3"}, {"3", "4"}}),
             answered(kNoVariance, std::nullopt, CellPosition{4, 2}, true)},
            {"one pair", sheetOf({{"1", "2"}}),
             Refusal{.focus = kFocusGrid}},
            {"half-filled rows only", sheetOf({{"1", ""}, {"", "2"}, {"3", ""}}),
             Refusal{.focus = kFocusGrid}},
        });
}

TEST(MatchedPairsT, SumsBeyondTheSingleRangeOverflow) {
    expectSheetFaults(
        matchedPairsT,
        {
            {"sum", sheetOf({{"3e38", "1"}, {"3e38", "2"}}), ArithmeticFault::Overflow},
            {"difference", sheetOf({{"3e38", "-3e38"}, {"1", "2"}}), ArithmeticFault::Overflow},
        });
}

} // namespace
} // namespace quillon
