// The JSON a script reads: each answer's quantities as numbers beside their texts, and the list's
// quantities and options of every calculation, checked as an interface: keys and types.
#include "calculations/catalogue.h"
#include "terminal/report.h"
#include "tests/terminal/terminal_run.h"

#include <gtest/gtest.h>
#include <nlohmann/json.hpp>

#include <limits>
#include <sstream>

namespace quillon::terminal {
namespace {

using Json = nlohmann::json;

void expectQuantities(const Json& quantities) {
    ASSERT_TRUE(quantities.is_array()) << quantities;
    for (const Json& quantity : quantities) {
        EXPECT_TRUE(quantity.at("name").is_string()) << quantity;
        EXPECT_TRUE(quantity.at("label").is_string()) << quantity;
        EXPECT_TRUE(quantity.at("value").is_number() || quantity.at("value").is_null()) << quantity;
        EXPECT_TRUE(quantity.at("text").is_string()) << quantity;
    }
}

TEST(JsonResults, QuantitiesAreNumbersAndANonFiniteValueIsNull) {
    const CatalogueEntry& entry = *findByName("independent-groups");
    Evaluation evaluation{.kind = Evaluation::Kind::Answered};
    evaluation.answer.text = "t = 2.236";
    evaluation.quantities = {
        {"t", "t-statistic", 2.2360680103302, "2.236"},
        {"df", "Degrees of freedom", 18.0, "18"},
        {"infinite", "An infinity", std::numeric_limits<double>::infinity(), "inf"},
        {"nan", "Not a number", std::numeric_limits<double>::quiet_NaN(), "nan"},
    };
    const std::string line = jsonLine(evaluationJson(entry, Json::array(), evaluation, 3));
    const Json parsed = Json::parse(line); // throws on text that is not JSON
    expectQuantities(parsed.at("quantities"));
    const Json& quantities = parsed.at("quantities");
    ASSERT_EQ(quantities.size(), 4u);
    EXPECT_EQ(quantities[0].at("name"), "t");
    EXPECT_EQ(quantities[0].at("label"), "t-statistic");
    EXPECT_DOUBLE_EQ(quantities[0].at("value").get<double>(), 2.2360680103302);
    EXPECT_EQ(quantities[1].at("value").get<double>(), 18.0);
    EXPECT_TRUE(quantities[2].at("value").is_null());
    EXPECT_TRUE(quantities[3].at("value").is_null());
    EXPECT_EQ(parsed.at("line"), 3);
    EXPECT_EQ(parsed.at("answer"), Json::array({"t = 2.236"}));
}

TEST(JsonResults, EveryAnswerCarriesItsQuantitiesOnlyAnAnswerDoes) {
    struct Case {
        std::string name;
        std::vector<std::string> arguments;
        std::string input;
        bool answered;
    };
    const std::vector<Case> cases = {
        {"one answer",
         {"independent-groups", "10", "2", "10", "12", "2", "10", "--json"},
         "",
         true},
        {"a batch row", {"t-critical", "--batch", "--json"}, ".05,10\n", true},
        {"a data sheet", {"describe-sample", "--json"}, "1\n2\n3\n", true},
        {"a refusal", {"t-critical", "2", "10", "--json"}, "", false},
    };
    for (const Case& row : cases) {
        SCOPED_TRACE(row.name);
        const CalcRun run = runCalc(row.arguments, row.input);
        const Json parsed = Json::parse(run.out);
        EXPECT_EQ(parsed.contains("quantities"), row.answered) << run.out;
        if (row.answered)
            expectQuantities(parsed.at("quantities"));
    }
}

TEST(JsonResults, TheListNamesQuantitiesAndOptions) {
    const CalcRun list = runCalc({"list", "--json"});
    ASSERT_EQ(list.status, 0);
    std::istringstream lines(list.out);
    std::size_t rows = 0;
    for (std::string line; std::getline(lines, line); ++rows) {
        const Json entry = Json::parse(line);
        SCOPED_TRACE(entry.at("name").get<std::string>());
        const CatalogueEntry& row = *findByName(entry.at("name").get<std::string>());
        ASSERT_TRUE(entry.at("quantities").is_array());
        ASSERT_EQ(entry.at("quantities").size(), row.quantities.size());
        for (std::size_t i = 0; i < row.quantities.size(); ++i) {
            EXPECT_EQ(entry["quantities"][i].at("name"), row.quantities[i].name);
            EXPECT_EQ(entry["quantities"][i].at("label"), row.quantities[i].label);
        }
        const auto* sheet = std::get_if<SheetInputs>(&row.inputs);
        if (sheet == nullptr) {
            EXPECT_FALSE(entry.contains("options"));
            continue;
        }
        const Json& options = entry.at("options");
        ASSERT_EQ(options.size(), sheet->options.size());
        for (std::size_t i = 0; i < options.size(); ++i) {
            const SheetOption& option = sheet->options[i];
            EXPECT_EQ(options[i].at("key"), option.key);
            EXPECT_EQ(options[i].at("option"), "--" + std::string(option.key));
            EXPECT_EQ(options[i].at("caption"), option.caption);
            EXPECT_EQ(options[i].at("default"), option.defaultValue);
            const std::string kind = options[i].at("kind");
            EXPECT_TRUE(kind == "text" || kind == "check" || kind == "choice") << kind;
            EXPECT_EQ(options[i].contains("choices"), kind == "choice");
            if (kind == "choice") {
                ASSERT_EQ(options[i]["choices"].size(), option.choices.size());
                for (std::size_t c = 0; c < option.choices.size(); ++c) {
                    EXPECT_EQ(options[i]["choices"][c].at("key"), option.choices[c].key);
                    EXPECT_EQ(options[i]["choices"][c].at("caption"), option.choices[c].caption);
                }
            }
        }
    }
    EXPECT_EQ(rows, catalogue().size());
}

TEST(JsonResults, TheOptionsOfEachSheetAreItsInputs) {
    struct Case {
        std::vector<std::string> arguments;
        std::string input;
        Json options;
    };
    const std::string pairs = "1 2\n2 4\n3 7\n4 8\n";
    const std::vector<Case> cases = {
        {{"describe-sample", "--json"}, "1\n2\n", {{"population", ""}}},
        {{"describe-sample", "--population", " 500 ", "--json"}, "1\n2\n", {{"population", "500"}}},
        {{"chi-square-test", "--json"}, "12,5\n4,11\n", {{"yates", false}}},
        {{"chi-square-test", "--yates", "--json"}, "12,5\n4,11\n", {{"yates", true}}},
        {{"correlation", "--json"}, pairs, {{"method", "regression"}}},
        {{"correlation", "--method", "Spearman", "--json"}, pairs, {{"method", "spearman"}}},
        {{"matched-pairs", "--json"}, pairs, Json::object()},
    };
    for (const Case& row : cases) {
        SCOPED_TRACE(row.arguments.front());
        const CalcRun run = runCalc(row.arguments, row.input);
        Json inputs = Json::parse(run.out).at("inputs");
        inputs.erase("rows");
        EXPECT_EQ(inputs, row.options);
    }
}

} // namespace
} // namespace quillon::terminal
