// The start page's search: what people type and which calculation comes first.
#include "calculations/calculation_family.h"
#include "calculations/calculation_search.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

using namespace quillon;

namespace {

std::vector<std::string> windowsFound(std::string_view text) {
    std::vector<std::string> windows;
    for (const CalculationMatch& match : findCalculations(text))
        windows.emplace_back(match.row->windowName);
    return windows;
}

struct FirstMatch {
    const char* typed;
    std::vector<const char*> firstIsOneOf;
};

const std::vector<FirstMatch> kFirstMatches = {
    {"anova", {"Means6"}},
    {"analysis of variance", {"Means6"}},
    {"one-way anova", {"Means6"}},
    {"t test", {"Percent1", "Percent2", "Means1", "Means2"}},
    {"ttest", {"Percent1", "Percent2", "Means1", "Means2"}},
    {"chi", {"Counts1", "Distr4a", "Distr4b"}},
    {"chi squared", {"Counts1", "Distr4a", "Distr4b"}},
    {"contingency table", {"Counts1"}},
    {"sample size", {"Sample1", "Sample2"}},
    {"how many", {"Sample1", "Sample2"}},
    {"correlation", {"Correl"}},
    {"spearman", {"Correl"}},
    {"fisher", {"Counts2"}},
    {"Fisher's", {"Counts2"}},
    {"binomial", {"Counts3"}},
    {"poisson", {"Counts4"}},
    {"percent", {"Percent1", "Percent2", "Percent3"}},
    {"proportion", {"Percent1", "Percent2", "Percent3"}},
    {"mean", {"Means0"}},
    {"median", {"Means0"}},
    {"standard deviation", {"Means0"}},
    {"sd", {"Means0", "Means5"}},
    {"z", {"Distr1a", "Distr1b"}},
    {"t", {"Distr2a", "Distr2b"}},
    {"critical", {"Distr1b"}},
    {"critical t", {"Distr2b"}},
    {"confidence interval", {"Percent3", "Means3"}},
    {"ci mean", {"Means3"}},
    {"paired", {"Means1"}},
    {"unpaired", {"Means2"}},
    {"t-critical", {"Distr2b"}},
    {"t-range", {"Distr2c"}},
    {"Distr2b", {"Distr2b"}},
    {"means6", {"Means6"}},
    {"gaussian", {"Distr1a", "Distr1b", "Distr1c"}},
    {"margin of error", {"Sample3"}},
    {"p value", {"Distr1a"}},
    {"f ratio", {"Distr3a"}},
};

} // namespace

TEST(CalculationSearch, FirstMatchOfWhatPeopleType) {
    for (const FirstMatch& expected : kFirstMatches) {
        const std::vector<std::string> found = windowsFound(expected.typed);
        ASSERT_FALSE(found.empty()) << expected.typed;
        EXPECT_NE(std::find(expected.firstIsOneOf.begin(), expected.firstIsOneOf.end(), found[0]),
                  expected.firstIsOneOf.end())
            << expected.typed << " found " << found[0] << " first";
    }
}

TEST(CalculationSearch, NothingTypedListsEveryRowInMenuOrder) {
    for (const char* typed : {"", "   ", "-", "?!"}) {
        const std::vector<CalculationMatch> found = findCalculations(typed);
        ASSERT_EQ(found.size(), catalogue().size()) << '"' << typed << '"';
        for (std::size_t i = 0; i < found.size(); ++i)
            EXPECT_EQ(found[i].row, &catalogue()[i]) << '"' << typed << '"';
    }
    EXPECT_EQ(catalogue().size(), 28U);
}

TEST(CalculationSearch, WordsNotAboutAnyCalculationFindNothing) {
    for (const char* typed : {"xyzzy", "qq", "t xyzzy", "two way anova", "wilcoxon", "é"})
        EXPECT_TRUE(windowsFound(typed).empty()) << typed;
}

