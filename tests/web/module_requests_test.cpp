// The web module's JSON requests, natively: every calculation answers as its evaluation does,
// requests that cannot be carried out say why instead of ending the module, and the catalogue
// lists every calculation with its questions.
#include "web/module/module_requests.h"

#include "calculations/catalogue.h"
#include "calculations/evaluation.h"
#include "tests/terminal/same_answer_cases.h"

#include <gtest/gtest.h>
#include <nlohmann/json.hpp>

namespace quillon::web {
namespace {

using Json = nlohmann::json;

Json answered(const Json& request) {
    return Json::parse(answerRequest(request.dump()));
}

TEST(ModuleRequests, EveryCalculationAnswersAsItsEvaluation) {
    for (const SameAnswerCase& row : sameAnswerCases()) {
        const CatalogueEntry* entry = findByName(row.name);
        if (entry == nullptr || !std::holds_alternative<QuestionInputs>(entry->inputs))
            continue;
        SCOPED_TRACE(row.name);
        const Evaluation expected = evaluate(*entry, row.arguments);
        const Json got = answered({{"name", row.name}, {"values", row.arguments}});
        ASSERT_EQ(expected.kind, Evaluation::Kind::Answered);
        std::string text = expected.answer.text;
        for (std::size_t at = text.find("\r\n"); at != std::string::npos; at = text.find("\r\n"))
            text.erase(at, 1);
        EXPECT_EQ(got.at("answer"), text);
        ASSERT_EQ(got.at("quantities").size(), expected.quantities.size());
        for (std::size_t i = 0; i < expected.quantities.size(); ++i)
            EXPECT_EQ(got["quantities"][i].at("text"), expected.quantities[i].text);
        if (expected.answer.clipboard)
            EXPECT_EQ(got.at("clipboard").get<std::string>().find('\r'), std::string::npos);
    }
}

TEST(ModuleRequests, DataSheetsRefusalsAndErrorsKeepTheirShape) {
    const Json anova = answered({{"name", "anova"},
                                 {"rows", {{"10", "2", "10"}, {"12", "2", "10"}}},
                                 {"report", true},
                                 {"figure", {{"width", 300}, {"height", 200}}}});
    EXPECT_FALSE(anova.at("table").empty());
    EXPECT_TRUE(anova.at("report").contains("published"));
    EXPECT_NE(anova.at("figure").get<std::string>().find("<svg"), std::string::npos);

    const Json refused = answered({{"name", "t-critical"}, {"values", {"", "10"}}});
    EXPECT_EQ(refused.at("refusal").at("box"), 1);
    EXPECT_FALSE(refused["refusal"].at("reason").get<std::string>().empty());
    EXPECT_FALSE(refused.contains("answer"));

    const Json cell = Json::parse(answerRequest(
        R"({"name": "describe-sample", "rows": [["1"], ["Weight"]], "options": {"population": ""}})"));
    EXPECT_EQ(cell.at("refusal").at("row"), 2);
    EXPECT_EQ(cell["refusal"].at("column"), 1);

    const Json yates = Json::parse(answerRequest(
        R"({"name": "Counts1", "rows": [["12", "5"], ["4", "11"]], "options": {"yates": true}})"));
    ASSERT_TRUE(yates.contains("inputs")) << yates.dump();
    EXPECT_EQ(yates["inputs"].at("yates"), "on");
}

TEST(ModuleRequests, RequestsThatCannotBeCarriedOutSayWhy) {
    Json rows = Json::array();
    for (int i = 0; i < 101; ++i)
        rows.push_back({"1"});
    const struct {
        std::string request;
        std::string problem; // a part of the reason given
    } cases[] = {
        {"{", "not a JSON object"},
        {"[1, 2]", "must be a JSON object"},
        {R"({"values": [".05", "10"]})", "names no calculation"},
        {R"({"name": "no-such"})", "no calculation is called no-such"},
        {R"({"name": "t-critical", "values": [".05"]})", "2 values needed"},
        {R"({"name": "t-critical", "values": [".05", 10]})", "list of texts"},
        {R"({"name": "z-probability", "values": ["1"], "report": true})", "has no report"},
        {R"({"name": "t-critical", "values": [".05", "10"], "figure": {"width": 50}})",
         "120 to 4000"},
        {R"({"name": "independent-groups", "values": ["1","1","1","1","1","1"],
             "report": {"level": 100}})",
         "50 to 99.99"},
        {R"({"name": "anova", "rows": "10 2 10"})", "list of rows"},
        {R"({"name": "anova", "rows": [["1", "2", "3", "4"]]})", "1 cell is beyond it"},
        {R"({"name": "describe-sample", "rows": )" + rows.dump() + "}", "100 rows of 1 column"},
        {R"({"name": "describe-sample", "options": {"colour": "red"}})", "no option colour"},
        {R"({"name": "correlation", "options": {"method": "kendall"}})", "the option method"},
    };
    for (const auto& row : cases) {
        SCOPED_TRACE(row.request);
        const Json got = Json::parse(answerRequest(row.request));
        ASSERT_TRUE(got.contains("problem")) << got.dump();
        EXPECT_NE(got["problem"].get<std::string>().find(row.problem), std::string::npos)
            << got["problem"];
    }
}

