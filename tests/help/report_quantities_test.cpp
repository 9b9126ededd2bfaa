// Every calculation with a report explains each of its quantities on the page its "Help" opens,
// and the page's worked report is the one the calculation gives for the page's example.
#include "calculations/catalogue.h"
#include "calculations/correlation/correlate.h"
#include "tests/help/help_page_text.h"

#include <gtest/gtest.h>

#include <optional>
#include <set>
#include <string>
#include <vector>

namespace quillon {
namespace {

using Rows = std::vector<std::vector<std::string>>;

struct ReportExample {
    const char* window;
    std::vector<std::string> boxes; // a calculator window's boxes, Input1 first
    Rows rows;                      // a data sheet's cells, row 1 column 1 first
    std::optional<CorrelationMethod> method;
};

const Rows kBloodPressure = {{"142", "138"}, {"156", "149"}, {"131", "133"}, {"148", "140"},
                             {"162", "151"}, {"139", "137"}, {"151", "146"}, {"145", "144"}};
const Rows kClasses = {{"24.5", "4.2", "12"}, {"27.1", "3.9", "15"}, {"30.8", "4.6", "11"}};
const Rows kStudyHours = {{"2", "61"},  {"4", "68"},  {"5", "64"},  {"7", "75"},  {"8", "79"},
                          {"10", "77"}, {"11", "86"}, {"13", "83"}, {"14", "90"}, {"16", "88"}};

// The worked example of each page that shows a report.
const ReportExample examples[] = {
    {"Counts1", {}, {{"12", "5"}, {"4", "11"}}, {}},
    {"Counts2", {"7", "2", "3", "8"}, {}, {}},
    {"Counts3", {"20", ".25", "9"}, {}, {}},
    {"Counts4", {"12", "6.5"}, {}, {}},
    {"Percent1", {"60", "30", "100"}, {}, {}},
    {"Percent2", {"60", "100", "50", "100"}, {}, {}},
    {"Percent3", {"50", "100", "", "95"}, {}, {}},
    {"Means1", {}, kBloodPressure, {}},
    {"Means2", {"24.3", "4.1", "12", "20.6", "3.8", "14"}, {}, {}},
    {"Means4", {"103.5", "12", "36", "", "100"}, {}, {}},
    {"Means5", {"12.4", "10", "8.1", "15"}, {}, {}},
    {"Means6", {}, kClasses, {}},
    {"Correl", {}, kStudyHours, CorrelationMethod::Regression},
    {"Correl", {}, kStudyHours, CorrelationMethod::Pearson},
    {"Correl", {}, kStudyHours, CorrelationMethod::Spearman},
};

DataSheetInput sheetOf(const ReportExample& example) {
    DataSheetInput input;
    for (std::size_t row = 0; row < example.rows.size(); ++row)
        for (std::size_t column = 0; column < example.rows[row].size(); ++column)
            input.sheet.setText(int(row) + 1, int(column) + 1, example.rows[row][column]);
    if (example.method)
        input.options["method"] = correlationMethodKey(*example.method);
    return input;
}

// The page the window's "Help" opens: the correlation window's depends on its method.
std::string_view helpPageOf(const CatalogueEntry& row, const ReportExample& example) {
    if (example.method)
        return row.help.at(correlationPresentation(*example.method).helpPage).page;
    return row.help.front().page;
}

TEST(HelpReport, EveryCalculationWithAReportHasAnExampleHere) {
    std::set<std::string_view> covered;
    for (const auto& example : examples)
        covered.insert(example.window);
    for (const CatalogueEntry& row : catalogue())
        EXPECT_EQ(row.report != nullptr, covered.contains(row.windowName)) << row.windowName;
}

TEST(HelpReport, PagesNameEveryQuantityAndShowTheExampleReport) {
    for (const auto& example : examples) {
        SCOPED_TRACE(example.window);
        const CatalogueEntry* row = findByWindow(example.window);
        ASSERT_NE(row, nullptr);
        ASSERT_NE(row->report, nullptr);
        const DataSheetInput sheet = sheetOf(example);
        const Outcome outcome = example.rows.empty()
                                    ? std::get<QuestionInputs>(row->inputs).calculate(example.boxes)
                                    : std::get<SheetInputs>(row->inputs).calculate(sheet);
        const auto* answer = std::get_if<Answer>(&outcome);
        ASSERT_NE(answer, nullptr) << "the example is refused";
        const Report report =
            row->report(ReportInput{.texts = example.boxes,
                                    .sheet = example.rows.empty() ? nullptr : &sheet,
                                    .answer = *answer,
                                    .options = {}});
        ASSERT_FALSE(report.quantities.empty());

        const std::string_view page = helpPageOf(*row, example);
        SCOPED_TRACE(page);
        const std::string source = testing::helpPageSource(page);
        ASSERT_NE(source.find("id=\"report\""), std::string::npos) << "no report section";
        for (const ReportQuantity& quantity : report.quantities)
            EXPECT_NE(source.find("<code>" + quantity.name + "</code>"), std::string::npos)
                << "quantity not explained: " << quantity.name;

        // The page's worked report must be what the calculation now gives.
        const std::string text = testing::helpPageText(page);
        for (const std::string& line : report.lines)
            EXPECT_NE(text.find(testing::asPageText(line)), std::string::npos)
                << "report line not on the page: " << line;
        EXPECT_NE(text.find(testing::asPageText(report.published)), std::string::npos)
            << "published line not on the page: " << report.published;
    }
}

} // namespace
} // namespace quillon
