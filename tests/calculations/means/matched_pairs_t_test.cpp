// Expected figures worked out by hand and with single-precision sums in Python; probabilities
// from the true t distribution.
#include "calculations/means/matched_pairs_t.h"

#include "tests/calculations/data_sheet_cases.h"
#include "tests/calculations/shifted_cells.h"

#include <gtest/gtest.h>

#include <regex>
#include <string>
#include <utility>

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
            {"one pair", sheetOf({{"1", "2"}}), Refusal{.focus = kFocusGrid}},
            {"half-filled rows only", sheetOf({{"1", ""}, {"", "2"}, {"3", ""}}),
             Refusal{.focus = kFocusGrid}},
        });
}

// The answer and clipboard with the means left out.
std::string withoutMeans(const Outcome& outcome) {
    const Answer& answer = std::get<Answer>(outcome);
    const std::regex mean("Mean = \\S+");
    return std::regex_replace(answer.text + "|" + answer.clipboard.value_or(""), mean, "Mean");
}

// Adding a constant to both variables leaves the SDs, t and its probability as they are.
TEST(MatchedPairsT, StatisticsDoNotDependOnTheLevelOfTheData) {
    CellRows twenty;
    for (int i = 1; i <= 20; ++i)
        twenty.push_back({std::to_string(i), std::to_string(7 * i % 11 + i / 2)});
    const std::pair<const char*, CellRows> sets[] = {
        {"four pairs", {{"10", "8"}, {"12", "9"}, {"9", "9"}, {"14", "10"}}},
        {"twenty pairs", twenty},
        {"quarters", {{"1.25", "3"}, {"2.5", "2.75"}, {"3.75", "4.5"}, {"4", "5.25"}}},
    };
    for (const auto& [name, rows] : sets) {
        const std::string unshifted = withoutMeans(matchedPairsT(sheetOf(rows)));
        for (const long long shift : kShifts) {
            SCOPED_TRACE(std::string(name) + " + " + std::to_string(shift));
            const CellRows shifted = shiftedColumns(rows, shift, {1, 2});
            EXPECT_EQ(withoutMeans(matchedPairsT(sheetOf(shifted))), unshifted);
        }
    }
}

// Differences at a large level are constant only when they truly are.
TEST(MatchedPairsT, DifferencesAtALargeLevel) {
    expectSheetOutcomes(
        matchedPairsT,
        {
            {"constant", sheetOf({{"1000001", "1"}, {"1000002", "2"}, {"1000003", "3"}}),
             answered(kNoVariance, std::nullopt, CellPosition{4, 2}, true)},
            {"constant, in quarters",
             sheetOf({{"1000.25", "0.25"}, {"2000.25", "1000.25"}, {"3000.25", "2000.25"}}),
             answered(kNoVariance, std::nullopt, CellPosition{4, 2}, true)},
            {"not constant", sheetOf({{"1000001", "1"}, {"1000002", "1"}, {"1000003", "2"}}),
             tested({"1000002.000", "1.000"}, {"1.333", "0.577"}, "3000002.000", "2", ".0000",
                    {4, 2})},
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

// Differences so small that their squares fall below the single range keep their sum of squares
// in double: they have a variance, as at any other scale.
TEST(MatchedPairsT, DifferencesWhoseSquaresUnderflowASingle) {
    expectSheetOutcomes(
        matchedPairsT,
        {
            {"1E-23 to 3E-23", sheetOf({{"1E-23", "0"}, {"2E-23", "0"}, {"3E-23", "0"}}),
             tested({"0.000", "0.000"}, {"0.000", "0.000"}, "3.464", "2", ".0742", {4, 2})},
            {"1E-21 to 3E-21", sheetOf({{"1E-21", "0"}, {"2E-21", "0"}, {"3E-21", "0"}}),
             tested({"0.000", "0.000"}, {"0.000", "0.000"}, "3.464", "2", ".0742", {4, 2})},
            {"1 to 3", sheetOf({{"1", "0"}, {"2", "0"}, {"3", "0"}}),
             tested({"2.000", "1.000"}, {"0.000", "0.000"}, "3.464", "2", ".0742", {4, 2})},
            {"constant at 1E-23", sheetOf({{"1E-23", "0"}, {"1E-23", "0"}, {"1E-23", "0"}}),
             answered(kNoVariance, std::nullopt, CellPosition{4, 2}, true)},
        });
}

// Pairs (level + i, y) for i = 1 to 5 and y = 1, 3, 2, 5, 4; the last x may be typed otherwise.
CellRows levelledPairs(long long level, const std::string& lastX = "") {
    const char* ys[] = {"1", "3", "2", "5", "4"};
    CellRows rows;
    for (int i = 1; i <= 5; ++i)
        rows.push_back({std::to_string(level + i), ys[i - 1]});
    if (!lastX.empty())
        rows.back()[0] = lastX;
    return rows;
}

// At 7 digits the single steps and their 7-digit t stay; at 8 digits, even those a single holds
// exactly, every quantity is kept in double. Figures from
// tests/calculations/typed_digits/make_switch_points.R (R's t.test); at 20000001 a single rounds
// the odd values to their even neighbours.
TEST(MatchedPairsT, ValuesTypedWithMoreDigitsThanASingleHoldsKeepThem) {
    const Variable y = {"3.000", "1.581"};
    expectSheetOutcomes(
        matchedPairsT,
        {
            {"7 digits", sheetOf(levelledPairs(1000000)),
             tested({"1000003.000", "1.581"}, y, "2236068.000", "4", ".0000", {6, 2})},
            {"7 digits and trailing zeros", sheetOf(levelledPairs(1000000, "1000005.000")),
             tested({"1000003.000", "1.581"}, y, "2236068.000", "4", ".0000", {6, 2})},
            {"8 digits a single holds", sheetOf(levelledPairs(10000000)),
             tested({"10000003.000", "1.581"}, y, "22360679.775", "4", ".0000", {6, 2})},
            {"8 digits a single rounds", sheetOf(levelledPairs(20000000)),
             tested({"20000003.000", "1.581"}, y, "44721359.550", "4", ".0000", {6, 2})},
            {"one value of 8 digits", sheetOf(levelledPairs(1000000, "1000005.5")),
             tested({"1000003.100", "1.746"}, y, "1961161.547", "4", ".0000", {6, 2})},
        });
}

} // namespace
} // namespace quillon
