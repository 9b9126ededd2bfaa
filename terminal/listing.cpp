#include "terminal/listing.h"

#include "calculations/catalogue.h"
#include "terminal/evaluation.h"
#include "terminal/report.h"

#include <nlohmann/json.hpp>

#include <ostream>

namespace quillon::terminal {

namespace {

// A sheet's options, as the command line writes them.
std::vector<std::string> sheetOptions(const SheetInputs& sheet) {
    std::vector<std::string> options;
    switch (sheet.extra) {
    case SheetExtra::PopulationSize:
        options.emplace_back("--population N   the population size");
        break;
    case SheetExtra::YatesCorrection:
        options.emplace_back("--yates   Yates' correction");
        break;
    case SheetExtra::CorrelationMethod:
        options.emplace_back("--method pearson|spearman|regression   (regression unless given)");
        break;
    case SheetExtra::None:
        break;
    }
    if (sheet.answer == AnswerArea::Table)
        options.emplace_back("--tsv   the table as tab-separated rows");
    return options;
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
        return object;
    }
    const auto& sheet = std::get<SheetInputs>(entry.inputs);
    object["instruction"] = sheet.instruction;
    object["columns"] = std::vector<std::string>(sheet.headings.begin() + 1,
                                                 sheet.headings.begin() + 1 + sheet.columns);
    object["options"] = sheetOptions(sheet);
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
