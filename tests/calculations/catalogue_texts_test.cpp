// The texts outside the program that list or count the calculations agree with the catalogue:
// the count the build configures its manual pages and package texts with, the texts that say the
// count themselves, and the help contents page.
#include "calculations/catalogue.h"

#include <gtest/gtest.h>

#include <fstream>
#include <sstream>
#include <string>

namespace quillon {
namespace {

std::string sourceText(const std::string& path) {
    std::ifstream file(std::string(QUILLON_SOURCE_DIR) + "/" + path);
    std::ostringstream text;
    text << file.rdbuf();
    return text.str();
}

TEST(CatalogueTexts, TheConfiguredCountIsTheCatalogues) {
    EXPECT_EQ(catalogue().size(), std::size_t{QUILLON_CALCULATION_COUNT});
}

// Texts that are not generated but say how many calculations there are.
struct CountedText {
    const char* path;
    std::string phrase; // as the text says it, the count in words
};

TEST(CatalogueTexts, TextsThatCountTheCalculationsSayTheCatalogueSize) {
    const std::string words = QUILLON_CALCULATION_COUNT_WORDS;
    const CountedText texts[] = {
        {"README.md", "a desktop program of " + words + " small statistical calculators"},
    };
    for (const CountedText& text : texts) {
        const std::string content = sourceText(text.path);
        ASSERT_FALSE(content.empty()) << text.path;
        EXPECT_NE(content.find(text.phrase), std::string::npos)
            << text.path << " does not say: " << text.phrase;
    }
}

// The contents page links every row's help pages, grouped as the menu shows them: the rows'
// first links come in catalogue order.
TEST(CatalogueTexts, HelpContentsLinksEveryRowInMenuOrder) {
    const std::string contents = sourceText("help/contents.html");
    ASSERT_FALSE(contents.empty());
    std::size_t previous = 0;
    std::string previousWindow = "(start)";
    for (const CatalogueEntry& row : catalogue()) {
        std::size_t first = std::string::npos;
        for (const HelpPage& help : row.help) {
            const std::size_t at = contents.find("href=\"" + std::string(help.page) + "\"");
            EXPECT_NE(at, std::string::npos) << row.windowName << ": " << help.page;
            first = std::min(first, at);
        }
        if (first == std::string::npos)
            continue;
        EXPECT_GT(first, previous) << row.windowName << " comes before " << previousWindow;
        previous = first;
        previousWindow = std::string(row.windowName);
    }
}

TEST(CatalogueTexts, HelpResourcesHoldEveryRowsPages) {
    const std::string resources = sourceText("help/help.qrc");
    ASSERT_FALSE(resources.empty());
    for (const CatalogueEntry& row : catalogue()) {
        for (const HelpPage& help : row.help) {
            EXPECT_NE(resources.find("<file>" + std::string(help.page) + "</file>"),
                      std::string::npos)
                << row.windowName << ": " << help.page;
        }
    }
}

} // namespace
} // namespace quillon
