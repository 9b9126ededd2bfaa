#include "terminal/listing.h"

#include "calculations/catalogue.h"
#include "calculations/evaluation.h"
#include "terminal/report.h"

#include <nlohmann/json.hpp>

#include <ostream>

namespace quillon::terminal {

namespace {

// An option as the command line writes it, with its help: "--population N   The population size".
std::string optionUsage(const SheetOption& option) {
    std::string usage = "--" + std::string(option.key);
    if (option.kind == OptionKind::Choice) {
        usage += " ";
        for (std::size_t i = 0; i < option.choices.size(); ++i)
            usage += (i > 0 ? "|" : "") + std::string(option.choices[i].key);
    } else if (option.kind == OptionKind::TextBox) {
        usage += " " + std::string(option.valueName);
    }
    if (option.kind == OptionKind::Choice)
        return usage + "   (" + std::string(option.defaultValue) + " unless given)";
    return usage + "   " + std::string(option.help);
}

// A sheet's options, as the command line writes them.
std::vector<std::string> sheetOptions(const SheetInputs& sheet) {
    std::vector<std::string> options;
    for (const SheetOption& option : sheet.options)
        options.push_back(optionUsage(option));
    if (sheet.answer == AnswerArea::Table)
        options.emplace_back("--tsv   the table as tab-separated rows");
    return options;
}

nlohmann::ordered_json optionJson(const SheetOption& option) {
    nlohmann::ordered_json object = {{"key", option.key},
                                     {"option", "--" + std::string(option.key)},
                                     {"caption", option.caption},
                                     {"kind", optionKindName(option.kind)},
                                     {"default", option.defaultValue}};
    if (option.kind == OptionKind::Choice) {
        nlohmann::ordered_json choices = nlohmann::ordered_json::array();
        for (const OptionChoice& choice : option.choices)
            choices.push_back({{"key", choice.key}, {"caption", choice.caption}});
        object["choices"] = std::move(choices);
    }
    object["help"] = option.help;
    return object;
}

nlohmann::ordered_json quantityNamesJson(const CatalogueEntry& entry) {
    nlohmann::ordered_json names = nlohmann::ordered_json::array();
    for (const QuantityName& quantity : entry.quantities)
        names.push_back({{"name", quantity.name}, {"label", quantity.label}});
    return names;
}

// The data columns by their headings; a sheet of lettered columns by its first and last.
std::string columnNames(const SheetInputs& sheet) {
    const auto columns = static_cast<std::size_t>(sheet.columns);
    if (columns > 3)
        return sheet.headings[1] + " to " + sheet.headings[columns];
    std::string names;
    for (std::size_t column = 1; column <= columns; ++column)
        names += (column > 1 ? ", " : "") + sheet.headings[column];
    return names;
}

nlohmann::ordered_json entryJson(const CatalogueEntry& entry) {
    nlohmann::ordered_json object = {
        {"name", entry.commandName}, {"window", entry.windowName}, {"title", entry.title}};
    if (const auto* asked = std::get_if<QuestionInputs>(&entry.inputs)) {
        std::vector<std::string> questions;
        for (int box = 1; box <= asked->inputCount; ++box)
            questions.push_back(boxQuestion(*asked, box));
        object["questions"] = questions;
        object["quantities"] = quantityNamesJson(entry);
        return object;
    }
    const auto& sheet = std::get<SheetInputs>(entry.inputs);
    object["instruction"] = sheet.instruction;
    object["columns"] = std::vector<std::string>(sheet.headings.begin() + 1,
                                                 sheet.headings.begin() + 1 + sheet.columns);
    nlohmann::ordered_json options = nlohmann::ordered_json::array();
    for (const SheetOption& option : sheet.options)
        options.push_back(optionJson(option));
    object["options"] = std::move(options);
    if (sheet.answer == AnswerArea::Table)
        object["tsv"] = true;
    object["quantities"] = quantityNamesJson(entry);
    return object;
}

} // namespace

void printCatalogue(std::ostream& out, bool json) {
    for (const CatalogueEntry& entry : catalogue()) {
        if (json) {
            out << jsonLine(entryJson(entry)) << '\n';
            continue;
        }
        out << entry.commandName << "  (" << entry.windowName << ")  " << entry.title << '\n';
        if (const auto* asked = std::get_if<QuestionInputs>(&entry.inputs)) {
            for (int box = 1; box <= asked->inputCount; ++box)
                out << "    " << box << ". " << boxQuestion(*asked, box) << '\n';
            continue;
        }
        const auto& sheet = std::get<SheetInputs>(entry.inputs);
        out << "    data sheet: " << sheet.instruction << " " << columnNames(sheet) << '\n';
        for (const std::string& option : sheetOptions(sheet))
            out << "    " << option << '\n';
    }
}

} // namespace quillon::terminal
