#include "terminal/evaluation.h"

#include "terminal/box_text.h"

#include "calculations/common/arithmetic_error_text.h"

#include <array>

namespace quillon::terminal {

namespace {

Evaluation refusedBox(const QuestionInputs& inputs, int box, std::string reason) {
    Evaluation refused{.kind = Evaluation::Kind::Refused};
    refused.box = box;
    refused.question = boxQuestion(inputs, box);
    refused.reason = std::move(reason);
    return refused;
}

template <typename Calculate> Evaluation run(Calculate calculate) {
    try {
        Outcome outcome = calculate();
        if (auto* answer = std::get_if<Answer>(&outcome))
            return Evaluation{.kind = Evaluation::Kind::Answered, .answer = std::move(*answer)};
        const auto& refusal = std::get<Refusal>(outcome);
        Evaluation refused{.kind = Evaluation::Kind::Refused};
        if (refusal.focus != kFocusGrid)
            refused.box = refusal.focus;
        refused.cell = refusal.currentCell;
        refused.reason = refusal.message;
        return refused;
    } catch (const ArithmeticError& error) {
        return Evaluation{.kind = Evaluation::Kind::Failed,
                          .reason = arithmeticErrorText(error.fault())};
    }
}

} // namespace

std::string boxQuestion(const QuestionInputs& inputs, int box) {
    if (inputs.layout == CalculatorLayout::FourfoldTable) {
        constexpr std::array kPlaces = {"row 1, column 1", "row 1, column 2", "row 2, column 1",
                                        "row 2, column 2"};
        return std::string(inputs.questions.front()) + " " +
               kPlaces[static_cast<std::size_t>(box - 1) % kPlaces.size()];
    }
    const auto index = static_cast<std::size_t>(box - 1);
    return index < inputs.questions.size() ? std::string(inputs.questions[index]) : std::string();
}

std::optional<std::string> valueCountProblem(const QuestionInputs& inputs, std::size_t count) {
    const auto needed = static_cast<std::size_t>(inputs.inputCount);
    if (count == needed)
        return std::nullopt;
    const auto values = [](std::size_t n) {
        return std::to_string(n) + (n == 1 ? " value" : " values");
    };
    return values(needed) + " needed, one per box (an empty box is \"\"), but " +
           std::to_string(count) + " given";
}

Evaluation evaluateBoxes(const QuestionInputs& inputs, const std::vector<std::string>& values) {
    std::vector<std::string> boxes;
    boxes.reserve(values.size());
    for (std::size_t i = 0; i < values.size(); ++i) {
        const std::string_view text = trimBlanks(values[i]);
        if (const auto problem = boxTextProblem(text))
            return refusedBox(inputs, static_cast<int>(i + 1), *problem);
        boxes.emplace_back(text);
    }
    Evaluation evaluation = run([&] { return inputs.calculate(boxes); });
    if (evaluation.box)
        evaluation.question = boxQuestion(inputs, *evaluation.box);
    return evaluation;
}

Evaluation evaluateSheet(const SheetInputs& inputs, const std::vector<std::string>& headings,
                         const DataSheetInput& input) {
    Evaluation evaluation = run([&] { return inputs.calculate(input); });
    if (evaluation.cell) {
        const auto column = static_cast<std::size_t>(evaluation.cell->column);
        if (column < headings.size())
            evaluation.heading = headings[column];
    }
    return evaluation;
}

std::string refusalText(const Evaluation& evaluation) {
    if (evaluation.box) {
        std::string text =
            "box " + std::to_string(*evaluation.box) + " (" + evaluation.question + ")";
        if (!evaluation.reason.empty())
            text += ": " + evaluation.reason;
        return text;
    }
    if (!evaluation.reason.empty())
        return evaluation.reason;
    if (!evaluation.cell)
        return "the data (too few rows)";
    std::string text = "the data, row " + std::to_string(evaluation.cell->row) + " column " +
                       std::to_string(evaluation.cell->column);
    if (!evaluation.heading.empty())
        text += " (" + evaluation.heading + ")";
    return text;
}

} // namespace quillon::terminal
