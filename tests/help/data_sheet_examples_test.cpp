#include "calculations/common/data_sheet.h"
#include "calculations/correlation/correlate.h"
#include "calculations/counts/contingency_chi_square.h"
#include "calculations/means/describe_sample.h"
#include "calculations/means/matched_pairs_t.h"
#include "calculations/means/one_way_anova.h"
#include "tests/help/help_page_text.h"

#include <gtest/gtest.h>

#include <regex>
#include <string>
#include <vector>

namespace quillon {
namespace {

using Rows = std::vector<std::vector<std::string>>;

struct DataSheetExample {
    const char* page;               // help page file name
    DataSheetCalculation calculate; // the window's calculation
    Rows rows;                      // the typed cells, row 1 column 1 first
    std::string population;         // Means0: the population size box, "" when empty
};

Outcome pearson(const DataSheetInput& input) {
    DataSheetInput chosen = input;
    chosen.options["method"] = correlationMethodKey(CorrelationMethod::Pearson);
    return correlate(chosen);
}

Outcome spearman(const DataSheetInput& input) {
    DataSheetInput chosen = input;
    chosen.options["method"] = correlationMethodKey(CorrelationMethod::Spearman);
    return correlate(chosen);
}

const Rows kStudyHours = {{"2", "61"},  {"4", "68"},  {"5", "64"},  {"7", "75"},  {"8", "79"},
                          {"10", "77"}, {"11", "86"}, {"13", "83"}, {"14", "90"}, {"16", "88"}};
const Rows kFallingLine = {{"1", "9"}, {"2", "7"}, {"3", "8"}, {"4", "4"}, {"5", "3"}};
const Rows kBolts = {{"12.1"}, {"14.3"}, {"11.8"}, {"15.2"}, {"13.0"},
                     {"12.7"}, {"14.9"}, {"13.4"}, {"12.2"}, {"16.0"}};
const Rows kBloodPressure = {{"142", "138"}, {"156", "149"}, {"131", "133"}, {"148", "140"},
                             {"162", "151"}, {"139", "137"}, {"151", "146"}, {"145", "144"}};
const Rows kClasses = {{"24.5", "4.2", "12"}, {"27.1", "3.9", "15"}, {"30.8", "4.6", "11"}};

// Every worked example on a data sheet window's page, typed as the page shows it. Correl opens
// with "Regression" chosen; pearson and spearman choose the other two methods.
const DataSheetExample examples[] = {
    {"counts1.html", contingencyChiSquare, {{"22", "18", "10"}, {"15", "25", "20"}}, ""},
    {"counts1.html", contingencyChiSquare, {{"12", "5"}, {"4", "11"}}, ""},
    {"counts1.html", contingencyChiSquare, {{"18", "25", "31", "26"}}, ""},
    {"means0.html", describeSample, kBolts, ""},
    {"means0.html", describeSample, kBolts, "60"},
    {"means1.html", matchedPairsT, kBloodPressure, ""},
    {"means6.html", oneWayAnova, kClasses, ""},
    {"correlation.html", pearson, kStudyHours, ""},
    {"correlation.html", spearman, kStudyHours, ""},
    {"regression.html", correlate, kStudyHours, ""},
    {"regression.html", correlate, kFallingLine, ""},
};

DataSheetInput typed(const DataSheetExample& example) {
    DataSheetInput input;
    for (std::size_t row = 0; row < example.rows.size(); ++row)
        for (std::size_t column = 0; column < example.rows[row].size(); ++column)
            input.sheet.setText(int(row) + 1, int(column) + 1, example.rows[row][column]);
    input.options["population"] = example.population;
    return input;
}

// A row of the answer grid as it reads on a page: its cells in order, blanks folded, trimmed.
std::string gridRowText(const std::vector<std::string>& cells) {
    std::string text;
    for (const auto& cell : cells)
        text += cell + " ";
    text = testing::asPageText(text);
    return std::regex_replace(text, std::regex("^ | $"), "");
}

TEST(HelpExamples, DataSheetPagesShowWhatTheCalculationGives) {
    for (const auto& example : examples) {
        SCOPED_TRACE(example.page);
        const Outcome outcome = example.calculate(typed(example));
        const auto* result = std::get_if<Answer>(&outcome);
        ASSERT_NE(result, nullptr) << "the example is refused";
        const std::string page = testing::helpPageText(example.page);
        if (result->table.empty()) {
            EXPECT_NE(page.find(testing::asPageText(result->text)), std::string::npos)
                << "answer not on the page: " << result->text;
        } else {
            // The analysis of variance table: the F line, the other two sums of squares and
            // every post-hoc pair.
            std::vector<std::size_t> keyRows = {3, 4, 5};
            for (std::size_t row = 11; row + 2 < result->table.size(); row += 2)
                keyRows.push_back(row);
            for (const std::size_t row : keyRows) {
                const std::string line = gridRowText(result->table[row]);
                EXPECT_NE(page.find(line), std::string::npos)
                    << "grid row not on the page: " << line;
            }
        }
        if (result->clipboard && page.find("Clipboard") != std::string::npos) {
            EXPECT_NE(page.find(testing::asPageText(*result->clipboard)), std::string::npos)
                << "clipboard text not on the page: " << *result->clipboard;
        }
    }
}

// The small 2 x 2 table on the chi-square page is corrected on its own, as the page says.
TEST(HelpExamples, SmallFourfoldTableOnTheChiSquarePageIsCorrected) {
    DataSheetInput input;
    input.sheet.setText(1, 1, "12");
    input.sheet.setText(1, 2, "5");
    input.sheet.setText(2, 1, "4");
    input.sheet.setText(2, 2, "11");
    const Outcome outcome = contingencyChiSquare(input);
    const auto* result = std::get_if<Answer>(&outcome);
    ASSERT_NE(result, nullptr);
    EXPECT_TRUE(result->yatesSwitchedOn);
}

} // namespace
} // namespace quillon
