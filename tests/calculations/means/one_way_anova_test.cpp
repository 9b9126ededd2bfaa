// Expected figures worked out by hand and with single-precision sums in Python; probabilities
// from the true F and t distributions.
#include "calculations/means/one_way_anova.h"

#include "tests/calculations/data_sheet_cases.h"
#include "tests/calculations/shifted_cells.h"

#include <gtest/gtest.h>

#include <cmath>
#include <string>
#include <utility>
#include <vector>

namespace quillon {
namespace {

using Cells = std::vector<std::string>;
using Table = std::vector<Cells>;

// The whole answer grid: the fixed headings, the three rows of the analysis of variance and one
// row per pair of groups, every other row from row 11, and three empty rows after the last.
Table anovaTable(const Cells& between, const Cells& within, const Cells& total,
                 const std::vector<Cells>& pairs) {
    const std::string dashes = "------------";
    Table table(13 + 2 * pairs.size(), Cells(6));
    table[0] = {"Source of", "", "Sum of", "Mean", "", ""};
    table[1] = {"Variation", "DF", "Squares", "Squares", "F-ratio", "Prob."};
    table[2] = Cells(6, dashes);
    table[3] = between;
    table[4] = within;
    table[5] = total;
    table[7] = {" Post-hoc", "t-tests   ", "", "", "", ""};
    table[9] = {"Group", "Group", "t-value", "DF", "Prob.", ""};
    table[10] = {dashes, dashes, dashes, dashes, dashes, ""};
    for (std::size_t pair = 0; pair < pairs.size(); ++pair)
        table[11 + 2 * pair] = pairs[pair];
    return table;
}

Answer analysed(Table table, const std::string& clipboard, CellPosition current) {
    Answer result = answered("", clipboard, current);
    result.table = std::move(table);
    return result;
}

const CellRows kThreeGroups = {{"10", "2", "10"}, {"12", "2", "10"}, {"14", "2", "10"}};
const CellRows kTwoGroups = {{"5", "1", "4"}, {"7", "2", "6"}};

const Answer kTwoGroupsAnswer = analysed(
    anovaTable({"Between", " 1", "9.6", "9.6", "3.339", ".1051"},
               {"Within", " 8", "23.0", "2.9", "", ""}, {"Total", " 9", "32.6", "", "", ""},
               {{" 1", " 2", "-1.827", " 8", ".1051", ""}}),
    "F(1,8)=3.339138, p=.1051", {2, 3});

CellRows hundredGroups() {
    CellRows rows;
    for (int row = 1; row <= 100; ++row)
        rows.push_back({std::to_string(row), "1", "5"});
    return rows;
}

TEST(OneWayAnova, AnswersAndRefusals) {
    expectSheetOutcomes(
        oneWayAnova,
        {
            {"three groups, F = 10", sheetOf(kThreeGroups),
             analysed(anovaTable({"Between", " 2", "80.0", "40.0", "10.000", ".0006"},
                                 {"Within", " 27", "108.0", "4.0", "", ""},
                                 {"Total", " 29", "188.0", "", "", ""},
                                 {{" 1", " 2", "-2.236", " 18", ".0382", ""},
                                  {" 1", " 3", "-4.472", " 18", ".0003", ""},
                                  {" 2", " 3", "-2.236", " 18", ".0382", ""}}),
                      "F(2,27)=10, p=.0006", {3, 3})},
            {"two groups", sheetOf(kTwoGroups), kTwoGroupsAnswer},
            {"rows below the first empty Mean are ignored",
             sheetOf({kTwoGroups[0], kTwoGroups[1], {"", "3", "3"}, {"100", "1", "9"}}),
             kTwoGroupsAnswer},
            {"fractional sizes", sheetOf({{"1", "1", "2.5"}, {"2", "1", "2.5"}, {"3", "1", "2.5"}}),
             analysed(anovaTable({"Between", " 2", "5.0", "2.5", "2.500", ".1861"},
                                 {"Within", " 4.5", "4.5", "1.0", "", ""},
                                 {"Total", " 6.5", "9.5", "", "", ""},
                                 {{" 1", " 2", "-1.118", " 3", ".3450", ""},
                                  {" 1", " 3", "-2.236", " 3", ".1114", ""},
                                  {" 2", " 3", "-1.118", " 3", ".3450", ""}}),
                      "F(2,4.5)=2.5, p=.1861", {3, 3})},
            {"nothing typed", sheetOf({}), Refusal{.focus = kFocusGrid}},
            {"one group", sheetOf({kThreeGroups[0]}), Refusal{.focus = kFocusGrid}},
            {"a Mean in all 100 rows", sheetOf(hundredGroups()), Refusal{.focus = kFocusGrid}},
            {"empty SD", sheetOf({kThreeGroups[0], {"12", "", "10"}}),
             Refusal{.focus = kFocusGrid, .currentCell = CellPosition{2, 2}}},
            {"SD of 0", sheetOf({{"10", "0", "10"}, kThreeGroups[1]}),
             Refusal{.focus = kFocusGrid, .currentCell = CellPosition{1, 2}}},
            {"negative SD", sheetOf({kThreeGroups[0], {"12", "-2", "10"}}),
             Refusal{.focus = kFocusGrid, .currentCell = CellPosition{2, 2}}},
            {"N of 1.5", sheetOf({kThreeGroups[0], {"12", "2", "1.5"}}),
             Refusal{.focus = kFocusGrid, .currentCell = CellPosition{2, 3}}},
            {"empty N before a later fault", sheetOf({{"10", "2", ""}, {"12", "0", "10"}}),
             Refusal{.focus = kFocusGrid, .currentCell = CellPosition{1, 3}}},
        });
}

// Equal large means lose their digits in the raw sums: the spread between groups reads 0, never
// below, so F is 0 and its probability 1.
TEST(OneWayAnova, EqualLargeMeansNeverGiveANegativeSumOfSquares) {
    const Outcome outcome =
        oneWayAnova(sheetOf({{"5000.7", "1", "50"}, {"5000.7", "1", "50"}, {"5000.7", "1", "50"}}));
    const auto* result = std::get_if<Answer>(&outcome);
    ASSERT_NE(result, nullptr);
    EXPECT_EQ(result->table[3][2], ".0");
    EXPECT_EQ(result->table[3][5], "1.0000");
}

Table tableOf(const Outcome& outcome) {
    return std::get<Answer>(outcome).table;
}

// The whole table stays as it is when a constant is added to every mean. (The clipboard's F has
// seven digits, more than raw sums keep for the unshifted two groups: 3.339138 where sums in double
// give 3.339131.)
TEST(OneWayAnova, AnswersDoNotDependOnTheLevelOfTheMeans) {
    const std::pair<const char*, CellRows> sets[] = {
        {"F = 10", kThreeGroups},
        {"two groups", kTwoGroups},
        {"fractional sizes", {{"1", "1", "2.5"}, {"2", "1", "2.5"}, {"3", "1", "2.5"}}},
        {"four groups",
         {{"3.25", "1.2", "8"}, {"3.75", "0.9", "12"}, {"2.5", "1.5", "9"}, {"4.5", "1.1", "11"}}},
    };
    for (const auto& [name, rows] : sets) {
        const Outcome unshifted = oneWayAnova(sheetOf(rows));
        for (const long long shift : kShifts) {
            SCOPED_TRACE(std::string(name) + " + " + std::to_string(shift));
            EXPECT_EQ(tableOf(oneWayAnova(sheetOf(shiftedColumns(rows, shift, {1})))),
                      tableOf(unshifted));
        }
    }
}

// Equal means at any level put nothing between the groups; a wide gap between groups with small
// SDs keeps the spread within them.
TEST(OneWayAnova, LargeMeansKeepTheSpreadWithinTheGroups) {
    expectSheetOutcomes(
        oneWayAnova,
        {
            {"equal means of 1000.3",
             sheetOf({{"1000.3", "1", "50"}, {"1000.3", "1", "50"}, {"1000.3", "1", "50"}}),
             analysed(anovaTable({"Between", " 2", ".0", ".0", ".000", "1.0000"},
                                 {"Within", " 147", "147.0", "1.0", "", ""},
                                 {"Total", " 149", "147.0", "", "", ""},
                                 {{" 1", " 2", "0.000", " 98", "1.0000", ""},
                                  {" 1", " 3", "0.000", " 98", "1.0000", ""},
                                  {" 2", " 3", "0.000", " 98", "1.0000", ""}}),
                      "F(2,147)=0, p=1.0000", {3, 3})},
            {"equal means of a million", sheetOf({{"1e6", "1", "10"}, {"1e6", "1", "10"}}),
             analysed(anovaTable({"Between", " 1", ".0", ".0", ".000", "1.0000"},
                                 {"Within", " 18", "18.0", "1.0", "", ""},
                                 {"Total", " 19", "18.0", "", "", ""},
                                 {{" 1", " 2", "0.000", " 18", "1.0000", ""}}),
                      "F(1,18)=0, p=1.0000", {2, 3})},
            {"a gap of 1000 against SDs of .01",
             sheetOf({{"0", ".01", "10"}, {"1000", ".01", "10"}}),
             analysed(
                 anovaTable({"Between", " 1", "5000000.0", "5000000.0", "50000000000.000", ".0000"},
                            {"Within", " 18", ".0", ".0", "", ""},
                            {"Total", " 19", "5000000.0", "", "", ""},
                            {{" 1", " 2", "-223606.800", " 18", ".0000", ""}}),
                 "F(1,18)=5E+10, p=.0000", {2, 3})},
        });
}

TEST(OneWayAnova, FaultsThatTheChecksLetThrough) {
    expectSheetFaults(oneWayAnova, {
                                       {"squared raw sum beyond the single range",
                                        sheetOf({{"1e30", "1", "10"}, {"1", "1", "10"}}),
                                        ArithmeticFault::Overflow},
                                       {"SDs too small for a single leave no variance at all",
                                        sheetOf({{"0", "1e-30", "2"}, {"0", "1e-30", "2"}}),
                                        ArithmeticFault::InvalidOperation},
                                   });
}

// The numbers apart from their text: means 10, 12 and 14, SD 2 and N 10 each put 80 between the
// groups and 9 x 4 = 36 within each; a pair two apart has t = -2 / sqrt(4 x 2 / 10).
TEST(OneWayAnova, NumbersApartFromTheirText) {
    const AnovaGroups groups{{0, 10, 12, 14}, {0, 2, 2, 2}, {0, 10, 10, 10}};
    const AnovaResult r = oneWayAnovaOf(groups);
    EXPECT_FLOAT_EQ(r.betweenSquares, 80.0f);
    EXPECT_FLOAT_EQ(r.withinSquares, 108.0f);
    EXPECT_FLOAT_EQ(r.totalSquares, 188.0f);
    EXPECT_FLOAT_EQ(r.f, 10.0f);
    EXPECT_EQ(r.betweenDf, 2);
    EXPECT_EQ(r.withinDf, 27.0f);
    ASSERT_EQ(r.pairs.size(), 3u);
    EXPECT_EQ(r.pairs[1].first, 1);
    EXPECT_EQ(r.pairs[1].second, 3);
    EXPECT_NEAR(r.pairs[0].t, -2.0 / std::sqrt(0.8), 1e-5);
    EXPECT_NEAR(r.pairs[1].t, -4.0 / std::sqrt(0.8), 1e-5);
    EXPECT_EQ(r.pairs[2].df, 18.0f);
}

} // namespace
} // namespace quillon

