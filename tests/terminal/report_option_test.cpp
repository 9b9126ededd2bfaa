// --report, --level and --exponent: the report below the answer, in JSON with every quantity a
// number or null with its reason, after a batch row's line, and the usage errors of the options.
#include "tests/terminal/terminal_run.h"

#include <gtest/gtest.h>
#include <nlohmann/json.hpp>

namespace quillon::terminal {
namespace {

using Json = nlohmann::json;

TEST(ReportOption, PrintsTheReportBelowTheUnchangedAnswer) {
    const CalcRun plain = runCalc({"independent-groups", "10", "2", "10", "12", "2", "10"});
    const CalcRun reported =
        runCalc({"independent-groups", "10", "2", "10", "12", "2", "10", "--report"});
    EXPECT_EQ(reported.status, 0);
    ASSERT_TRUE(reported.out.starts_with(plain.out)) << reported.out;
    EXPECT_TRUE(
        reported.out.ends_with("\n\nt(18) = 2.24, p = .038, d = 1.00, 95% CI [0.05, 1.92]\n"))
        << reported.out;
}

TEST(ReportOption, JsonCarriesEveryQuantityAsANumberOrNullWithItsReason) {
    const CalcRun run = runCalc({"fisher-exact", "5", "0", "2", "6", "--report", "--json"});
    ASSERT_EQ(run.status, 0) << run.err;
    const Json object = Json::parse(run.out);
    const Json& report = object.at("report");
    EXPECT_TRUE(report.at("published").is_string());
    EXPECT_TRUE(report.at("lines").is_array());
    bool sawNull = false;
    for (const Json& quantity : report.at("quantities")) {
        EXPECT_TRUE(quantity.at("value").is_number() || quantity.at("value").is_null()) << quantity;
        if (quantity.at("value").is_null()) {
            sawNull = true;
            EXPECT_TRUE(quantity.at("text").get<std::string>().starts_with("not defined"));
        }
    }
    EXPECT_TRUE(sawNull)
        << "the exact interval of an odds ratio with an empty cell has no upper end";
    const Json twoSided = report.at("quantities").at(3);
    EXPECT_EQ(twoSided.at("name"), "p_two_sided");
    EXPECT_TRUE(twoSided.at("value").is_number());
}

TEST(ReportOption, LevelAndExponentApply) {
    const CalcRun run = runCalc({"independent-groups", "10", "1", "50", "14", "1", "50", "--report",
                                 "--level", "99", "--exponent"});
    ASSERT_EQ(run.status, 0) << run.err;
    EXPECT_NE(run.out.find("99% CI ["), std::string::npos) << run.out;
    EXPECT_NE(run.out.find("e-"), std::string::npos) << run.out;
}

TEST(ReportOption, SheetAndBatchRowsCarryTheirReport) {
    const CalcRun sheet = runCalc({"anova", "--report"}, "10,2,10\n12,2,10\n13,3,10\n");
    ASSERT_EQ(sheet.status, 0) << sheet.err;
    EXPECT_NE(sheet.out.find("η² = .23, 95% CI [.00, .44]"), std::string::npos) << sheet.out;
    const CalcRun batch = runCalc({"fisher-exact", "--batch", "--report"}, "3,1,1,3\n\n5,5,5,5\n");
    ASSERT_EQ(batch.status, 0) << batch.err;
    EXPECT_NE(batch.out.find("\tFisher's exact test, p = .486"), std::string::npos) << batch.out;
    EXPECT_EQ(std::count(batch.out.begin(), batch.out.end(), '\n'), 3) << batch.out;
}

struct UsageCase {
    std::vector<std::string> arguments;
};

class ReportUsage : public testing::TestWithParam<UsageCase> {};

TEST_P(ReportUsage, IsAUsageError) {
    const CalcRun run = runCalc(GetParam().arguments);
    EXPECT_EQ(run.status, 64) << run.out << run.err;
}

INSTANTIATE_TEST_SUITE_P(
    Options, ReportUsage,
    testing::Values(UsageCase{{"fisher-exact", "3", "1", "1", "3", "--level", "99"}},
                    UsageCase{{"fisher-exact", "3", "1", "1", "3", "--report", "--level", "100"}},
                    UsageCase{{"fisher-exact", "3", "1", "1", "3", "--report", "--level", "40"}},
                    UsageCase{{"fisher-exact", "3", "1", "1", "3", "--report", "--clipboard"}},
                    // A calculation without a report has no such option.
                    UsageCase{{"t-critical", ".05", "10", "--report"}}));

} // namespace
} // namespace quillon::terminal
