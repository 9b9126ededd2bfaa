#include "terminal/evaluation.h"

#include "terminal/box_text.h"

#include "calculations/common/arithmetic_error_text.h"
#include "calculations/common/refusal_text.h"
#include "core/number_text.h"

#include <array>
#include <cctype>

namespace quillon::terminal {

namespace {

Evaluation refusedBox(const QuestionInputs& inputs, int box, std::string problem) {
    Evaluation refused{.kind = Evaluation::Kind::Refused};
    refused.box = box;
    refused.question = boxQuestion(inputs, box);
    refused.message = problem;
    refused.reason = std::move(problem);
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
        refused.message = refusal.message;
        refused.reason = refusal.reason;
        return refused;
    } catch (const ArithmeticError& error) {
        return Evaluation{.kind = Evaluation::Kind::Failed,
                          .message = arithmeticErrorText(error.fault())};
    }
}

// The option that fills a data sheet window's own box.
std::string optionOf(SheetExtra extra) {
    return extra == SheetExtra::PopulationSize ? "--population" : "";
}

// A reason inside a line: its first letter in lower case and without its full stop. A text quoted
// at the end of a reason keeps its last character.
std::string inLine(std::string_view reason) {
    std::string text(reason);
    if (!text.empty() && std::isupper(static_cast<unsigned char>(text.front())))
        text.front() = static_cast<char>(std::tolower(static_cast<unsigned char>(text.front())));
    if (text.ends_with('.') && text.find(kNotANumber) == std::string::npos)
        text.pop_back();
    return text;
}

// "row 3 column B (SD) is empty": a reason that opens with the cell's name gets the name in lower
// case and the column's heading after it, where the heading is more than the column's letter.
std::string cellText(const Evaluation& evaluation) {
    const CellPosition cell = *evaluation.cell;
    const std::string name = cellName(cell);
    if (!evaluation.reason.starts_with(name))
        return inLine(evaluation.reason);
    const std::string letter = name.substr(name.size() - 1);
    std::string text = "row " + std::to_string(cell.row) + " column " + letter;
    if (!evaluation.heading.empty() && evaluation.heading != letter)
        text += " (" + evaluation.heading + ")";
    return text + inLine(std::string_view(evaluation.reason).substr(name.size()));
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
                         const DataSheetInput& input, bool firstLineSkipped) {
    Evaluation evaluation = run([&] { return inputs.calculate(input); });
    if (evaluation.box) {
        // Beside the grid there is one box of the window's own, filled by an option.
        evaluation.box.reset();
        evaluation.option = optionOf(inputs.extra);
    }
    if (evaluation.cell) {
        const auto column = static_cast<std::size_t>(evaluation.cell->column);
        if (column < headings.size())
            evaluation.heading = headings[column];
        const std::string& text = input.sheet.text(evaluation.cell->row, evaluation.cell->column);
        evaluation.firstLineReadAsData = !firstLineSkipped && evaluation.cell->row == 1 &&
                                         !trimBlanks(text).empty() && !isWhollyNumber(text);
    }
    return evaluation;
}

std::string refusalText(const Evaluation& evaluation) {
    if (evaluation.box) {
        std::string text =
            "box " + std::to_string(*evaluation.box) + " (" + evaluation.question + ")";
        if (!evaluation.message.empty())
            text += ": " + evaluation.message;
        else if (!evaluation.reason.empty())
            text += ": " + inLine(evaluation.reason);
        return text;
    }
    if (!evaluation.option.empty())
        return evaluation.option + ": " + inLine(evaluation.reason);
    if (!evaluation.message.empty())
        return evaluation.message;
    if (!evaluation.cell)
        return evaluation.reason.empty() ? "the data (too few rows)" : inLine(evaluation.reason);
    std::string text;
    if (evaluation.reason.empty()) {
        text = "the data, row " + std::to_string(evaluation.cell->row) + " column " +
               std::to_string(evaluation.cell->column);
        if (!evaluation.heading.empty())
            text += " (" + evaluation.heading + ")";
    } else {
        text = cellText(evaluation);
    }
    if (evaluation.firstLineReadAsData)
        text += "; --header skips a first line of headings";
    return text;
}

} // namespace quillon::terminal