// Every word typed must be found, so a second word narrows the first.
TEST(CalculationSearch, EachWordNarrowsTheList) {
    const std::vector<std::string> range = windowsFound("defined range");
    EXPECT_EQ(range, (std::vector<std::string>{"Distr1c", "Distr2c"}));
    EXPECT_EQ(windowsFound("range t"), (std::vector<std::string>{"Distr2c"}));
    EXPECT_EQ(windowsFound("normal range"), (std::vector<std::string>{"Distr1c"}));
    EXPECT_EQ(windowsFound("fisher exact test").size(), 1U);
    // Beside another word, one letter is only itself: "t test" is not "test" nor "two".
    EXPECT_EQ(windowsFound("t test"),
              (std::vector<std::string>{"Percent1", "Percent2", "Means1", "Means2", "Correl"}));
}

TEST(CalculationSearch, BetterMatchesComeBeforeWorseAndTiesKeepMenuOrder) {
    for (const char* typed : {"chi", "t", "test", "sample", "mean", "probability", "critical",
                              "variance", "error", "f", "percent"}) {
        const std::vector<CalculationMatch> found = findCalculations(typed);
        for (std::size_t i = 1; i < found.size(); ++i)
            ASSERT_LE(found[i - 1].rank, found[i].rank) << typed;
    }
    // Titles that begin alike keep the menu's order.
    EXPECT_EQ(windowsFound("critical"),
              (std::vector<std::string>{"Distr1b", "Distr2b", "Distr3b", "Distr4b"}));
    // A title that begins with the text comes before one that only holds its words.
    const std::vector<std::string> chi = windowsFound("chi");
    EXPECT_EQ(chi.front(), "Counts1");
    EXPECT_LT(std::find(chi.begin(), chi.end(), "Distr4a"),
              std::find(chi.begin(), chi.end(), "Distr4b"));
}

TEST(CalculationSearch, EveryRowIsFoundByItsTitleAndByItsReadableName) {
    for (const CatalogueEntry& row : catalogue()) {
        const std::vector<CalculationMatch> byTitle = findCalculations(row.title);
        ASSERT_FALSE(byTitle.empty()) << row.title;
        EXPECT_TRUE(std::any_of(byTitle.begin(), byTitle.end(), [&](const CalculationMatch& m) {
            return m.row == &row;
        })) << row.title;
        const std::vector<CalculationMatch> byName = findCalculations(row.commandName);
        ASSERT_FALSE(byName.empty()) << row.commandName;
        EXPECT_EQ(byName.front().row, &row) << row.commandName;
        EXPECT_EQ(byName.front().rank, MatchRank::Name);
    }
}

// A synonym that stands for words no calculation has would find nothing: a slip in the table.
TEST(CalculationSearch, EverySynonymFindsACalculation) {
    for (const Synonym& synonym : searchSynonyms()) {
        EXPECT_FALSE(findCalculations(synonym.phrase).empty()) << synonym.phrase;
        for (const std::string_view stands : synonym.standsFor)
            EXPECT_FALSE(findCalculations(stands).empty()) << synonym.phrase << " -> " << stands;
    }
}

TEST(CalculationFamily, EachRowIsInTheFamilyOfItsMenu) {
    const std::vector<std::pair<std::string_view, std::string>> cases = {
        {"Distr1a", "Normal distribution"},
        {"Distr2b", "T distribution"},
        {"Distr3a", "F distribution"},
        {"Distr4b", "Chi-square distribution"},
        {"Counts2", "Counts"},
        {"Percent1", "Percents"},
        {"Means6", "Means"},
        {"Correl", "Correlation"},
        {"Sample3", "Sampling"},
    };
    for (const auto& [window, family] : cases)
        EXPECT_EQ(familyCaption(*findByWindow(window)), family) << window;
    EXPECT_EQ(withoutAccessKey("R&&D &Menu"), "R&D Menu");
}
