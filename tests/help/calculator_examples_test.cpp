#include "calculations/catalogue.h"
#include "tests/help/help_page_text.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace quillon {
namespace {

struct CalculatorExample {
    const char* page;                // help page file name
    const char* window;              // calculator window name
    std::vector<std::string> inputs; // what the example types, Input1 first
};

// Every worked example on a calculator window's page: the page must show the answer exactly as the
// calculation gives it, and the clipboard summary too when the page quotes it.
const CalculatorExample examples[] = {
    // Distributions
    {"distr1a.html", "Distr1a", {"1.96"}},
    {"distr1a.html", "Distr1a", {"-2.5"}},
    {"distr1b.html", "Distr1b", {".05"}},
    {"distr1b.html", "Distr1b", {".01"}},
    {"distr1b.html", "Distr1b", {".10"}},
    {"distr1c.html", "Distr1c", {"100", "15", "85", "115"}},
    {"distr1c.html", "Distr1c", {"100", "15", "100", "130"}},
    {"distr1c.html", "Distr1c", {"100", "15", "110", "130"}},
    {"distr2a.html", "Distr2a", {"2.228", "10"}},
    {"distr2a.html", "Distr2a", {"-2.5", "20"}},
    {"distr2a.html", "Distr2a", {"2", "5000"}},
    {"distr2b.html", "Distr2b", {".05", "10"}},
    {"distr2b.html", "Distr2b", {".01", "20"}},
    {"distr2b.html", "Distr2b", {".0001", "1"}},
    {"distr2c.html", "Distr2c", {"100", "15", "25", "85", "115"}},
    {"distr2c.html", "Distr2c", {"50", "10", "11", "55", "70"}},
    {"distr3a.html", "Distr3a", {"2", "3", "10"}},
    {"distr3a.html", "Distr3a", {"3.5", "2", "20"}},
    {"distr3b.html", "Distr3b", {".05", "3", "10"}},
    {"distr3b.html", "Distr3b", {".01", "2", "20"}},
    {"distr3b.html", "Distr3b", {".95", "3", "10"}},
    {"distr4a.html", "Distr4a", {"3.84", "1"}},
    {"distr4a.html", "Distr4a", {"18.3", "10"}},
    {"distr4a.html", "Distr4a", {"40", "31"}},
    {"distr4b.html", "Distr4b", {".05", "1"}},
    {"distr4b.html", "Distr4b", {".01", "5"}},
    {"distr4b.html", "Distr4b", {".05", "100"}},
    // Percents
    {"percent1.html", "Percent1", {"60", "30", "100"}},
    {"percent1.html", "Percent1", {"45", "35", "200"}},
    {"percent2.html", "Percent2", {"60", "100", "50", "100"}},
    {"percent2.html", "Percent2", {"45", "200", "35", "150"}},
    {"percent3.html", "Percent3", {"50", "100", "", "95"}},
    {"percent3.html", "Percent3", {"50", "100", "1000", "95"}},
    {"percent3.html", "Percent3", {"30", "400", "", "95"}},
    // Sampling
    {"sample1.html", "Sample1", {"", "50", "5", "95"}},
    {"sample1.html", "Sample1", {"1000", "50", "5", "95"}},
    {"sample1.html", "Sample1", {"", "20", "3", "99"}},
    {"sample2.html", "Sample2", {"15", "2", "95"}},
    {"sample2.html", "Sample2", {"10", "1", "99"}},
    {"sample3.html", "Sample3", {"", "50", "500", "95"}},
    {"sample3.html", "Sample3", {"1000", "50", "200", "95"}},
    // Counts and Means
    {"counts2.html", "Counts2", {"7", "2", "3", "8"}},
    {"counts2.html", "Counts2", {"8", "1", "2", "9"}},
    {"counts2.html", "Counts2", {"9", "0", "1", "10"}},
    {"counts3.html", "Counts3", {"20", ".25", "9"}},
    {"counts3.html", "Counts3", {"20", ".25", "2"}},
    {"counts3.html", "Counts3", {"2000", ".5", "1100"}},
    {"counts4.html", "Counts4", {"12", "6.5"}},
    {"counts4.html", "Counts4", {"2", "5"}},
    {"counts4.html", "Counts4", {"5", "5"}},
    {"counts4.html", "Counts4", {"1100", "1000"}},
    {"means2.html", "Means2", {"24.3", "4.1", "12", "20.6", "3.8", "14"}},
    {"means3.html", "Means3", {"72.4", "8.6", "30", "", "95"}},
    {"means3.html", "Means3", {"72.4", "8.6", "30", "400", "95"}},
    {"means4.html", "Means4", {"103.5", "12", "36", "", "100"}},
    {"means4.html", "Means4", {"96.2", "12", "36", "", "100"}},
    {"means5.html", "Means5", {"12.4", "10", "8.1", "15"}},
    {"means5.html", "Means5", {"8.1", "15", "12.4", "10"}},
};

TEST(HelpExamples, CalculatorPagesShowWhatTheCalculationGives) {
    for (const auto& example : examples) {
        SCOPED_TRACE(example.page);
        const CatalogueEntry* row = findByWindow(example.window);
        ASSERT_NE(row, nullptr);
        ASSERT_TRUE(std::holds_alternative<QuestionInputs>(row->inputs));
        const Outcome outcome = std::get<QuestionInputs>(row->inputs).calculate(example.inputs);
        const auto* result = std::get_if<Answer>(&outcome);
        ASSERT_NE(result, nullptr) << "the example is refused";
        std::string page = testing::helpPageText(example.page);
        const std::string answerText = testing::asPageText(result->text);
        if (result->clipboard && page.find("Clipboard") != std::string::npos) {
            const std::string clipboardText = testing::asPageText(*result->clipboard);
            const auto at = page.find(clipboardText);
            EXPECT_NE(at, std::string::npos)
                << "clipboard text not on the page: " << *result->clipboard;
            // A summary that repeats the answer lines must not stand in for the answer itself.
            if (at != std::string::npos && clipboardText != answerText)
                page.erase(at, clipboardText.size());
        }
        EXPECT_NE(page.find(answerText), std::string::npos)
            << "answer not on the page: " << result->text;
    }
}

} // namespace
} // namespace quillon
