// Expected figures worked out by hand and with single-precision sums in Python; probabilities
// from the true chi-square distribution.
#include "calculations/counts/contingency_chi_square.h"

#include "tests/calculations/data_sheet_cases.h"

#include <gtest/gtest.h>

#include <string>

namespace quillon {
namespace {

Answer tested(const std::string& label, const std::string& chi, const std::string& df,
              const std::string& n, const std::string& p, bool yatesSwitchedOn) {
    Answer result = answered(label + chi + "\r\n\r\nDegrees of freedom =  " + df +
                                 "\r\n\r\nProbability of chance = " + p,
                             "X\u00B2(" + df + ",n=" + n + ")=" + chi + ", p=" + p, std::nullopt);
    result.yatesSwitchedOn = yatesSwitchedOn;
    return result;
}

const Refusal kBeep{.focus = kFocusGrid};
const std::string kPlain = "Chi-square statistic = ";
const std::string kCorrected = "Corrected chi-square statistic = ";

DataSheetInput ticked(DataSheetInput input) {
    input.options["yates"] = kOptionOn;
    return input;
}

Answer remark(const std::string& text) {
    return answered(text, std::nullopt, std::nullopt);
}

// The message box names the cell, which becomes current for the user to mend.
Refusal messageBox(const std::string& message, CellPosition cell) {
    return Refusal{.focus = kFocusGrid, .message = message, .currentCell = cell};
}

// Rows 1 and 2 filled from column A to Y, and Z only in row 2.
DataSheetInput widestTable() {
    DataSheetInput input;
    for (int column = 1; column <= 25; ++column) {
        input.sheet.setText(1, column, "1");
        input.sheet.setText(2, column, "1");
    }
    input.sheet.setText(2, 26, "1");
    return input;
}

TEST(ContingencyChiSquare, AnswersAndRefusals) {
    const CellRows fourfold = {{"10", "20"}, {"30", "40"}};
    const CellRows twoByThree = {{"10", "20", "30"}, {"20", "20", "20"}};
    expectSheetOutcomes(
        contingencyChiSquare,
        {
            {"2 x 2, box off, no correction needed", sheetOf(fourfold),
             tested(kPlain, "0.794", "1", "100", ".3730", false)},
            {"2 x 2, box on", ticked(sheetOf(fourfold)),
             tested(kCorrected, "0.446", "1", "100", ".5040", true)},
            {"2 x 2 of 18 is corrected and the box switched on", sheetOf({{"3", "5"}, {"4", "6"}}),
             tested(kCorrected, "0.143", "1", "18", ".7051", true)},
            {"an expected frequency below 5 switches the correction on",
             sheetOf({{"10", "-2"}, {"30", "40"}}),
             tested(kCorrected, "16.242", "1", "78", ".0001", true)},
            {"2 x 3 with the box on is never corrected", ticked(sheetOf(twoByThree)),
             tested(kPlain, "5.333", "2", "120", ".0695", false)},
            {"one row against equal frequencies", sheetOf({{"10", "20", "30", "40"}}),
             tested(kPlain, "20.000", "3", "100", ".0002", false)},
            {"one column against equal frequencies", sheetOf(columnOf({"10", "20", "30", "40"})),
             tested(kPlain, "20.000", "3", "100", ".0002", false)},
            {"nothing typed", sheetOf({}), kBeep},
            {"a single cell", sheetOf({{"5"}}), kBeep},
            {"a sparse table names its first empty cell", sheetOf({{"1"}, {}, {"", "", "1"}}),
             messageBox("Row 1 Column B has no data.", {1, 2})},
            {"the last column is Z", widestTable(),
             messageBox("Row 1 Column Z has no data.", {1, 26})},
            {"a row of zeros", sheetOf({{"0", "0"}, {"1", "2"}}),
             remark("Row 1 has no nonzero data.")},
            // a text that is not a number is no count of 0
            {"a word in a row of zeros", sheetOf({{"abc", "0"}, {"1", "2"}}),
             Refusal{.focus = kFocusGrid, .currentCell = CellPosition{1, 1}}},
            {"a column of zeros", sheetOf({{"1", "0"}, {"2", "0"}}),
             remark("Column 2 has no nonzero data.")},
            {"a negative expected frequency", sheetOf({{"10", "-20"}, {"30", "40"}}),
             messageBox("Row 1 Column A has an expected frequency of 0 or less.", {1, 1})},
            {"a negative expected frequency in a single row", sheetOf({{"-10", "-20", "5"}}),
             messageBox("Row 1 Column A has an expected frequency of 0 or less.", {1, 1})},
        });
}

TEST(ContingencyChiSquare, FaultsThatTheChecksLetThrough) {
    expectSheetFaults(contingencyChiSquare,
                      {
                          {"a grand total of 0", sheetOf({{"1", "2"}, {"1", "-4"}}),
                           ArithmeticFault::DivisionByZero},
                          {"a row total beyond the single range",
                           sheetOf({{"3e38", "3e38"}, {"1", "1"}}), ArithmeticFault::Overflow},
                      });
}

// The numbers apart from their text. 10 20 / 30 40 expects 12 18 / 28 42: every deviation is 2, so
// chi-square is 4 x (1/12 + 1/18 + 1/28 + 1/42), and 2.25 x the same with Yates' correction.
TEST(ContingencyChiSquare, NumbersOfAFourfoldTable) {
    // Row totals in column 0, column totals in row 0.
    const Frequencies observed = {{0, 40, 60}, {30, 10, 20}, {70, 30, 40}};
    const double sumOfInverses = 1.0 / 12 + 1.0 / 18 + 1.0 / 28 + 1.0 / 42;
    const auto plain = std::get<ChiSquareResult>(chiSquareOfTable(observed, false));
    EXPECT_NEAR(plain.chiSquare, 4.0 * sumOfInverses, 1e-6);
    EXPECT_EQ(plain.degreesOfFreedom, 1);
    EXPECT_EQ(plain.total, 100.0f);
    EXPECT_FALSE(plain.corrected);
    const auto corrected = std::get<ChiSquareResult>(chiSquareOfTable(observed, true));
    EXPECT_NEAR(corrected.chiSquare, 2.25 * sumOfInverses, 1e-6);
    EXPECT_TRUE(corrected.corrected);
    EXPECT_GT(corrected.probability, plain.probability);
}

} // namespace
} // namespace quillon
