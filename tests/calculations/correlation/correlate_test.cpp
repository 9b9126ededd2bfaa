// Expected figures worked out by hand and with single-precision sums in Python; probabilities
// from the true t distribution.
#include "calculations/correlation/correlate.h"

#include "tests/calculations/data_sheet_cases.h"
#include "tests/calculations/shifted_cells.h"

#include <gtest/gtest.h>

#include <string>
#include <utility>
#include <vector>

namespace quillon {
namespace {

const std::string kNoMore = "\r\n\r\nAdditional statistics cannot be calculated.";

DataSheetInput by(CorrelationMethod method, const CellRows& rows) {
    DataSheetInput input = sheetOf(rows);
    input.options["method"] = correlationMethodKey(method);
    return input;
}

DataSheetInput pearson(const CellRows& rows) {
    return by(CorrelationMethod::Pearson, rows);
}
DataSheetInput spearman(const CellRows& rows) {
    return by(CorrelationMethod::Spearman, rows);
}
DataSheetInput regression(const CellRows& rows) {
    return by(CorrelationMethod::Regression, rows);
}

Answer stopped(const std::string& text, CellPosition current) {
    return answered(text + kNoMore, std::nullopt, current, true);
}

Answer spearmanSmall(const std::string& rho, const std::string& t, const std::string& n,
                     CellPosition current) {
    return answered("Correlation coefficient rho = " + rho +
                        "\r\n\r\nt-test for the significance of the coefficient = " + t +
                        "\r\n\r\nNumber of data pairs = " + n +
                        "\r\n\r\nProbability must be determined from a table because of the "
                        "small sample size.",
                    std::nullopt, current);
}

std::string regressionText(const std::string& model, const std::string& se, const std::string& t,
                           const std::string& df, const std::string& p, const std::string& r2) {
    return "Model:  y = " + model + " x + Error\r\n\r\nStandard error of the estimate = " + se +
           "\r\n\r\nt-test for the significance of the slope = " + t +
           "\r\nDegrees of freedom =  " + df + "\r\nTwo-tailed probability = " + p +
           "\r\n\r\nr-squared = " + r2;
}

const CellRows kPoint8 = {{"1", "1"}, {"2", "3"}, {"3", "2"}, {"4", "5"}, {"5", "4"}};
const CellRows kDoubled = {{"1", "2"}, {"2", "4"}, {"3", "6"}};
// Single-precision rounding puts r just above 1 for this exact line.
const CellRows kRoundedAboveOne = {{"1", "2.1"}, {"2", "4.2"}, {"3", "6.3"}, {"4", "8.4"}};
const CellRows kConstantX = {{"5", "1"}, {"5", "2"}, {"5", "3"}};
const CellRows kFalling = {{"1", "5"}, {"2", "3"}, {"3", "4"}, {"4", "1"}, {"5", "2"}};
// Years against ordinary values: a large level against a small spread.
const CellRows kYears = {{"1990", "12.1"}, {"1991", "13.0"}, {"1992", "13.4"}, {"1993", "14.2"},
                         {"1994", "15.1"}, {"1995", "15.3"}, {"1996", "16.4"}, {"1997", "17.0"},
                         {"1998", "17.2"}, {"1999", "18.5"}};

// x = 1..count, y a permutation of 1..25: (12x mod 25) + 1.
CellRows permutedPairs(int count) {
    CellRows rows;
    for (int x = 1; x <= count; ++x)
        rows.push_back({std::to_string(x), std::to_string(x * 12 % 25 + 1)});
    return rows;
}

TEST(Correlate, PearsonAnswers) {
    CellRows gapped = {kPoint8[0], {"2", ""}, kPoint8[1], kPoint8[2]};
    gapped.insert(gapped.end(), {kPoint8[3], kPoint8[4], {}, {"9", "9"}});
    const std::string point8 = "Correlation coefficient = 0.800\r\n\r\n"
                               "Standard error of the coefficient = 0.161\r\n\r\n"
                               "t-test for the significance of the coefficient = 2.309\r\n\r\n"
                               "Degrees of freedom =  3\r\n\r\nTwo-tailed probability = .1041";
    expectSheetOutcomes(
        correlate,
        {
            {"r = .8", pearson(kPoint8), answered(point8, std::nullopt, CellPosition{6, 2})},
            {"half rows skipped, reading stops at an empty row", pearson(gapped),
             answered(point8, std::nullopt, CellPosition{7, 2})},
            {"perfect fit", pearson(kDoubled),
             stopped("The correlation coefficient is 1.000", {4, 2})},
            {"perfect fit rounded above 1", pearson(kRoundedAboveOne),
             stopped("The correlation coefficient is 1.000", {5, 2})},
            {"constant x", pearson(kConstantX),
             stopped("There is no variance in the independent variable.", {4, 2})},
            {"two pairs", pearson({kPoint8[0], kPoint8[1]}), Refusal{.focus = kFocusGrid}},
        });
}

TEST(Correlate, RegressionAnswers) {
    const std::string point8 =
        regressionText("0.600 + 0.800", "1.095", "2.309", "3", ".1041", "0.640");
    const std::string falling =
        regressionText("5.400 + -0.800", "1.095", "-2.309", "3", ".1041", "0.640");
    expectSheetOutcomes(
        correlate,
        {
            {"rising line", regression(kPoint8), answered(point8, point8, CellPosition{6, 2})},
            {"falling line", regression(kFalling), answered(falling, falling, CellPosition{6, 2})},
            {"perfect fit", regression(kDoubled),
             stopped("Model:  y = 0.000 + 2.000 x + Error", {4, 2})},
            {"perfect fit rounded above 1", regression(kRoundedAboveOne),
             stopped("Model:  y = 0.000 + 2.100 x + Error", {5, 2})},
            {"constant y", regression({{"1", "5"}, {"2", "5"}, {"3", "5"}}),
             stopped("There is no variance in the dependent variable.", {4, 2})},
        });
}

TEST(Correlate, SpearmanAnswers) {
    expectSheetOutcomes(
        correlate,
        {
            {"rho = .8", spearman(kPoint8), spearmanSmall("0.800", "2.309", "5", {6, 2})},
            {"three tied x share rank 2",
             spearman({{"1", "1"}, {"1", "2"}, {"1", "3"}, {"2", "4"}}),
             spearmanSmall("0.800", "1.886", "4", {5, 2})},
            {"constant x has no variance to rank", spearman(kConstantX),
             stopped("There is no variance in the independent variable.", {4, 2})},
            {"constant y", spearman({{"1", "5"}, {"2", "5"}, {"3", "5"}}),
             stopped("There is no variance in the dependent variable.", {4, 2})},
            {"24 pairs", spearman(permutedPairs(24)),
             spearmanSmall("-0.435", "-2.265", "24", {25, 2})},
            {"25 pairs", spearman(permutedPairs(25)),
             answered("Correlation coefficient rho = -0.500\r\n\r\n"
                      "t-test for the significance of the coefficient = -2.769\r\n\r\n"
                      "Degrees of freedom =  23\r\n\r\nTwo-tailed probability = .0109",
                      std::nullopt, CellPosition{26, 2})},
            {"same order", spearman(kDoubled),
             stopped("The correlation coefficient is 1.000", {4, 2})},
            {"reversed order", spearman({{"1", "6"}, {"2", "4"}, {"3", "2"}}),
             stopped("The correlation coefficient is -1.000", {4, 2})},
        });
}

TEST(Correlate, YearsKeepEveryPrintedDigit) {
    const std::string line =
        regressionText("-1336.205 + 0.678", "0.223", "27.540", "8", ".0000", "0.990");
    expectSheetOutcomes(
        correlate,
        {
            {"Pearson", pearson(kYears),
             answered("Correlation coefficient = 0.995\r\n\r\n"
                      "Standard error of the coefficient = 0.003\r\n\r\n"
                      "t-test for the significance of the coefficient = 27.540\r\n\r\n"
                      "Degrees of freedom =  8\r\n\r\nTwo-tailed probability = .0000",
                      std::nullopt, CellPosition{11, 2})},
            {"regression", regression(kYears), answered(line, line, CellPosition{11, 2})},
        });
}

// x = 1..20 against a scatter of whole numbers.
CellRows twentyPairs() {
    CellRows rows;
    for (int x = 1; x <= 20; ++x)
        rows.push_back({std::to_string(x), std::to_string(7 * x % 11 + x / 2)});
    return rows;
}

// The answer below the model line, and the slope: neither depends on the level of x or y.
std::string withoutIntercept(const Outcome& outcome) {
    const std::string& text = std::get<Answer>(outcome).text;
    return text.substr(text.find(" + "));
}

TEST(Correlate, StatisticsDoNotDependOnTheLevelOfTheData) {
    const std::pair<const char*, CellRows> sets[] = {
        {"r = .8", kPoint8}, {"falling", kFalling}, {"twenty pairs", twentyPairs()}};
    const std::pair<const char*, std::vector<int>> columns[] = {
        {"x", {1}}, {"y", {2}}, {"x and y", {1, 2}}};
    for (const auto& [name, rows] : sets) {
        const Outcome pearsonAnswer = correlate(pearson(rows));
        const Outcome regressionAnswer = correlate(regression(rows));
        for (const long long shift : kShifts) {
            for (const auto& [shifted, which] : columns) {
                SCOPED_TRACE(std::string(name) + ", " + shifted + " + " + std::to_string(shift));
                const CellRows moved = shiftedColumns(rows, shift, which);
                EXPECT_EQ(correlate(pearson(moved)), pearsonAnswer);
                EXPECT_EQ(withoutIntercept(correlate(regression(moved))),
                          withoutIntercept(regressionAnswer));
            }
        }
    }
}

// The stops for no variance and a perfect fit come from the data, not from sums that cancel.
TEST(Correlate, StopsOnlyForDataThatAreConstantOrALine) {
    expectSheetOutcomes(
        correlate,
        {
            {"a large level is no perfect fit",
             pearson({{"10010", "8"}, {"10012", "9"}, {"10009", "9"}, {"10014", "10"}}),
             answered("Correlation coefficient = 0.736\r\n\r\n"
                      "Standard error of the coefficient = 0.229\r\n\r\n"
                      "t-test for the significance of the coefficient = 1.540\r\n\r\n"
                      "Degrees of freedom =  2\r\n\r\nTwo-tailed probability = .2635",
                      std::nullopt, CellPosition{5, 2})},
            {"a constant x at a large level",
             regression({{"1000.1", "1"}, {"1000.1", "2"}, {"1000.1", "3"}}),
             stopped("There is no variance in the independent variable.", {4, 2})},
            {"a constant y at a large level",
             pearson({{"1", "20000.3"}, {"2", "20000.3"}, {"3", "20000.3"}}),
             stopped("There is no variance in the dependent variable.", {4, 2})},
            {"a line at a large level",
             regression(shiftedColumns(shiftedColumns(kDoubled, 1000000, {1}), 2000000, {2})),
             stopped("Model:  y = 0.000 + 2.000 x + Error", {4, 2})},
        });
}

TEST(Correlate, SumsBeyondTheSingleRangeOverflow) {
    expectSheetFaults(correlate, {
                                     {"x squared", pearson({{"1e30", "1"}, {"1", "2"}, {"2", "3"}}),
                                      ArithmeticFault::Overflow},
                                     {"a value", spearman({{"1e39", "1"}, {"1", "2"}, {"2", "3"}}),
                                      ArithmeticFault::Overflow},
                                 });
}

// Values so small that their squares fall below the single range (1E-23 squares to 1E-46) keep
// their sums about the means in double: the same r as at any other scale.
TEST(Correlate, ValuesWhoseSquaresUnderflowASingle) {
    const CellRows tiny = {{"1E-23", "1"}, {"2E-23", "2"}, {"3E-23", "4"}};
    const CellRows small = {{"1E-21", "1"}, {"2E-21", "2"}, {"3E-21", "4"}};
    const CellRows plain = {{"1", "1"}, {"2", "2"}, {"3", "4"}};
    const std::string point982 = "Correlation coefficient = 0.982\r\n\r\n"
                                 "Standard error of the coefficient = 0.021\r\n\r\n"
                                 "t-test for the significance of the coefficient = 5.196\r\n\r\n"
                                 "Degrees of freedom =  1\r\n\r\nTwo-tailed probability = .1210";
    const std::string line = regressionText("-0.667 + 150000000000000000000000.000", "0.408",
                                            "5.196", "1", ".1210", "0.964");
    expectSheetOutcomes(
        correlate,
        {
            {"x of 1E-23", pearson(tiny), answered(point982, std::nullopt, CellPosition{4, 2})},
            {"x of 1E-21", pearson(small), answered(point982, std::nullopt, CellPosition{4, 2})},
            {"x of 1", pearson(plain), answered(point982, std::nullopt, CellPosition{4, 2})},
            {"y of 1E-23", pearson({{"1", "1E-23"}, {"2", "2E-23"}, {"4", "3E-23"}}),
             answered(point982, std::nullopt, CellPosition{4, 2})},
            {"a line through 1E-23", regression(tiny), answered(line, line, CellPosition{4, 2})},
            {"a constant x of 1E-23", pearson({{"1E-23", "1"}, {"1E-23", "2"}, {"1E-23", "4"}}),
             stopped("There is no variance in the independent variable.", {4, 2})},
        });
}

// The pairs of kPoint8 with x moved to a level: 1000001 to 1000005 are typed at 7 significant
// digits, 10000001 and 20000001 upwards at 8. The last x may be typed otherwise.
CellRows levelled(long long level, const std::string& lastX = "") {
    CellRows rows = shiftedColumns(kPoint8, level, {1});
    if (!lastX.empty())
        rows.back()[0] = lastX;
    return rows;
}

// At 7 digits the single steps and texts stay; at 8 digits, even those a single holds exactly,
// the whole calculation keeps its quantities in double. Figures from
// tests/calculations/typed_digits/make_switch_points.R; at 20000001 a single rounds the odd
// values to their even neighbours, which would tie their ranks and move every statistic.
TEST(Correlate, ValuesTypedWithMoreDigitsThanASingleHoldsKeepThem) {
    const std::string point8 = "Correlation coefficient = 0.800\r\n\r\n"
                               "Standard error of the coefficient = 0.161\r\n\r\n"
                               "t-test for the significance of the coefficient = 2.309\r\n\r\n"
                               "Degrees of freedom =  3\r\n\r\nTwo-tailed probability = .1041";
    const auto line = [](const std::string& intercept) {
        return regressionText(intercept + " + 0.800", "1.095", "2.309", "3", ".1041", "0.640");
    };
    const std::string seven = line("-799999.400");
    const std::string eightHeld = line("-7999999.400");
    const std::string eightRounded = line("-15999999.400");
    const std::string oneLong =
        regressionText("-696720.471 + 0.697", "1.166", "2.087", "3", ".1281", "0.592");
    const Answer rho = spearmanSmall("0.800", "2.309", "5", {6, 2});
    expectSheetOutcomes(
        correlate,
        {
            {"Pearson, 7 digits", pearson(levelled(1000000)),
             answered(point8, std::nullopt, CellPosition{6, 2})},
            {"Pearson, 8 digits", pearson(levelled(20000000)),
             answered(point8, std::nullopt, CellPosition{6, 2})},
            {"Pearson, one value of 8 digits", pearson(levelled(1000000, "1000005.5")),
             answered("Correlation coefficient = 0.770\r\n\r\n"
                      "Standard error of the coefficient = 0.182\r\n\r\n"
                      "t-test for the significance of the coefficient = 2.087\r\n\r\n"
                      "Degrees of freedom =  3\r\n\r\nTwo-tailed probability = .1281",
                      std::nullopt, CellPosition{6, 2})},
            {"regression, 7 digits", regression(levelled(1000000)),
             answered(seven, seven, CellPosition{6, 2})},
            {"regression, 7 digits and trailing zeros", regression(levelled(1000000, "1000005.00")),
             answered(seven, seven, CellPosition{6, 2})},
            {"regression, 8 digits a single holds", regression(levelled(10000000)),
             answered(eightHeld, eightHeld, CellPosition{6, 2})},
            {"regression, 8 digits a single rounds", regression(levelled(20000000)),
             answered(eightRounded, eightRounded, CellPosition{6, 2})},
            {"regression, one value of 8 digits", regression(levelled(1000000, "1000005.5")),
             answered(oneLong, oneLong, CellPosition{6, 2})},
            {"Spearman, 7 digits", spearman(levelled(1000000)), rho},
            {"Spearman, 8 digits a single rounds", spearman(levelled(20000000)), rho},
        });
}

} // namespace
} // namespace quillon
