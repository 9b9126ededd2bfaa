// The names of the report's quantities are an interface for scripts: the README lists them for
// each calculation, as its reports give them.

#include "tests/calculations/report/report_cases.h"

#include <gtest/gtest.h>

#include <fstream>
#include <map>
#include <regex>
#include <sstream>

namespace quillon {
namespace {

using NameLists = std::map<std::string, std::vector<std::string>>;

// "- `anova` report: `eta_squared`, ..." lines of the README.
NameLists readmeReportLists() {
    std::ifstream file(std::string(QUILLON_SOURCE_DIR) + "/README.md");
    std::stringstream text;
    text << file.rdbuf();
    NameLists lists;
    const std::regex line("^- `([a-z0-9-]+)` report: (`.*)$");
    const std::regex name("`([^`]*)`");
    std::istringstream lines(text.str());
    for (std::string row; std::getline(lines, row);) {
        std::smatch match;
        if (!std::regex_match(row, match, line))
            continue;
        const std::string list = match[2];
        std::vector<std::string>& names = lists[match[1]];
        for (auto it = std::sregex_iterator(list.begin(), list.end(), name);
             it != std::sregex_iterator(); ++it)
            names.push_back((*it)[1]);
    }
    return lists;
}

void append(std::vector<std::string>& names, const Report& report) {
    for (const ReportQuantity& quantity : report.quantities)
        if (std::find(names.begin(), names.end(), quantity.name) == names.end())
            names.push_back(quantity.name);
}

TEST(ReportNames, TheReadmeListsEveryReportsNamesInOrder) {
    const NameLists listed = readmeReportLists();
    for (const ReportCase& reportCase : reportCases()) {
        const CatalogueEntry& row = *findByWindow(reportCase.window);
        std::vector<std::string> names;
        append(names, *evaluateCase(reportCase).report);
        if (reportCase.window == "Correl") {
            ReportCase ranks = reportCase;
            ranks.options["method"] = "spearman";
            append(names, *evaluateCase(ranks).report);
        }
        const auto list = listed.find(std::string(row.commandName));
        ASSERT_NE(list, listed.end()) << row.commandName;
        EXPECT_EQ(list->second, names) << row.commandName;
    }
    EXPECT_EQ(listed.size(), reportCases().size());
}

} // namespace
} // namespace quillon
