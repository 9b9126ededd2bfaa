// Writes the requests of the same-answers table for the WebAssembly module, one JSON line each:
// {"request": the request's text, "native": what this native build answers to it}. Every
// calculation is asked once as its window is, and once more with its report and figure where it
// has them; a script hands each request to the module under node and compares the texts.
#include "calculations/catalogue.h"
#include "tests/terminal/same_answer_cases.h"
#include "web/module/module_requests.h"

#include <nlohmann/json.hpp>

#include <iostream>

namespace quillon {
namespace {

using Json = nlohmann::ordered_json;

std::string lowercase(std::string_view text) {
    std::string lower;
    for (const char c : text)
        lower += (c >= 'A' && c <= 'Z') ? static_cast<char>(c - 'A' + 'a') : c;
    return lower;
}

const CatalogueEntry& entryOf(const std::string& typed) {
    for (const CatalogueEntry& entry : catalogue())
        if (lowercase(typed) == entry.commandName ||
            lowercase(typed) == lowercase(entry.windowName))
            return entry;
    throw std::runtime_error("no calculation " + typed);
}

// The grid's rows down to the last that holds something, as many columns as the sheet has.
Json rowsOf(const DataSheet& sheet, int columns) {
    Json rows = Json::array();
    int used = 0;
    for (int row = 1; row <= DataSheet::kRows; ++row)
        for (int column = 1; column <= columns; ++column)
            if (!sheet.text(row, column).empty())
                used = row;
    for (int row = 1; row <= used; ++row) {
        Json cells = Json::array();
        for (int column = 1; column <= columns; ++column)
            cells.push_back(sheet.text(row, column));
        rows.push_back(std::move(cells));
    }
    return rows;
}

Json requestOf(const SameAnswerCase& row) {
    const CatalogueEntry& entry = entryOf(row.name);
    Json request = {{"name", row.name}};
    if (std::holds_alternative<QuestionInputs>(entry.inputs)) {
        request["values"] = row.arguments;
        return request;
    }
    const auto& sheet = std::get<SheetInputs>(entry.inputs);
    request["rows"] = rowsOf(row.sheet.sheet, sheet.columns);
    Json options = Json::object();
    for (const SheetOption& option : sheet.options)
        if (const auto given = row.sheet.options.find(option.key); given != row.sheet.options.end())
            options[std::string(option.key)] = given->second;
    request["options"] = std::move(options);
    return request;
}

void writeLine(const Json& request) {
    const std::string text = request.dump();
    std::cout << Json{{"request", text}, {"native", web::answerRequest(text)}}.dump() << '\n';
}

} // namespace
} // namespace quillon

int main() {
    using namespace quillon;
    for (const SameAnswerCase& row : sameAnswerCases()) {
        Json request = requestOf(row);
        writeLine(request);
        const CatalogueEntry& entry = entryOf(row.name);
        if (entry.report == nullptr && entry.figure == FigureKind::None)
            continue;
        if (entry.report != nullptr)
            request["report"] = {{"level", 90}, {"exponent", true}};
        if (entry.figure != FigureKind::None)
            request["figure"] = {{"width", 480}, {"height", 300}, {"dark", true}};
        writeLine(request);
    }
    return 0;
}
