#include "tests/calculations/refusal_tables.h"
#include "calculations/correlation/correlate.h"

#include "tests/calculations/data_sheet_cases.h"

namespace quillon {
namespace {

const std::string kEmpty = "This box is empty.";
const std::string kProbability = "The probability must be from .0001 to .9999.";
const std::string kDf = "The degrees of freedom must be 1 or more.";
const std::string kSdAbove0 = "The standard deviation must be greater than 0.";
const std::string kSdNot0 = "The standard deviation must not be 0.";
const std::string kLevel = "The confidence level must be from .01 to 99.99.";
const std::string kLevelInside = "The confidence level must be greater than 0 and less than 100.";
const std::string kRate = "The rate must be greater than 0 and at most 100.";
const std::string kDifference = "The maximum acceptable difference must not be 0.";

// The inputs with box (1..) replaced by text.
std::vector<std::string> with(std::vector<std::string> inputs, int box, std::string text) {
    inputs[static_cast<std::size_t>(box - 1)] = std::move(text);
    return inputs;
}

// A row whose valid inputs have one box replaced, refused at that box.
BoxRefusal at(const std::vector<std::string>& valid, int box, std::string text,
              std::string reason) {
    return {with(valid, box, std::move(text)), box, std::move(reason)};
}

DataSheetInput withPopulation(const CellRows& rows, std::string population) {
    DataSheetInput input = sheetOf(rows);
    input.options["population"] = std::move(population);
    return input;
}

DataSheetInput withMethod(const CellRows& rows, CorrelationMethod method) {
    DataSheetInput input = sheetOf(rows);
    input.options["method"] = correlationMethodKey(method);
    return input;
}

// A Mean, SD and N in every one of the 100 rows.
CellRows hundredGroups() {
    return CellRows(DataSheet::kRows, {"10", "2", "10"});
}

SheetRefusal grid(std::string name, DataSheetInput input, std::string reason) {
    return {std::move(name), std::move(input), kFocusGrid, std::nullopt, std::move(reason)};
}

SheetRefusal cell(std::string name, DataSheetInput input, CellPosition at, std::string reason,
                  bool messageBox = false) {
    return {std::move(name), std::move(input), kFocusGrid, at, std::move(reason), messageBox};
}

std::vector<RefusalTable> makeTables() {
    const std::vector<std::string> zRange = {"100", "15", "85", "115"};
    const std::vector<std::string> tRange = {"100", "15", "25", "90", "110"};
    const std::vector<std::string> fisher = {"5", "1", "2", "6"};
    const std::vector<std::string> percents2 = {"60", "100", "50", "100"};
    const std::vector<std::string> percent3 = {"50", "100", "", "95"};
    const std::vector<std::string> groups = {"10", "2", "15", "8.5", "2.5", "15"};
    const std::vector<std::string> meanInterval = {"10.5", "3", "25", "", "95"};
    const std::vector<std::string> meanTest = {"48", "2", "16", "", "50"};
    const std::vector<std::string> sdRatio = {"3", "10", "4", "15"};
    const std::vector<std::string> sizePercent = {"10000", "50", "5", "95"};
    const std::vector<std::string> sizeMean = {"15", "3", "95"};
    const std::vector<std::string> errorSize = {"10000", "50", "400", "95"};
    const std::string kCountRange = "The count must be 0 or more.";
    const std::string kPercentInside = "The percent must be greater than 0 and less than 100.";
    const std::string kPercent = "The percent must be from 0 to 100.";
    const std::string kSizeAbove0 = "The sample size must be greater than 0.";
    const std::string kSize2 = "The sample size must be 2 or more.";
    const std::string kSizeNot0 = "The sample size must not be 0.";
    const CellRows kPairs = {{"1", "2"}, {"2", "4"}, {"3", "7"}, {"4", "8"}};
    const CellRows kGroups = {{"10", "2", "10"}, {"12", "2", "10"}, {"14", "2", "10"}};

    return {
        {"Distr1a",
         {{{""}, 1, kEmpty},
          {{"0"}, 1, "The z value must not be 0."},
          {{"-.0"}, 1, "The z value must not be 0."}}},
        {"Distr1b",
         {{{""}, 1, kEmpty},
          {{".00009"}, 1, kProbability},
          {{"1"}, 1, kProbability},
          {{"-.05"}, 1, kProbability}}},
        {"Distr1c",
         {at(zRange, 1, "", kEmpty),
          at(zRange, 2, "", kEmpty),
          at(zRange, 3, "", kEmpty),
          at(zRange, 4, "", kEmpty),
          at(zRange, 2, "0", kSdAbove0),
          at(zRange, 2, "-15", kSdAbove0),
          // every box is checked for text before the deviation is
          {{"100", "0", "", "115"}, 3, kEmpty}}},
        {"Distr2a",
         {{{"", "10"}, 1, kEmpty},
          {{"0", "10"}, 1, "The t value must not be 0."},
          {{"0", ""}, 1, "The t value must not be 0."},
          {{"2.228", ""}, 2, kEmpty},
          {{"2.228", ".5"}, 2, kDf}}},
        {"Distr2b",
         {{{"", "10"}, 1, kEmpty},
          {{".00009", "10"}, 1, kProbability},
          {{"1", "10"}, 1, kProbability},
          {{".05", ""}, 2, kEmpty},
          {{".05", ".5"}, 2, kDf}}},
        {"Distr2c",
         {at(tRange, 1, "", kEmpty), at(tRange, 2, "", kEmpty), at(tRange, 2, "0", kSdAbove0),
          at(tRange, 3, "", kEmpty), at(tRange, 3, "1.5", kSize2), at(tRange, 4, "", kEmpty),
          at(tRange, 5, "", kEmpty)}},
        {"Distr3a",
         {{{"", "2", "20"}, 1, kEmpty},
          {{"3.5", "", "20"}, 2, kEmpty},
          {{"3.5", ".5", "20"}, 2, "The numerator degrees of freedom must be 1 or more."},
          {{"3.5", "2", ""}, 3, kEmpty},
          {{"3.5", "2", ".5"}, 3, "The denominator degrees of freedom must be 1 or more."}}},
        {"Distr3b",
         {{{"", "2", "20"}, 1, kEmpty},
          {{"1.5", "2", "20"}, 1, kProbability},
          {{".05", "", "20"}, 2, kEmpty},
          {{".05", ".5", "20"}, 2, "The numerator degrees of freedom must be 1 or more."},
          {{".05", "2", ""}, 3, kEmpty},
          {{".05", "2", "1"}, 3, "The denominator degrees of freedom must be 2 or more."}}},
        {"Distr4a",
         {{{"", "1"}, 1, kEmpty},
          {{"0", "1"}, 1, "The chi-square value must not be 0."},
          {{"3.84", ""}, 2, kEmpty},
          {{"3.84", ".5"}, 2, kDf}}},
        {"Distr4b",
         {{{"", "3"}, 1, kEmpty},
          {{".00001", "3"}, 1, kProbability},
          {{".05", ""}, 2, kEmpty},
          {{".05", ".5"}, 2, "The degrees of freedom must be from 1 to 100000."},
          {{".05", "100001"}, 2, "The degrees of freedom must be from 1 to 100000."}}},
        {"Counts1",
         {},
         {grid("nothing typed", sheetOf({}), "At least 2 counts are needed."),
          grid("cell A1 alone", sheetOf({{"5"}}), "At least 2 counts are needed."),
          cell("an empty cell inside the table", sheetOf({{"1"}, {}, {"", "", "1"}}), {1, 2},
               "Row 1 Column B has no data.", true),
          cell("a heading row", sheetOf({{"Smokers", "Others"}, {"10", "5"}, {"4", "11"}}), {1, 1},
               "Row 1 Column A is not a number: Smokers"),
          cell("a decimal comma", sheetOf({{"10", "5"}, {"4", "1,5"}}), {2, 2},
               "Row 2 Column B is not a number: 1,5"),
          cell("an empty cell before a word", sheetOf({{"x", ""}, {"4", "11"}}), {1, 2},
               "Row 1 Column B has no data.", true),
          cell("a negative expected frequency", sheetOf({{"10", "-20"}, {"30", "40"}}), {1, 1},
               "Row 1 Column A has an expected frequency of 0 or less.", true)}},
        {"Counts2",
         {at(fisher, 1, "", kEmpty),
          at(fisher, 2, "", kEmpty),
          at(fisher, 3, "", kEmpty),
          at(fisher, 4, "", kEmpty),
          at(fisher, 1, "-1", kCountRange),
          at(fisher, 4, "-3", kCountRange),
          {{"0", "0", "0", ".4"}, 1, "The four counts must not all be 0."},
          {{"30", "10", "10", "1"}, 1, "The maximum count for Fisher's exact test is 50.", true}}},
        {"Counts3",
         {{{"", ".5", "1"}, 1, kEmpty},
          {{"1", ".5", "1"}, 1, "The number of trials must be 2 or more."},
          {{"10", "", "1"}, 2, kEmpty},
          {{"10", ".00009", "1"}, 2, kProbability},
          {{"10", "1", "1"}, 2, kProbability},
          {{"10", ".5", ""}, 3, kEmpty},
          {{"10", ".5", "0"}, 3, "The number of successes must be from 1 to the number of trials."},
          {{"10", ".5", "11"},
           3,
           "The number of successes must be from 1 to the number of trials."},
          {{"40000", ".9", "32768"},
           1,
           "The tail tested may hold at most 32767 successes or failures."}}},
        {"Counts4",
         {{{"", "5"}, 1, kEmpty},
          {{"", ""}, 1, kEmpty},
          {{"2", ""}, 2, kEmpty},
          {{"-5", "2"}, 1, "The observed frequency must be 0 or more."},
          {{"0", "-.5"}, 2, "The expected frequency must be 0 or more."},
          {{"-1", "-1"}, 1, "The observed frequency must be 0 or more."},
          {{"32768", "40000"},
           1,
           "The observed frequency must be at most 32767, or 32768 when above the expected "
           "frequency."}}},
        {"Percent1",
         {{{"", "30", "100"}, 1, kEmpty},
          {{"0", "30", "100"}, 1, kPercentInside},
          {{"100", "30", "100"}, 1, kPercentInside},
          {{"60", "", "100"}, 2, kEmpty},
          {{"60", "100.5", "100"}, 2, kPercentInside},
          {{"60", "30", ""}, 3, kEmpty},
          {{"60", "30", "0"}, 3, kSizeNot0}}},
        {"Percent2",
         {at(percents2, 1, "", kEmpty), at(percents2, 1, "-40", kPercent),
          at(percents2, 2, "", kEmpty), at(percents2, 2, "0", kSizeAbove0),
          at(percents2, 3, "", kEmpty), at(percents2, 3, "140", kPercent),
          at(percents2, 4, "", kEmpty), at(percents2, 4, "-5", kSizeAbove0)}},
        {"Percent3",
         {at(percent3, 1, "", kEmpty), at(percent3, 2, "", kEmpty), at(percent3, 2, "0", kSizeNot0),
          at(percent3, 3, "-5", "The population size must not be negative."),
          at(percent3, 3, "50", "The population size must not be smaller than the sample size."),
          at(percent3, 4, "", kEmpty), at(percent3, 4, "100", kLevelInside),
          at(percent3, 4, "0", kLevelInside)}},
        {"Means0",
         {},
         {grid("nothing typed", sheetOf({}), "At least 2 values are needed."),
          grid("a single value", sheetOf({{"7"}}), "At least 2 values are needed."),
          cell("a heading", sheetOf(columnOf({"Weight", "12", "14", "10", "15.5"})), {1, 1},
               "Row 1 Column A is not a number: Weight"),
          cell("a word before too few values", sheetOf(columnOf({"12", "n/a"})), {2, 1},
               "Row 2 Column A is not a number: n/a"),
          {"a population size that is not a number",
           withPopulation(columnOf({"12", "14"}), "500 people"), 1, std::nullopt,
           "The population size is not a number: 500 people"},
          {"a population size of blanks", withPopulation(columnOf({"12", "14"}), "  "), 1,
           std::nullopt, "The population size holds only blanks, not a number."}}},
        {"Means1",
         {},
         {grid("one pair", sheetOf({{"1", "2"}}), "At least 2 pairs of values are needed."),
          grid("half-filled rows are no pairs", sheetOf({{"1", ""}, {"", "2"}, {"3", "4"}}),
               "At least 2 pairs of values are needed."),
          cell("a heading row", sheetOf({{"Before", "After"}, {"1", "2"}, {"2", "4"}}), {1, 1},
               "Row 1 Column A is not a number: Before"),
          cell("a word in column 2", sheetOf({{"1", "2"}, {"2", "four"}, {"3", "5"}}), {2, 2},
               "Row 2 Column B is not a number: four")}},
        {"Means2",
         {at(groups, 1, "", kEmpty), at(groups, 2, "", kEmpty), at(groups, 2, "0", kSdNot0),
          at(groups, 3, "", kEmpty), at(groups, 3, "-100", kSizeAbove0), at(groups, 4, "", kEmpty),
          at(groups, 5, "", kEmpty), at(groups, 5, "0", kSdNot0), at(groups, 6, "", kEmpty),
          at(groups, 6, "0", kSizeAbove0)}},
        {"Means3",
         {at(meanInterval, 1, "", kEmpty), at(meanInterval, 2, "", kEmpty),
          at(meanInterval, 2, "-2", kSdAbove0), at(meanInterval, 3, "", kEmpty),
          at(meanInterval, 3, "0", kSizeNot0),
          at(meanInterval, 4, ".5", "The population size must be 1 or more, or 0 for none."),
          at(meanInterval, 5, "", kEmpty), at(meanInterval, 5, "100", kLevelInside)}},
        {"Means4",
         {at(meanTest, 1, "", kEmpty), at(meanTest, 2, "", kEmpty), at(meanTest, 2, "0", kSdAbove0),
          at(meanTest, 3, "", kEmpty), at(meanTest, 3, "0", kSizeNot0),
          at(meanTest, 4, "-16", "The population size must be 1 or more, or 0 for none."),
          at(meanTest, 5, "", kEmpty)}},
        {"Means5",
         {at(sdRatio, 1, "", kEmpty), at(sdRatio, 1, "-3", kSdAbove0), at(sdRatio, 2, "", kEmpty),
          at(sdRatio, 2, "1", kSize2), at(sdRatio, 3, "", kEmpty), at(sdRatio, 3, "0", kSdAbove0),
          at(sdRatio, 4, "", kEmpty), at(sdRatio, 4, "1.5", kSize2)}},
        {"Means6",
         {},
         {grid("nothing typed", sheetOf({}), "At least 2 groups are needed."),
          grid("one group", sheetOf({kGroups[0]}), "At least 2 groups are needed."),
          grid("a Mean in all 100 rows", sheetOf(hundredGroups()),
               "At most 99 groups can be compared."),
          cell("an empty SD", sheetOf({kGroups[0], {"12", "", "10"}}), {2, 2},
               "Row 2 Column B is empty."),
          cell("an SD of 0", sheetOf({{"10", "0", "10"}, kGroups[1]}), {1, 2},
               "Row 1 Column B: the SD must be greater than 0."),
          cell("an N of 1.5", sheetOf({kGroups[0], {"12", "2", "1.5"}}), {2, 3},
               "Row 2 Column C: the N must be 2 or more."),
          cell("a heading row", sheetOf({{"Mean", "SD", "N"}, kGroups[0], kGroups[1]}), {1, 1},
               "Row 1 Column A is not a number: Mean"),
          cell("a word in an N cell", sheetOf({kGroups[0], {"12", "2", "ten"}}), {2, 3},
               "Row 2 Column C is not a number: ten")}},
        {"Correl",
         {},
         {grid("two pairs", sheetOf({kPairs[0], kPairs[1]}),
               "At least 3 pairs of values are needed."),
          grid("two pairs for Spearman's rho",
               withMethod({kPairs[0], kPairs[1]}, CorrelationMethod::Spearman),
               "At least 3 pairs of values are needed."),
          cell("a heading row", sheetOf({{"x", "y"}, kPairs[0], kPairs[1], kPairs[2]}), {1, 1},
               "Row 1 Column A is not a number: x"),
          cell("a word for Pearson's r",
               withMethod({kPairs[0], {"2", "12abc"}, kPairs[2]}, CorrelationMethod::Pearson),
               {2, 2}, "Row 2 Column B is not a number: 12abc")}},
        {"Sample1",
         {at(sizePercent, 1, "-1", "The population size must not be negative."),
          at(sizePercent, 2, "", kEmpty), at(sizePercent, 2, "0", kRate),
          at(sizePercent, 2, "101", kRate), at(sizePercent, 3, "", kEmpty),
          at(sizePercent, 3, "0", kDifference), at(sizePercent, 4, "", kEmpty),
          at(sizePercent, 4, "100", kLevel), at(sizePercent, 4, "99.999", kLevel)}},
        {"Sample2",
         {at(sizeMean, 1, "", kEmpty), at(sizeMean, 1, "0", kSdNot0), at(sizeMean, 2, "", kEmpty),
          at(sizeMean, 2, "0", kDifference), at(sizeMean, 3, "", kEmpty),
          at(sizeMean, 3, "0", kLevel)}},
        {"Sample3",
         {at(errorSize, 1, "-5", "The population size must not be negative."),
          at(errorSize, 2, "", kEmpty), at(errorSize, 2, "0", kRate), at(errorSize, 3, "", kEmpty),
          at(errorSize, 3, "1", kSize2), at(errorSize, 4, "", kEmpty),
          at(errorSize, 4, "100", kLevel)}},
    };
}

} // namespace

const std::vector<RefusalTable>& refusalTables() {
    static const std::vector<RefusalTable> tables = makeTables();
    return tables;
}

Refusal expectedRefusal(const BoxRefusal& row) {
    return Refusal{.focus = row.box,
                   .message = row.messageBox ? row.reason : std::string(),
                   .reason = row.reason};
}

Refusal expectedRefusal(const SheetRefusal& row) {
    return Refusal{.focus = row.focus,
                   .message = row.messageBox ? row.reason : std::string(),
                   .currentCell = row.cell,
                   .reason = row.reason};
}

} // namespace quillon
