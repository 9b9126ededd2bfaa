// The report as every front end receives it from the evaluation: asked for or not, it never
// changes the answer; its numbers are finite or say why; its level and exponent are applied.

#include "tests/calculations/report/report_cases.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <fstream>
#include <regex>
#include <set>
#include <sstream>

namespace quillon {
namespace {

std::string joined(const Report& report) {
    std::string text;
    for (const std::string& line : report.lines)
        text += line + "\n";
    return text + report.published;
}

const ReportQuantity* quantityNamed(const Report& report, const std::string& name) {
    for (const ReportQuantity& quantity : report.quantities)
        if (quantity.name == name)
            return &quantity;
    return nullptr;
}

class EveryReport : public testing::TestWithParam<ReportCase> {};

TEST_P(EveryReport, LeavesTheAnswerAsItIsAndPrintsNoNonNumber) {
    const Evaluation without = evaluateCase(GetParam(), std::nullopt);
    const Evaluation with = evaluateCase(GetParam());
    ASSERT_EQ(with.kind, Evaluation::Kind::Answered) << with.reason;
    EXPECT_FALSE(without.report.has_value());
    EXPECT_EQ(with.answer, without.answer);
    EXPECT_EQ(with.quantities, without.quantities);
    ASSERT_TRUE(with.report.has_value());
    const Report& report = *with.report;
    EXPECT_FALSE(report.quantities.empty());
    EXPECT_FALSE(report.published.empty());
    const std::string text = joined(report);
    EXPECT_FALSE(std::regex_search(text, std::regex("nan|inf|NaN|Inf"))) << text;
    for (const ReportQuantity& quantity : report.quantities) {
        EXPECT_FALSE(quantity.label.empty()) << quantity.name;
        EXPECT_TRUE(std::regex_match(quantity.name, std::regex("[a-z][a-z0-9_]*")))
            << quantity.name;
        if (quantity.value)
            EXPECT_TRUE(std::isfinite(*quantity.value)) << quantity.name;
        else
            EXPECT_EQ(quantity.text.rfind("not defined", 0), 0U) << quantity.name;
    }
}

TEST_P(EveryReport, NamesEachQuantityOnce) {
    const Report report = *evaluateCase(GetParam()).report;
    std::set<std::string> names;
    for (const ReportQuantity& quantity : report.quantities)
        EXPECT_TRUE(names.insert(quantity.name).second) << quantity.name;
}

TEST_P(EveryReport, EveryIntervalHoldsItsEstimate) {
    const Report report = *evaluateCase(GetParam()).report;
    for (const ReportQuantity& quantity : report.quantities) {
        const ReportQuantity* lower = quantityNamed(report, quantity.name + "_lower");
        const ReportQuantity* upper = quantityNamed(report, quantity.name + "_upper");
        if (!quantity.value || !lower || !upper || !lower->value || !upper->value)
            continue;
        EXPECT_LE(*lower->value, *quantity.value) << quantity.name;
        EXPECT_GE(*upper->value, *quantity.value) << quantity.name;
    }
}

TEST_P(EveryReport, TakesItsLevel) {
    const Evaluation evaluation = evaluateCase(GetParam(), ReportOptions{.level = 0.99});
    // The percent interval window reports at the level typed in its own box.
    const std::string expected = GetParam().window == "Percent3" ? "95% CI" : "99% CI";
    EXPECT_NE(joined(*evaluation.report).find(expected), std::string::npos)
        << joined(*evaluation.report);
}

INSTANTIATE_TEST_SUITE_P(Reports, EveryReport, testing::ValuesIn(reportCases()),
                         [](const testing::TestParamInfo<ReportCase>& param) {
                             return param.param.window;
                         });

TEST(Report, EveryCatalogueRowWithAReportHasACase) {
    for (const CatalogueEntry& row : catalogue()) {
        const bool hasCase =
            std::any_of(reportCases().begin(), reportCases().end(),
                        [&](const ReportCase& c) { return c.window == row.windowName; });
        EXPECT_EQ(hasCase, row.report != nullptr) << row.windowName;
    }
}

TEST(Report, AsksNothingOfARowWithoutOne) {
    const Evaluation evaluation =
        evaluate(*findByWindow("Distr2b"), std::vector<std::string>{".05", "10"}, ReportOptions{});
    ASSERT_EQ(evaluation.kind, Evaluation::Kind::Answered);
    EXPECT_FALSE(evaluation.report.has_value());
}

TEST(Report, RefusalHasNone) {
    const Evaluation evaluation =
        evaluate(*findByWindow("Means2"), std::vector<std::string>{"", "2", "10", "12", "2", "10"},
                 ReportOptions{});
    ASSERT_EQ(evaluation.kind, Evaluation::Kind::Refused);
    EXPECT_FALSE(evaluation.report.has_value());
}

struct PublishedCase {
    std::string window;
    std::vector<std::string> texts;
    std::vector<std::string> expected; // in the lines or the published line
};

class PublishedReport : public testing::TestWithParam<PublishedCase> {};

TEST_P(PublishedReport, Shows) {
    const CatalogueEntry& row = *findByWindow(GetParam().window);
    const Evaluation evaluation = evaluate(row, GetParam().texts, ReportOptions{});
    ASSERT_TRUE(evaluation.report.has_value()) << evaluation.reason;
    const std::string text = joined(*evaluation.report);
    for (const std::string& expected : GetParam().expected)
        EXPECT_NE(text.find(expected), std::string::npos) << expected << "\n" << text;
}

INSTANTIATE_TEST_SUITE_P(
    Cases, PublishedReport,
    testing::Values(
        PublishedCase{"Means2",
                      {"10", "2", "10", "12", "2", "10"},
                      {"t(18) = 2.24, p = .038, d = 1.00, 95% CI [0.05, 1.92]", "Hedges' g: 0.96",
                       "(second - first): 2.00, 95% CI [0.12, 3.88]"}},
        PublishedCase{"Counts2",
                      {"3", "1", "1", "3"},
                      {"Two-sided p, tables no more probable than this one: .4857",
                       "Fisher's exact test, p = .486"}},
        // A probability the window prints as .0000 shows its size.
        PublishedCase{"Means2",
                      {"10", "1", "50", "14", "1", "50"},
                      {"p < .001", "Welch's two-tailed probability: < .0001"}},
        // An empty cell leaves the ratios undefined, in words.
        PublishedCase{"Counts2",
                      {"5", "0", "2", "6"},
                      {"Conditional odds ratio (maximum likelihood, exact interval): not defined"}},
        PublishedCase{"Counts4", {"12", "7"}, {"count = 12, 95% CI [6.20, 20.96]"}}),
    [](const testing::TestParamInfo<PublishedCase>& param) {
        return param.param.window + std::to_string(param.index);
    });

TEST(Report, ExponentShowsTheSizeOfASmallProbability) {
    const Evaluation evaluation = evaluate(
        *findByWindow("Means2"), std::vector<std::string>{"10", "1", "50", "14", "1", "50"},
        ReportOptions{.exponent = true});
    const std::string text = joined(*evaluation.report);
    EXPECT_TRUE(std::regex_search(text, std::regex(R"(p = [1-9]\.[0-9]e-[0-9]+)"))) << text;
}

TEST(Report, HugeCountsPrintTheirTotal) {
    const ReportCase table{
        "Counts1", {}, {{"3", "1E19"}, {"3", "1E19"}}, {{"yates", std::string(kOptionOff)}}};
    const Evaluation evaluation = evaluateCase(table);
    ASSERT_EQ(evaluation.kind, Evaluation::Kind::Answered) << evaluation.message;
    EXPECT_NE(evaluation.report->published.find("N = 2.000e+19"), std::string::npos)
        << evaluation.report->published;
}

TEST(Report, EmptyCellOfAFourfoldTableSaysACellIsZero) {
    ReportCase table{
        "Counts1", {}, {{"10", "0"}, {"30", "15"}}, {{"yates", std::string(kOptionOff)}}};
    const Report report = *evaluateCase(table).report;
    const ReportQuantity* ratio = quantityNamed(report, "odds_ratio");
    ASSERT_NE(ratio, nullptr);
    EXPECT_FALSE(ratio->value.has_value());
    EXPECT_EQ(ratio->text, "not defined: a cell is 0");
}

} // namespace
} // namespace quillon