namespace quillon {
namespace {

// Values that a single holds at their typed digits keep the single-precision steps and their
// texts; one value typed with an eighth significant digit keeps the whole analysis in double,
// its spread taken from the digits as typed. Expected values from anova_switch_values.R.
TEST(OneWayAnova, ValuesTypedBeyondASinglesDigitsKeepTheAnalysisInDouble) {
    struct Case {
        const char* what;
        CellRows rows;
        std::string f;         // the F-ratio cell
        std::string t;         // the t-value of groups 1 and 2
        std::string clipboard; // F and p
    };
    const std::vector<Case> cases = {
        {"means typed at 7 digits: singles, whose differences are off",
         {{"1000.001", ".001", "10"}, {"1000.002", ".001", "10"}, {"1000.004", ".001", "10"}},
         "24.078",
         "-2.320",
         "F(2,27)=24.07779, p=.0000"},
        {"means typed at 8 digits",
         {{"1000.0011", ".001", "10"}, {"1000.0021", ".001", "10"}, {"1000.0041", ".001", "10"}},
         "23.333",
         "-2.236",
         "F(2,27)=23.3333333333333, p=.0000"},
        {"one SD typed at 8 digits",
         {{"1000.001", ".001", "10"},
          {"1000.002", ".0012345678", "10"},
          {"1000.004", ".001", "10"}},
         "19.863",
         "-2.063",
         "F(2,27)=19.8629025419583, p=.0000"},
        {"means typed at 17 digits at a level of 1E12",
         {{"1000000000000.0011", ".001", "10"},
          {"1000000000000.0021", ".001", "10"},
          {"1000000000000.0041", ".001", "10"}},
         "23.333",
         "-2.236",
         "F(2,27)=23.3333333333333, p=.0000"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        const Outcome outcome = oneWayAnova(sheetOf(c.rows));
        const auto* answer = std::get_if<Answer>(&outcome);
        ASSERT_NE(answer, nullptr);
        EXPECT_EQ(answer->table[3][4], c.f);
        EXPECT_EQ(answer->table[11][2], c.t);
        EXPECT_EQ(answer->clipboard, c.clipboard);
    }
}

// The double storage's own steps: the spread of the means comes from their offsets when known,
// so a level of 1E12 that a double holds only to 1E-4 does not disturb it.
TEST(OneWayAnova, DoubleStorageTakesTheSpreadFromTheTypedOffsets) {
    AnovaGroupsOf<double> groups{
        {0, 1e12 + 0.4, 1e12 + 0.3, 1e12 + 0.5}, {0, 0.1, 0.1, 0.1}, {0, 21, 21, 21}, {}};
    const AnovaResultOf<double> fromStored = oneWayAnovaOf(groups);
    groups.meanOffset = {0, 0.0, -0.1, 0.1};
    const AnovaResultOf<double> fromTyped = oneWayAnovaOf(groups);
    // Between: 21 x (0.1² + 0.1²) = 0.42; within: 0.01 x 20 x 3 = 0.6; F = 0.21 / 0.01.
    EXPECT_NEAR(fromTyped.betweenSquares, 0.42, 1e-15);
    EXPECT_NEAR(fromTyped.f, 21.0, 1e-12);
    EXPECT_NEAR(fromTyped.pairs[0].t, 0.1 / std::sqrt(2.0 / 21 * 0.01), 1e-12);
    // The stored means alone are a few parts in 10,000 off.
    EXPECT_GT(std::fabs(fromStored.f - 21.0), 1e-3);
}

} // namespace
} // namespace quillon

namespace quillon {
namespace {

// The shape the window reads from the calculation is the table's own: as wide as every row, the
// summary table ending with Total, the post-hoc headings where the group numbers start, and the
// pairs in every second row after them.
TEST(OneWayAnova, TheAnswerGridShapeIsTheTables) {
    const std::vector<CellRows> sheets = {
        {{"10", "2", "10"}, {"12", "2", "10"}},
        {{"10", "2", "10"}, {"12", "2", "10"}, {"14", "2", "10"}},
        {{"1", "1", "5"}, {"2", "1", "5"}, {"3", "1", "5"}, {"4", "1", "5"}},
    };
    for (const CellRows& sheet : sheets) {
        const Table table = std::get<Answer>(oneWayAnova(sheetOf(sheet))).table;
        const std::size_t groups = sheet.size();
        const std::size_t pairs = groups * (groups - 1) / 2;
        SCOPED_TRACE(groups);
        ASSERT_EQ(table.size(), std::size_t(kAnovaFirstPairRow) + 2 + 2 * pairs);
        for (const auto& row : table)
            EXPECT_EQ(row.size(), std::size_t(kAnovaAnswerGrid.columns));
        EXPECT_EQ(table[std::size_t(kAnovaAnswerGrid.lastSummaryRow)][0], "Total");
        EXPECT_TRUE(table[std::size_t(kAnovaAnswerGrid.lastSummaryRow) + 1][0].empty());
        EXPECT_EQ(table[std::size_t(kAnovaAnswerGrid.firstNumberRow)][0], "Group");
        EXPECT_NE(table[std::size_t(kAnovaFirstPairRow)][0].find('1'), std::string::npos);
        EXPECT_NE(table[std::size_t(kAnovaFirstPairRow)][1].find('2'), std::string::npos);
    }
}

} // namespace
} // namespace quillon
