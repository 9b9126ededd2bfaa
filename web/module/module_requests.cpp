#include "web/module/module_requests.h"

#include "calculations/calculation_family.h"
#include "calculations/calculation_search.h"
#include "calculations/catalogue.h"
#include "calculations/common/cell_block.h"
#include "calculations/common/sheet_paste.h"
#include "calculations/evaluation.h"
#include "figures/build_figure.h"
#include "figures/svg_writer.h"

#include <nlohmann/json.hpp>

#include <cmath>
#include <exception>
#include <optional>
#include <stdexcept>
#include <string>
#include <vector>

namespace quillon::web {
namespace {

using Json = nlohmann::ordered_json;

// A request that cannot be carried out; its message goes back as "problem".
class RequestProblem : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

constexpr int kSmallestFigureSide = 120;
constexpr int kLargestFigureSide = 4000;

std::string lowercase(std::string_view text) {
    std::string lower;
    for (const char c : text)
        lower += (c >= 'A' && c <= 'Z') ? static_cast<char>(c - 'A' + 'a') : c;
    return lower;
}

const CatalogueEntry& entryNamed(const Json& request) {
    if (!request.contains("name") || !request["name"].is_string())
        throw RequestProblem("the request names no calculation");
    const std::string name = lowercase(request["name"].get<std::string>());
    for (const CatalogueEntry& entry : catalogue())
        if (name == entry.commandName || name == lowercase(entry.windowName))
            return entry;
    throw RequestProblem("no calculation is called " + request["name"].get<std::string>());
}

// A list of texts, every member a string.
std::vector<std::string> textsOf(const Json& list, std::string_view what) {
    if (!list.is_array())
        throw RequestProblem(std::string(what) + " must be a list of texts");
    std::vector<std::string> texts;
    for (const Json& text : list) {
        if (!text.is_string())
            throw RequestProblem(std::string(what) + " must be a list of texts");
        texts.push_back(text.get<std::string>());
    }
    return texts;
}

CellBlock rowsOf(const Json& request) {
    if (!request.contains("rows"))
        return {};
    const Json& rows = request["rows"];
    if (!rows.is_array())
        throw RequestProblem("rows must be a list of rows of texts");
    CellBlock block;
    for (const Json& row : rows)
        block.push_back(textsOf(row, "each row"));
    return block;
}

// The sheet's cells from the rows, the first row and column at the grid's top left.
DataSheet sheetOf(const CellBlock& rows, int columns) {
    const PlacedBlock placed = placeCellBlock(rows, CellPosition{1, 1}, DataSheet::kRows, columns);
    if (placed.leftOut > 0)
        throw RequestProblem("the data sheet holds " + std::to_string(DataSheet::kRows) +
                             " rows of " + std::to_string(columns) +
                             (columns == 1 ? " column; " : " columns; ") +
                             std::to_string(placed.leftOut) +
                             (placed.leftOut == 1 ? " cell is" : " cells are") + " beyond it");
    DataSheet sheet;
    for (const PlacedCell& cell : placed.cells)
        sheet.setText(cell.cell.row, cell.cell.column, cell.text);
    return sheet;
}

// The values of the sheet's options by key; a check box takes true or false as well as its texts.
OptionValues optionsOf(const Json& request, const SheetInputs& sheet) {
    OptionValues values;
    if (!request.contains("options"))
        return values;
    const Json& given = request["options"];
    if (!given.is_object())
        throw RequestProblem("options must be an object of values by key");
    for (const auto& [key, value] : given.items()) {
        const SheetOption* option = nullptr;
        for (const SheetOption& candidate : sheet.options)
            if (candidate.key == key)
                option = &candidate;
        if (option == nullptr)
            throw RequestProblem("this data sheet has no option " + key);
        std::string text;
        if (value.is_boolean() && option->kind == OptionKind::CheckBox)
            text = value.get<bool>() ? kOptionOn : kOptionOff;
        else if (value.is_string())
            text = value.get<std::string>();
        else
            throw RequestProblem("the option " + key + " takes a text");
        if (const std::string problem = optionValueProblem(*option, text); !problem.empty())
            throw RequestProblem("the option " + key + " " + problem);
        values[key] = text;
    }
    return values;
}

std::optional<ReportOptions> reportOf(const Json& request, const CatalogueEntry& entry) {
    if (!request.contains("report") || request["report"] == false)
        return std::nullopt;
    if (entry.report == nullptr)
        throw RequestProblem(std::string(entry.commandName) + " has no report");
    const Json& asked = request["report"];
    ReportOptions options;
    if (asked == true)
        return options;
    if (!asked.is_object())
        throw RequestProblem("report must be true or an object");
    if (asked.contains("level")) {
        if (!asked["level"].is_number())
            throw RequestProblem("the report's level must be a number");
        const double percent = asked["level"].get<double>();
        if (!(percent >= kLowestReportLevel * 100.0 && percent <= kHighestReportLevel * 100.0))
            throw RequestProblem("the report's level must be 50 to 99.99");
        options.level = percent / 100.0;
    }
    if (asked.contains("exponent"))
        options.exponent = asked["exponent"] == true;
    return options;
}

int figureSide(const Json& figure, const char* key, int fallback) {
    if (!figure.contains(key))
        return fallback;
    const Json& side = figure[key];
    if (!side.is_number_integer() || side.get<long long>() < kSmallestFigureSide ||
        side.get<long long>() > kLargestFigureSide)
        throw RequestProblem(std::string("the figure's ") + key + " must be " +
                             std::to_string(kSmallestFigureSide) + " to " +
                             std::to_string(kLargestFigureSide) + " pixels");
    return side.get<int>();
}

// The text with LF line breaks in place of CR LF, as a page shows and copies it.
std::string withLineFeeds(std::string_view text) {
    std::string fed;
    for (std::size_t at = 0; at < text.size(); ++at)
        if (!(text[at] == '\r' && at + 1 < text.size() && text[at + 1] == '\n'))
            fed += text[at];
    return fed;
}

// The table's rows down to its last that holds something.
std::vector<std::vector<std::string>> usedTable(std::vector<std::vector<std::string>> table) {
    const auto empty = [](const std::vector<std::string>& row) {
        for (const std::string& cell : row)
            if (!cell.empty())
                return false;
        return true;
    };
    while (!table.empty() && empty(table.back()))
        table.pop_back();
    return table;
}

// A value that is not finite has no JSON number and stands as null.
Json numberOrNull(std::optional<double> value) {
    return value && std::isfinite(*value) ? Json(*value) : Json(nullptr);
}

Json answeredJson(const Evaluation& evaluation) {
    const Answer& answer = evaluation.answer;
    Json object = Json::object();
    object["answer"] = withLineFeeds(answer.text);
    if (!answer.table.empty())
        object["table"] = usedTable(answer.table);
    object["clipboard"] = answer.clipboard ? Json(withLineFeeds(*answer.clipboard)) : Json(nullptr);
    if (answer.beep)
        object["beep"] = true;
    if (answer.yatesSwitchedOn)
        object["yatesSwitchedOn"] = true;
    Json quantities = Json::array();
    for (const LabelledQuantity& quantity : evaluation.quantities)
        quantities.push_back({{"name", quantity.name},
                              {"label", quantity.label},
                              {"value", numberOrNull(quantity.value)},
                              {"text", quantity.text}});
    object["quantities"] = std::move(quantities);
    if (evaluation.report) {
        Json reported = Json::array();
        for (const ReportQuantity& quantity : evaluation.report->quantities)
            reported.push_back({{"name", quantity.name},
                                {"label", quantity.label},
                                {"value", numberOrNull(quantity.value)},
                                {"text", quantity.text}});
        object["report"] = {{"quantities", std::move(reported)},
                            {"lines", evaluation.report->lines},
                            {"published", evaluation.report->published}};
    }
    return object;
}

Json refusalJson(const Evaluation& evaluation) {
    Json refusal = Json::object();
    if (evaluation.box) {
        refusal["box"] = *evaluation.box;
        refusal["question"] = evaluation.question;
    }
    if (!evaluation.option.empty())
        refusal["option"] = evaluation.option;
    if (evaluation.cell) {
        refusal["row"] = evaluation.cell->row;
        refusal["column"] = evaluation.cell->column;
        refusal["heading"] = evaluation.heading;
    }
    if (!evaluation.message.empty())
        refusal["message"] = evaluation.message;
    refusal["reason"] = evaluation.reason;
    return refusal;
}

void addFigure(Json& object, const Json& request, const CatalogueEntry& entry,
               const Evaluation& evaluation, std::span<const std::string> texts,
               const DataSheetInput* sheet) {
    if (!request.contains("figure") || request["figure"] == false)
        return;
    const Json& asked = request["figure"];
    if (!asked.is_object() && asked != true)
        throw RequestProblem("figure must be true or an object");
    const Json options = asked.is_object() ? asked : Json::object();
    const SvgSize size{figureSide(options, "width", SvgSize{}.width),
                       figureSide(options, "height", SvgSize{}.height)};
    if (evaluation.kind != Evaluation::Kind::Answered)
        return;
    const FigureOutcome outcome = buildFigure(FigureInputs{entry, evaluation, texts, sheet});
    if (!outcome.figure) {
        object["figureProblem"] = outcome.reason;
        return;
    }
    const bool dark = options.contains("dark") && options["dark"] == true;
    object["figure"] =
        writeSvg(*outcome.figure, size, dark ? darkFigureColours() : lightFigureColours());
    object["figureDescription"] = outcome.figure->description;
    object["figureWidth"] = size.width;
    object["figureHeight"] = size.height;
}

Json evaluationJson(const Json& request) {
    if (!request.is_object())
        throw RequestProblem("the request must be a JSON object");
    const CatalogueEntry& entry = entryNamed(request);
    const std::optional<ReportOptions> report = reportOf(request, entry);

    Json object = Json::object();
    object["name"] = entry.commandName;
    object["window"] = entry.windowName;
    Evaluation evaluation;
    std::vector<std::string> texts;
    std::optional<DataSheetInput> sheetInput;
    if (const auto* asked = std::get_if<QuestionInputs>(&entry.inputs)) {
        texts = textsOf(request.contains("values") ? request["values"] : Json::array(), "values");
        if (const auto problem = valueCountProblem(*asked, texts.size()))
            throw RequestProblem(*problem);
        object["inputs"] = texts;
        evaluation = evaluate(entry, texts, report);
    } else {
        const auto& sheet = std::get<SheetInputs>(entry.inputs);
        const CellBlock rows = rowsOf(request);
        sheetInput = DataSheetInput{.sheet = sheetOf(rows, sheet.columns),
                                    .options = optionsOf(request, sheet)};
        Json inputs = {{"rows", rows}};
        for (const SheetOption& option : sheet.options)
            inputs[std::string(option.key)] = optionValue(sheetInput->options, option);
        object["inputs"] = std::move(inputs);
        evaluation = evaluate(entry, *sheetInput, report);
    }

    switch (evaluation.kind) {
    case Evaluation::Kind::Answered:
        object.update(answeredJson(evaluation));
        break;
    case Evaluation::Kind::Refused:
        object["refusal"] = refusalJson(evaluation);
        break;
    case Evaluation::Kind::Failed:
        object["error"] = evaluation.message;
        break;
    }
    addFigure(object, request, entry, evaluation, texts, sheetInput ? &*sheetInput : nullptr);
    return object;
}

// Text that is not valid UTF-8 goes out with replacement characters.
std::string dumped(const Json& object) {
    return object.dump(-1, ' ', false, Json::error_handler_t::replace);
}

const char* layoutName(CalculatorLayout layout) {
    switch (layout) {
    case CalculatorLayout::TwoGroups:
        return "twoGroups";
    case CalculatorLayout::FourfoldTable:
        return "fourfoldTable";
    case CalculatorLayout::Questions:
        break;
    }
    return "questions";
}

// What the sheet shows with the choice made: its title, heading row and help page.
Json presentationJson(const SheetInputs& sheet, const SheetOption& option,
                      const OptionChoice& choice, std::string_view title) {
    const OptionValues values = {{std::string(option.key), std::string(choice.key)}};
    const SheetPresentation shown =
        sheet.presentation != nullptr ? sheet.presentation(values) : SheetPresentation{};
    return {{"title", shown.title.empty() ? title : shown.title},
            {"headings", sheetHeadings(sheet, values)},
            {"help", shown.helpPage}};
}

Json sheetJson(const SheetInputs& sheet, std::string_view title) {
    Json options = Json::array();
    for (const SheetOption& option : sheet.options) {
        Json described = {{"key", option.key},
                          {"caption", option.caption},
                          {"kind", optionKindName(option.kind)},
                          {"default", option.defaultValue},
                          {"help", option.help},
                          {"control", option.controlName}};
        Json choices = Json::array();
        for (const OptionChoice& choice : option.choices)
            choices.push_back({{"key", choice.key},
                               {"caption", choice.caption},
                               {"presentation", presentationJson(sheet, option, choice, title)}});
        if (option.kind == OptionKind::Choice)
            described["choices"] = std::move(choices);
        options.push_back(std::move(described));
    }
    return {{"instruction", sheet.instruction}, {"headings", sheet.headings},
            {"columns", sheet.columns},         {"rows", DataSheet::kRows},
            {"options", std::move(options)},    {"table", sheet.answer == AnswerArea::Table}};
}

Json entryJson(const CatalogueEntry& entry) {
    Json object = {{"name", entry.commandName},     {"window", entry.windowName},
                   {"title", entry.title},          {"menuItem", entry.menuItem},
                   {"menuPath", entry.menuPath},    {"menuCaption", entry.menuCaption},
                   {"family", familyCaption(entry)}};
    Json help = Json::array();
    for (const HelpPage& page : entry.help)
        help.push_back({{"topic", page.topic}, {"page", page.page}});
    object["help"] = std::move(help);
    if (const auto* asked = std::get_if<QuestionInputs>(&entry.inputs)) {
        std::vector<std::string> questions;
        for (int box = 1; box <= asked->inputCount; ++box)
            questions.push_back(boxQuestion(*asked, box));
        object["layout"] = layoutName(asked->layout);
        object["questions"] = questions;
        object["initialAnswer"] = asked->initialAnswer;
    } else {
        object["sheet"] = sheetJson(std::get<SheetInputs>(entry.inputs), entry.title);
    }
    Json quantities = Json::array();
    for (const QuantityName& quantity : entry.quantities)
        quantities.push_back({{"name", quantity.name}, {"label", quantity.label}});
    object["quantities"] = std::move(quantities);
    object["report"] = entry.report != nullptr;
    object["figure"] = entry.figure != FigureKind::None;
    return object;
}

} // namespace

std::string catalogueJson() {
    Json list = Json::array();
    for (const CatalogueEntry& entry : catalogue())
        list.push_back(entryJson(entry));
    return dumped(list);
}

namespace {

// Runs a request's work and answers {"problem": why} for whatever goes wrong: the module never
// ends.
template <typename Work> std::string carriedOut(std::string_view request, Work work) {
    try {
        return dumped(work(Json::parse(request)));
    } catch (const RequestProblem& problem) {
        return dumped({{"problem", problem.what()}});
    } catch (const Json::exception&) {
        return dumped({{"problem", "the request is not a JSON object of the expected shape"}});
    } catch (const std::exception& error) {
        return dumped(
            {{"problem", std::string("the request cannot be carried out: ") + error.what()}});
    }
}

Json searchJson(const Json& request) {
    if (!request.is_object() || !request.contains("text") || !request["text"].is_string())
        throw RequestProblem("the request must give the text to search for");
    Json names = Json::array();
    for (const CalculationMatch& match : findCalculations(request["text"].get<std::string>()))
        names.push_back(match.row->commandName);
    return names;
}

int cellNumber(const Json& request, const char* key, int last) {
    if (!request.contains(key) || !request[key].is_number_integer() ||
        request[key].get<long long>() < 1 || request[key].get<long long>() > last)
        throw RequestProblem(std::string("the ") + key + " must be 1 to " + std::to_string(last));
    return request[key].get<int>();
}

Json pasteJson(const Json& request) {
    if (!request.is_object())
        throw RequestProblem("the request must be a JSON object");
    const CatalogueEntry& entry = entryNamed(request);
    const auto* sheet = std::get_if<SheetInputs>(&entry.inputs);
    if (sheet == nullptr)
        throw RequestProblem(std::string(entry.commandName) + " has no data sheet");
    if (!request.contains("text") || !request["text"].is_string())
        throw RequestProblem("the request must give the pasted text");
    const CellPosition origin{cellNumber(request, "row", DataSheet::kRows),
                              cellNumber(request, "column", sheet->columns)};
    const auto last = static_cast<std::size_t>(sheet->columns);
    const std::string lastColumn = last < sheet->headings.size() ? sheet->headings[last] : "";
    const PastedBlock pasted = pasteCellBlock(request["text"].get<std::string>(), origin,
                                              DataSheet::kRows, sheet->columns, lastColumn);
    Json cells = Json::array();
    for (const PlacedCell& cell : pasted.placed.cells)
        cells.push_back(
            {{"row", cell.cell.row}, {"column", cell.cell.column}, {"text", cell.text}});
    return {{"cells", std::move(cells)}, {"notice", pasted.notice}, {"message", pasted.message}};
}

} // namespace

std::string searchRequest(std::string_view request) {
    return carriedOut(request, searchJson);
}

std::string pasteRequest(std::string_view request) {
    return carriedOut(request, pasteJson);
}

std::string answerRequest(std::string_view request) {
    return carriedOut(request, evaluationJson);
}

} // namespace quillon::web
