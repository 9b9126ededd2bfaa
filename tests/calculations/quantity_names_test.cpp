// The names of the published quantities are an interface for scripts: the README and the manual
// page of quillon-calc list them for every calculation, and a name changed in the catalogue fails
// here until both lists say so. Names are lower case words joined by "_", once in a row.
#include "calculations/catalogue.h"

#include <gtest/gtest.h>

#include <fstream>
#include <map>
#include <regex>
#include <set>
#include <sstream>
#include <string>
#include <utility>
#include <vector>

namespace quillon {
namespace {

using NameLists = std::map<std::string, std::vector<std::string>>;

std::string fileText(const std::string& path) {
    std::ifstream file(path);
    std::ostringstream text;
    text << file.rdbuf();
    return text.str();
}

std::vector<std::string> splitNames(const std::string& list, const std::regex& name) {
    std::vector<std::string> names;
    for (auto it = std::sregex_iterator(list.begin(), list.end(), name);
         it != std::sregex_iterator(); ++it)
        names.push_back((*it)[1]);
    return names;
}

// "- `t-critical`: `critical_t`, `df`, `p`" lines of the README.
NameLists readmeLists() {
    NameLists lists;
    std::istringstream lines(fileText(std::string(QUILLON_SOURCE_DIR) + "/README.md"));
    const std::regex line("^- `([a-z0-9-]+)`: (`.*)$");
    const std::regex name("`([^`]*)`");
    for (std::string text; std::getline(lines, text);) {
        std::smatch match;
        if (std::regex_match(text, match, line))
            lists[match[1]] = splitNames(match[2], name);
    }
    return lists;
}

// ".B t-critical" followed by "critical_t, df, p" in the manual page's QUANTITIES section.
NameLists manualPageLists() {
    NameLists lists;
    std::istringstream lines(
        fileText(std::string(QUILLON_BINARY_DIR) + "/packaging/quillon-calc.1"));
    const std::regex name("([a-z0-9_]+)");
    bool inSection = false;
    std::string command;
    for (std::string text; std::getline(lines, text);)
        if (text.starts_with(".SH "))
            inSection = text == ".SH QUANTITIES";
        else if (inSection && text.starts_with(".B "))
            command = text.substr(3);
        else if (inSection && !command.empty() && !text.starts_with("."))
            lists[std::exchange(command, {})] = splitNames(text, name);
    return lists;
}

std::vector<std::string> declaredNames(const CatalogueEntry& row) {
    std::vector<std::string> names;
    for (const QuantityName& quantity : row.quantities)
        names.emplace_back(quantity.name);
    return names;
}

TEST(QuantityNames, AreWellFormedAndOnceInARow) {
    const std::regex wellFormed("[a-z][a-z0-9]*(_[a-z0-9]+)*");
    for (const CatalogueEntry& row : catalogue()) {
        SCOPED_TRACE(std::string(row.commandName));
        EXPECT_FALSE(row.quantities.empty());
        std::set<std::string_view> seen;
        for (const QuantityName& quantity : row.quantities) {
            EXPECT_TRUE(std::regex_match(std::string(quantity.name), wellFormed)) << quantity.name;
            EXPECT_TRUE(seen.insert(quantity.name).second) << quantity.name << " twice";
            EXPECT_FALSE(quantity.label.empty()) << quantity.name;
        }
    }
}

TEST(QuantityNames, TheReadmeAndTheManualPageListThemAsTheCatalogueDeclares) {
    const NameLists documents[] = {readmeLists(), manualPageLists()};
    const char* const titles[] = {"README.md", "quillon-calc.1"};
    for (std::size_t d = 0; d < 2; ++d) {
        SCOPED_TRACE(titles[d]);
        EXPECT_EQ(documents[d].size(), catalogue().size());
        for (const CatalogueEntry& row : catalogue()) {
            const auto listed = documents[d].find(std::string(row.commandName));
            ASSERT_NE(listed, documents[d].end()) << row.commandName << " is not listed";
            EXPECT_EQ(listed->second, declaredNames(row)) << row.commandName;
        }
    }
}

} // namespace
} // namespace quillon
