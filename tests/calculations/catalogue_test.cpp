#include "calculations/catalogue.h"
#include "calculations/correlation/correlate.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <set>
#include <string>

namespace quillon {
namespace {

// Short names are typed at a terminal: lowercase letters and digits in words joined by hyphens.
bool isShortName(std::string_view name) {
    if (name.empty() || name.front() == '-' || name.back() == '-' ||
        name.find("--") != std::string_view::npos)
        return false;
    return std::all_of(name.begin(), name.end(), [](char c) {
        return (c >= 'a' && c <= 'z') || (c >= '0' && c <= '9') || c == '-';
    });
}

TEST(Catalogue, EveryCalculationOnceWithNamesThatFindIt) {
    std::set<std::string_view> windows;
    std::set<std::string_view> names;
    std::set<std::string_view> menuItems;
    std::set<int> topics;
    for (const CatalogueEntry& entry : catalogue()) {
        SCOPED_TRACE(std::string(entry.windowName));
        EXPECT_TRUE(windows.insert(entry.windowName).second);
        EXPECT_TRUE(names.insert(entry.commandName).second);
        EXPECT_TRUE(menuItems.insert(entry.menuItem).second);
        EXPECT_TRUE(isShortName(entry.commandName)) << entry.commandName;
        EXPECT_FALSE(entry.title.empty());
        EXPECT_FALSE(entry.menuCaption.empty());
        ASSERT_FALSE(entry.help.empty());
        for (const HelpPage& help : entry.help) {
            EXPECT_TRUE(topics.insert(help.topic).second) << help.topic;
            EXPECT_TRUE(help.page.ends_with(".html")) << help.page;
        }
        EXPECT_EQ(findByWindow(entry.windowName), &entry);
        EXPECT_EQ(findByName(entry.commandName), &entry);
    }
    EXPECT_EQ(findByWindow("NoSuchWindow"), nullptr);
    EXPECT_EQ(findByName("no-such-calculation"), nullptr);
}

TEST(Catalogue, InputsFitTheirWindows) {
    for (const CatalogueEntry& entry : catalogue()) {
        SCOPED_TRACE(std::string(entry.windowName));
        if (const auto* asked = std::get_if<QuestionInputs>(&entry.inputs)) {
            EXPECT_NE(asked->calculate, nullptr);
            EXPECT_GE(asked->inputCount, 1);
            EXPECT_LE(asked->inputCount, 6);
            if (asked->layout != CalculatorLayout::FourfoldTable)
                EXPECT_EQ(asked->questions.size(), std::size_t(asked->inputCount));
        } else {
            const auto& sheet = std::get<SheetInputs>(entry.inputs);
            EXPECT_NE(sheet.calculate, nullptr);
            EXPECT_GE(sheet.columns, 1);
            EXPECT_LE(sheet.columns, DataSheet::kColumns);
            EXPECT_EQ(sheet.headings.size(), std::size_t(sheet.columns) + 1);
            EXPECT_FALSE(sheet.instruction.empty());
            if (sheet.answer == AnswerArea::Table) {
                // The window divides its width among the columns and clears the summary rows.
                EXPECT_GE(sheet.answerGrid.columns, 1);
                EXPECT_GE(sheet.answerGrid.lastSummaryRow, 0);
                EXPECT_GT(sheet.answerGrid.firstNumberRow, sheet.answerGrid.lastSummaryRow);
            }
        }
    }
}

} // namespace
} // namespace quillon

namespace quillon {
namespace {

// The correlation window's "Help" opens the row's page for the chosen method.
TEST(Catalogue, CorrelationMethodsOpenTheirPagesOfTheRow) {
    const struct {
        CorrelationMethod method;
        std::string_view page;
    } cases[] = {
        {CorrelationMethod::Pearson, "correlation.html"},
        {CorrelationMethod::Spearman, "correlation.html"},
        {CorrelationMethod::Regression, "regression.html"},
    };
    const CatalogueEntry* row = findByWindow("Correl");
    ASSERT_NE(row, nullptr);
    for (const auto& c : cases) {
        const std::size_t page = correlationPresentation(c.method).helpPage;
        ASSERT_LT(page, row->help.size());
        EXPECT_EQ(row->help[page].page, c.page) << int(c.method);
    }
    // The window opens on the regression, with the row's first page.
    EXPECT_EQ(correlationPresentation(CorrelationMethod::Regression).helpPage, 0u);
}

} // namespace
} // namespace quillon
