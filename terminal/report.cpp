#include "terminal/report.h"

#include "terminal/answer_text.h"

namespace quillon::terminal {

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
        break;
    }
    case Evaluation::Kind::Refused: {
        nlohmann::ordered_json refusal = nlohmann::ordered_json::object();
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
