#include "terminal/report.h"

#include "terminal/answer_text.h"
#include "terminal/refusal_line.h"

#include <cmath>

namespace quillon::terminal {

namespace {

// The published quantities in the answer's order; a value that is not finite has no JSON number
// and stands as null.
nlohmann::ordered_json quantitiesJson(const std::vector<LabelledQuantity>& quantities) {
    nlohmann::ordered_json list = nlohmann::ordered_json::array();
    for (const LabelledQuantity& quantity : quantities) {
        list.push_back(
            {{"name", quantity.name},
             {"label", quantity.label},
             {"value", std::isfinite(quantity.value) ? nlohmann::ordered_json(quantity.value)
                                                     : nlohmann::ordered_json(nullptr)},
             {"text", quantity.text}});
    }
    return list;
}

nlohmann::ordered_json reportJson(const Report& report) {
    nlohmann::ordered_json quantities = nlohmann::ordered_json::array();
    for (const ReportQuantity& quantity : report.quantities)
        quantities.push_back({{"name", quantity.name},
                              {"label", quantity.label},
                              {"value", quantity.value ? nlohmann::ordered_json(*quantity.value)
                                                       : nlohmann::ordered_json(nullptr)},
                              {"text", quantity.text}});
    return {{"quantities", quantities}, {"lines", report.lines}, {"published", report.published}};
}

} // namespace

std::vector<std::string> reportOutput(const Report& report) {
    std::vector<std::string> lines{""};
    lines.insert(lines.end(), report.lines.begin(), report.lines.end());
    if (!report.published.empty()) {
        lines.emplace_back();
        lines.push_back(report.published);
    }
    return lines;
}

std::vector<std::string> answerOutput(const Answer& answer, bool tsv) {
    if (!answer.table.empty())
        return tsv ? tabSeparatedTable(answer.table) : alignedTable(answer.table);
    return answerLines(answer.text);
}

std::string batchLine(const Evaluation& evaluation) {
    switch (evaluation.kind) {
    case Evaluation::Kind::Answered:
        return oneLine(evaluation.answer.clipboard.value_or(evaluation.answer.text));
    case Evaluation::Kind::Refused:
        return "refused: " + refusalText(evaluation);
    case Evaluation::Kind::Failed:
        break;
    }
    return "error: " + evaluation.message;
}

nlohmann::ordered_json evaluationJson(const CatalogueEntry& calculation,
                                      nlohmann::ordered_json inputs, const Evaluation& evaluation,
                                      std::optional<long> line) {
    nlohmann::ordered_json object = nlohmann::ordered_json::object();
    if (line)
        object["line"] = *line;
    object["name"] = calculation.commandName;
    object["window"] = calculation.windowName;
    object["inputs"] = std::move(inputs);
    switch (evaluation.kind) {
    case Evaluation::Kind::Answered: {
        const Answer& answer = evaluation.answer;
        object["answer"] = answerOutput(answer, false);
        if (!answer.table.empty())
            object["table"] = usedTable(answer.table);
        object["clipboard"] = answer.clipboard
                                  ? nlohmann::ordered_json(withLineFeeds(*answer.clipboard))
                                  : nlohmann::ordered_json(nullptr);
        if (answer.beep)
            object["beep"] = true;
        if (answer.yatesSwitchedOn)
            object["yatesSwitchedOn"] = true;
        object["quantities"] = quantitiesJson(evaluation.quantities);
        if (evaluation.report)
            object["report"] = reportJson(*evaluation.report);
        break;
    }
    case Evaluation::Kind::Refused: {
        nlohmann::ordered_json refusal = nlohmann::ordered_json::object();
        if (evaluation.box) {
            refusal["box"] = *evaluation.box;
            refusal["question"] = evaluation.question;
        }
        if (!evaluation.option.empty())
            refusal["option"] = "--" + evaluation.option;
        if (evaluation.cell) {
            refusal["row"] = evaluation.cell->row;
            refusal["column"] = evaluation.cell->column;
            refusal["heading"] = evaluation.heading;
        }
        if (!evaluation.message.empty())
            refusal["message"] = evaluation.message;
        refusal["reason"] = evaluation.reason;
        refusal["text"] = refusalText(evaluation);
        object["refusal"] = std::move(refusal);
        break;
    }
    case Evaluation::Kind::Failed:
        object["error"] = evaluation.message;
        break;
    }
    return object;
}

std::string jsonLine(const nlohmann::ordered_json& object) {
    return object.dump(-1, ' ', false, nlohmann::ordered_json::error_handler_t::replace);
}

} // namespace quillon::terminal
