// Writes the requests of the same-answers table for the WebAssembly module, one JSON line each:
// {"request": the request's text, "native": what this native build answers to it}. Every
// calculation is asked once as its window is, and once more with its report and figure where it
// has them, then a seeded sweep of the distributions; a script hands each request to the module
// under node and compares the texts.
#include "calculations/catalogue.h"
#include "tests/terminal/same_answer_cases.h"
#include "web/module/module_requests.h"

#include <nlohmann/json.hpp>

#include <array>
#include <cmath>
#include <cstdio>
#include <iostream>
#include <random>

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

// A line of the sweep says so: the browser test takes only the table's lines.
void writeLine(const Json& request, bool sweep = false) {
    const std::string text = request.dump();
    Json line = {{"request", text}, {"native", web::answerRequest(text)}};
    if (sweep)
        line["sweep"] = true;
    std::cout << line.dump() << '\n';
}

// A number as a person types it, with `digits` significant digits.
std::string typed(double value, int digits) {
    std::array<char, 64> text{};
    std::snprintf(text.data(), text.size(), "%.*g", digits, value);
    return text.data();
}

// A seeded sweep of the calculations whose digits come from the distribution routines and their
// true tails, and of the reports that invert the noncentral t and F: where the module's arithmetic
// could part from the native build's, it is asked many times.
void writeSweep() {
    std::mt19937 random(20261208);
    const auto uniform = [&random](double low, double high) {
        return std::uniform_real_distribution<double>(low, high)(random);
    };
    const auto logUniform = [&uniform](double low, double high) {
        return std::exp(uniform(std::log(low), std::log(high)));
    };
    const auto probability = [&] { return typed(std::round(uniform(1.0, 9999.0)) / 10000.0, 4); };
    // Whole degrees of freedom mostly; now and then one with a fraction, which takes the true tail.
    const auto df = [&] {
        const double value = logUniform(1.0, 3000.0);
        return typed(uniform(0.0, 1.0) < 0.15 ? value : std::round(value), 5);
    };
    const auto statistic = [&] { return typed(logUniform(1e-4, 1e4), 4); };
    constexpr int kRounds = 60;
    for (int round = 0; round < kRounds; ++round) {
        const std::vector<Json> requests = {
            {{"name", "z-probability"}, {"values", {typed(uniform(-6.0, 6.0), 4)}}},
            {{"name", "z-critical"}, {"values", {probability()}}},
            {{"name", "t-probability"}, {"values", {statistic(), df()}}},
            {{"name", "t-critical"}, {"values", {probability(), df()}}},
            {{"name", "f-probability"}, {"values", {statistic(), df(), df()}}},
            {{"name", "f-critical"}, {"values", {probability(), df(), df()}}},
            {{"name", "chi-square-probability"}, {"values", {statistic(), df()}}},
            {{"name", "chi-square-critical"}, {"values", {probability(), df()}}},
            {{"name", "independent-groups"},
             {"values",
              {typed(uniform(0.0, 100.0), 4), typed(uniform(0.5, 20.0), 3),
               typed(std::round(uniform(2.0, 200.0)), 3), typed(uniform(0.0, 100.0), 4),
               typed(uniform(0.5, 20.0), 3), typed(std::round(uniform(2.0, 200.0)), 3)}},
             {"report", {{"level", 95}}}},
        };
        for (const Json& request : requests)
            writeLine(request, true);
    }
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
    writeSweep();
    return 0;
}
