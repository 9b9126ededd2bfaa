// A data sheet cell read as a value must be wholly a number: a heading, a word, a decimal comma or
// a number with letters after it is refused by name at the first such cell in reading order, never
// read as 0 or as its leading digits. Blanks around a number and the &H and &O forms are numbers;
// empty cells and cells the calculation never reads keep their meaning.
#include "calculations/correlation/correlate.h"
#include "calculations/counts/contingency_chi_square.h"
#include "calculations/means/describe_sample.h"
#include "calculations/means/matched_pairs_t.h"
#include "calculations/means/one_way_anova.h"
#include "tests/calculations/data_sheet_cases.h"

#include <gtest/gtest.h>

#include <optional>
#include <string>
#include <vector>

namespace quillon {
namespace {

struct NonNumberCase {
    std::string what;
    CellRows typed;
    std::string reason; // refused with this reason, the cell named current; empty: answered
    std::optional<CellPosition> cell;
    CellRows sameAs = {}; // answered: as this sheet is
};

struct SheetWindow {
    std::string name;
    DataSheetCalculation calculate;
    std::vector<NonNumberCase> cases;
};

CellRows edited(CellRows rows, CellPosition cell, std::string text) {
    auto& row = rows[static_cast<std::size_t>(cell.row - 1)];
    if (row.size() < static_cast<std::size_t>(cell.column))
        row.resize(static_cast<std::size_t>(cell.column));
    row[static_cast<std::size_t>(cell.column - 1)] = std::move(text);
    return rows;
}

CellRows headed(std::vector<std::string> heading, CellRows rows) {
    rows.insert(rows.begin(), std::move(heading));
    return rows;
}

CellRows followedBy(CellRows rows, const CellRows& more) {
    rows.insert(rows.end(), more.begin(), more.end());
    return rows;
}

// The refusals and the answers every data sheet shares, on a sheet of valid data whose rows 2
// and 3 exist and whose column 1 holds a number in every row.
std::vector<NonNumberCase> sharedCases(const CellRows& data, std::vector<std::string> heading) {
    const std::string first = data[1][0];
    return {
        {"a heading in row 1", headed(heading, data),
         "Row 1 Column A is not a number: " + heading[0], CellPosition{1, 1}},
        {"a word in the middle", edited(data, {2, 1}, "n/a"), "Row 2 Column A is not a number: n/a",
         CellPosition{2, 1}},
        {"a decimal comma", edited(data, {3, 1}, "1,5"), "Row 3 Column A is not a number: 1,5",
         CellPosition{3, 1}},
        {"letters after the digits", edited(data, {2, 1}, "12abc"),
         "Row 2 Column A is not a number: 12abc", CellPosition{2, 1}},
        {"two numbers in a cell", edited(data, {2, 1}, "1 2"),
         "Row 2 Column A is not a number: 1 2", CellPosition{2, 1}},
        {"blanks alone", edited(data, {2, 1}, " "),
         "Row 2 Column A holds only blanks, not a number.", CellPosition{2, 1}},
        {"a long text, cut short", edited(data, {2, 1}, "The weight of the bolts in grams"),
         "Row 2 Column A is not a number: The weight of the bolts \u2026", CellPosition{2, 1}},
        {"the first of two words in reading order",
         edited(edited(data, {3, 1}, "later"), {2, 1}, "first"),
         "Row 2 Column A is not a number: first", CellPosition{2, 1}},
        {"blanks around a number", edited(data, {2, 1}, " \t" + first + " "), "", std::nullopt,
         data},
        {"a hexadecimal number", edited(data, {2, 1}, "&H10"), "", std::nullopt,
         edited(data, {2, 1}, "16")},
        {"an octal number and an exponent", edited(edited(data, {2, 1}, "&o20"), {3, 1}, "4e0"), "",
         std::nullopt, edited(edited(data, {2, 1}, "16"), {3, 1}, "4")},
    };
}

std::vector<SheetWindow> windows() {
    const CellRows sample = columnOf({"12", "14", "10", "15.5"});
    const CellRows pairs = {{"10", "8"}, {"12", "9"}, {"9", "9"}, {"14", "10"}};
    const CellRows groups = {{"10", "2", "10"}, {"12", "2", "10"}, {"14", "2.5", "12"}};
    const CellRows counts = {{"10", "5", "8"}, {"5", "10", "7"}, {"6", "6", "9"}};
    const CellRows line = {{"1", "2"}, {"2", "4"}, {"3", "7"}, {"4", "8"}, {"6", "9"}};

    std::vector<SheetWindow> all = {
        {"Means0", describeSample, sharedCases(sample, {"Weight"})},
        {"Means1", matchedPairsT, sharedCases(pairs, {"Before", "After"})},
        {"Means6", oneWayAnova, sharedCases(groups, {"Mean", "SD", "N"})},
        {"Counts1", contingencyChiSquare, sharedCases(counts, {"A", "B", "C"})},
        {"Correl", correlate, sharedCases(line, {"x", "y"})},
    };
    std::vector<NonNumberCase>& means0 = all[0].cases;
    means0.push_back({"a word below the first empty cell is not read",
                      followedBy(sample, {{""}, {"Weight"}}), "", std::nullopt, sample});
    std::vector<NonNumberCase>& means1 = all[1].cases;
    means1.push_back({"a word in column 2", edited(pairs, {3, 2}, "nine"),
                      "Row 3 Column B is not a number: nine", CellPosition{3, 2}});
    means1.push_back({"a word in a half-filled row is not read",
                      followedBy({pairs[0], {"n/a", ""}}, {pairs[1], pairs[2]}),
                      "",
                      std::nullopt,
                      {pairs[0], {"5", ""}, pairs[1], pairs[2]}});
    std::vector<NonNumberCase>& means6 = all[2].cases;
    means6.push_back({"a word in an SD cell", edited(groups, {3, 2}, "2,5"),
                      "Row 3 Column B is not a number: 2,5", CellPosition{3, 2}});
    means6.push_back({"an empty cell before a word in its row",
                      edited(edited(groups, {2, 2}, ""), {2, 3}, "ten"), "Row 2 Column B is empty.",
                      CellPosition{2, 2}});
    means6.push_back({"rows below the first empty Mean are not read",
                      followedBy(groups, {{"", "SD", "N"}, {"Total", "x", "y"}}), "", std::nullopt,
                      groups});
    std::vector<NonNumberCase>& counts1 = all[3].cases;
    counts1.push_back({"an empty cell is still named before a word",
                       edited(edited(counts, {1, 3}, "eight"), {3, 2}, ""),
                       "Row 3 Column B has no data.", CellPosition{3, 2}});
    std::vector<NonNumberCase>& correl = all[4].cases;
    correl.push_back({"a word in a half-filled row is not read",
                      followedBy({line[0], {"", "n/a"}}, {line[1], line[2], line[3]}),
                      "",
                      std::nullopt,
                      {line[0], {"", "5"}, line[1], line[2], line[3]}});
    return all;
}

TEST(NonNumberCells, AreRefusedByNameWhereTheyAreReadAsValues) {
    for (const SheetWindow& window : windows()) {
        for (const NonNumberCase& row : window.cases) {
            SCOPED_TRACE(window.name + ": " + row.what);
            const Outcome got = window.calculate(sheetOf(row.typed));
            if (row.reason.empty()) {
                const Outcome same = window.calculate(sheetOf(row.sameAs));
                ASSERT_TRUE(std::holds_alternative<Answer>(same)) << describeSheetOutcome(same);
                EXPECT_TRUE(got == same) << "got      " << describeSheetOutcome(got)
                                         << "\nexpected " << describeSheetOutcome(same);
                continue;
            }
            const auto* refusal = std::get_if<Refusal>(&got);
            ASSERT_NE(refusal, nullptr) << describeSheetOutcome(got);
            EXPECT_EQ(refusal->reason, row.reason);
            EXPECT_EQ(refusal->focus, kFocusGrid);
            EXPECT_EQ(refusal->currentCell, row.cell);
        }
    }
}

// The population size beside the grid: a number with blanks around is taken, as is an empty box.
TEST(NonNumberCells, ThePopulationSizeIsANumberOrEmpty) {
    const CellRows eight = columnOf({"2", "4", "4", "4", "5", "5", "7", "9"});
    const auto described = [&](const std::string& population) {
        DataSheetInput input = sheetOf(eight);
        input.options["population"] = population;
        return describeSample(input);
    };
    EXPECT_TRUE(described(" 100 ") == described("100"));
    EXPECT_TRUE(described("&H64") == described("100"));
    EXPECT_TRUE(std::holds_alternative<Answer>(described("")));
    for (const std::string typed : {"100 people", "1,000", "-", "."}) {
        SCOPED_TRACE(typed);
        const Outcome got = described(typed);
        const auto* refusal = std::get_if<Refusal>(&got);
        ASSERT_NE(refusal, nullptr) << describeSheetOutcome(got);
        EXPECT_EQ(refusal->focus, 1);
        EXPECT_EQ(refusal->currentCell, std::nullopt);
        EXPECT_EQ(refusal->reason, "The population size is not a number: " + typed);
    }
}

} // namespace
} // namespace quillon
