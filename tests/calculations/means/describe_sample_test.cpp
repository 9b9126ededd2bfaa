// Expected figures worked out by hand and with single-precision sums in Python.
#include "calculations/means/describe_sample.h"

#include "tests/calculations/data_sheet_cases.h"
#include "tests/calculations/shifted_cells.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace quillon {
namespace {

std::string description(const std::string& mean, const std::string& n, const std::string& sd,
                        const std::string& seLine, const std::string& median) {
    return "Mean = " + mean + "     N = " + n + "\r\n\r\nUnbiased standard deviation = " + sd +
           "\r\n\r\n" + seLine + "\r\n\r\nMedian = " + median;
}

Answer described(const std::string& text, CellPosition current) {
    return answered(text, text, current);
}

DataSheetInput withPopulation(DataSheetInput input, const std::string& population) {
    input.options["population"] = population;
    return input;
}

const CellRows kEight = columnOf({"2", "4", "4", "4", "5", "5", "7", "9"});
const std::string kEightUncorrected =
    description("5.000", "8", "2.138", "Standard error of the mean = 0.756", "4.500");

std::vector<std::string> oneToHundred() {
    std::vector<std::string> values;
    for (int value = 1; value <= 100; ++value)
        values.push_back(std::to_string(value));
    return values;
}

TEST(DescribeSample, AnswersAndRefusals) {
    expectSheetOutcomes(
        describeSample,
        {
            {"eight values", sheetOf(kEight), described(kEightUncorrected, {9, 1})},
            {"population equal to the sample", withPopulation(sheetOf(kEight), "8"),
             described(kEightUncorrected, {9, 1})},
            {"population 100 corrects by the root of 92/99", withPopulation(sheetOf(kEight), "100"),
             described(description("5.000", "8", "2.138",
                                   "Corrected standard error of the mean = 0.729", "4.500"),
                       {9, 1})},
            {"the first empty cell ends the sample",
             sheetOf({{"3"}, {"1"}, {"2"}, {""}, {"100"}, {"200"}}),
             described(
                 description("2.000", "3", "1.000", "Standard error of the mean = 0.577", "2.000"),
                 {4, 1})},
            {"odd count", sheetOf(columnOf({"3", "1", "2", "5", "4"})),
             described(
                 description("3.000", "5", "1.581", "Standard error of the mean = 0.707", "3.000"),
                 {6, 1})},
            {"even count", sheetOf(columnOf({"6", "5", "4", "3", "2", "1"})),
             described(
                 description("3.500", "6", "1.871", "Standard error of the mean = 0.764", "3.500"),
                 {7, 1})},
            // a text that is not a number is no value of 0
            {"text that is not a number is refused", sheetOf(columnOf({"abc", "2"})),
             Refusal{.focus = kFocusGrid, .currentCell = CellPosition{1, 1}}},
            {"only column 1 is read", sheetOf({{"2", "99"}, {"4", "99"}}),
             described(
                 description("3.000", "2", "1.414", "Standard error of the mean = 1.000", "3.000"),
                 {3, 1})},
            {"all 100 rows", sheetOf(columnOf(oneToHundred())),
             described(description("50.500", "100", "29.011", "Standard error of the mean = 2.901",
                                   "50.500"),
                       {100, 1})},
            {"a single value", sheetOf({{"7"}}), Refusal{.focus = kFocusGrid}},
            {"nothing typed", sheetOf({}), Refusal{.focus = kFocusGrid}},
        });
}

std::vector<std::string> oneToTwenty() {
    std::vector<std::string> values = oneToHundred();
    values.resize(20);
    return values;
}

// The lines of the SD and the standard error.
std::string spreadLines(const Outcome& outcome) {
    const std::string& text = std::get<Answer>(outcome).text;
    const std::size_t first = text.find("Unbiased");
    return text.substr(first, text.find("Median") - first);
}

// Adding a constant leaves the SD and the standard error as they are.
TEST(DescribeSample, SpreadDoesNotDependOnTheLevelOfTheData) {
    struct Sample {
        const char* name;
        CellRows rows;
        const char* sd;
        const char* se;
    };
    const Sample samples[] = {
        {"eight values", kEight, "2.138", "0.756"},
        {"1 to 20", columnOf(oneToTwenty()), "5.916", "1.323"},
        {"quarters", columnOf({"0.25", "1.5", "0.75", "2", "1.25"}), "0.675", "0.302"},
    };
    for (const Sample& sample : samples) {
        const std::string expected = std::string("Unbiased standard deviation = ") + sample.sd +
                                     "\r\n\r\nStandard error of the mean = " + sample.se +
                                     "\r\n\r\n";
        EXPECT_EQ(spreadLines(describeSample(sheetOf(sample.rows))), expected) << sample.name;
        for (const long long shift : kShifts) {
            SCOPED_TRACE(std::string(sample.name) + " + " + std::to_string(shift));
            const CellRows shifted = shiftedColumns(sample.rows, shift, {1});
            EXPECT_EQ(spreadLines(describeSample(sheetOf(shifted))), expected);
        }
    }
}

TEST(DescribeSample, ValuesTypedWithMoreDigitsThanASingleHoldsKeepThem) {
    const std::string twoApart = "Standard error of the mean = 1.000";
    expectSheetOutcomes(
        describeSample,
        {
            {"seven digits keep the single steps", sheetOf(columnOf({"1234567", "1234569"})),
             described(description("1234568.000", "2", "1.414", twoApart, "1234568.000"), {3, 1})},
            {"eight digits are kept in double", sheetOf(columnOf({"12345678", "12345680"})),
             described(description("12345679.000", "2", "1.414", twoApart, "12345679.000"),
                       {3, 1})},
            {"one long value keeps the whole sample in double",
             sheetOf(columnOf({"3", "1000000.2", "1"})),
             described(description("333334.733", "3", "577349.230",
                                   "Standard error of the mean = 333332.733", "3.000"),
                       {4, 1})},
            {"a spread below a single's reach at that level",
             sheetOf(columnOf({"10000000.2", "10000000.1", "10000000.3"})),
             described(description("10000000.200", "3", "0.100",
                                   "Standard error of the mean = 0.058", "10000000.200"),
                       {4, 1})},
        });
}

TEST(DescribeSample, ValuesBeyondTheSingleRangeOverflow) {
    expectSheetFaults(
        describeSample,
        {
            {"value", sheetOf(columnOf({"1e39", "1"})), ArithmeticFault::Overflow},
            {"sum", sheetOf(columnOf({"3e38", "3e38"})), ArithmeticFault::Overflow},
            {"population", withPopulation(sheetOf(kEight), "1e39"), ArithmeticFault::Overflow},
        });
}

} // namespace
} // namespace quillon