TEST(ModuleRequests, CatalogueListsEveryCalculationWithItsQuestions) {
    const Json listed = Json::parse(catalogueJson());
    ASSERT_EQ(listed.size(), catalogue().size());
    for (std::size_t i = 0; i < listed.size(); ++i) {
        const CatalogueEntry& entry = catalogue()[i];
        SCOPED_TRACE(std::string(entry.commandName));
        EXPECT_EQ(listed[i].at("name"), entry.commandName);
        EXPECT_EQ(listed[i].at("window"), entry.windowName);
        if (const auto* asked = std::get_if<QuestionInputs>(&entry.inputs))
            EXPECT_EQ(listed[i].at("questions").size(),
                      static_cast<std::size_t>(asked->inputCount));
        else
            EXPECT_EQ(listed[i].at("sheet").at("columns"),
                      std::get<SheetInputs>(entry.inputs).columns);
    }
}

TEST(ModuleRequests, SearchFindsAsTheStartPageDoes) {
    const struct {
        std::string text;
        std::string first;
    } cases[] = {{"anova", "anova"}, {"t test", "percents-one-sample"}, {"Distr2b", "t-critical"}};
    for (const auto& row : cases) {
        SCOPED_TRACE(row.text);
        const Json names = Json::parse(searchRequest(Json{{"text", row.text}}.dump()));
        ASSERT_FALSE(names.empty());
        EXPECT_EQ(names.front(), row.first);
    }
    EXPECT_EQ(Json::parse(searchRequest(R"({"text": ""})")).size(), catalogue().size());
    EXPECT_TRUE(Json::parse(searchRequest(R"({"words": 1})")).contains("problem"));
}

TEST(ModuleRequests, PastedBlocksLandAsInTheWindow) {
    const Json pasted = Json::parse(pasteRequest(
        R"({"name": "means1", "row": 99, "column": 1, "text": "Before\tAfter\n1\t2\n3\t4\n5\t6\n"})"));
    ASSERT_EQ(pasted.at("cells").size(), 4U) << pasted.dump();
    EXPECT_EQ(pasted["cells"][3].at("row"), 100);
    EXPECT_EQ(pasted["cells"][3].at("text"), "4");
    EXPECT_NE(pasted.at("notice").get<std::string>().find("Before, After"), std::string::npos);
    EXPECT_EQ(pasted.at("message"), "2 values were left out: the data sheet ends at row 100.");

    const Json wide =
        Json::parse(pasteRequest(R"({"name": "anova", "row": 1, "column": 3, "text": "1\t2\n"})"));
    EXPECT_EQ(wide.at("message"), "1 value was left out: the data sheet ends at column N.");

    for (const char* request : {R"({"name": "t-critical", "row": 1, "column": 1, "text": "1"})",
                                R"({"name": "means0", "row": 101, "column": 1, "text": "1"})",
                                R"({"name": "means0", "row": 1, "column": 2, "text": "1"})",
                                R"({"name": "means0", "row": 1, "column": 1})"}) {
        SCOPED_TRACE(request);
        EXPECT_TRUE(Json::parse(pasteRequest(request)).contains("problem"));
    }
}

TEST(ModuleRequests, CatalogueGivesFamiliesAndWhatAChoiceShows) {
    const Json listed = Json::parse(catalogueJson());
    for (const Json& entry : listed)
        EXPECT_FALSE(entry.at("family").get<std::string>().empty()) << entry.at("name");
    EXPECT_EQ(listed.front().at("family"), "Normal distribution");
    for (const Json& entry : listed) {
        if (entry.at("window") != "Correl")
            continue;
        const Json& choices = entry.at("sheet").at("options").at(0).at("choices");
        EXPECT_EQ(choices.at(0).at("presentation").at("headings").at(1), "Var. 1");
        EXPECT_EQ(choices.at(2).at("presentation").at("headings").at(1), "IV");
    }
}

} // namespace
} // namespace quillon::web
