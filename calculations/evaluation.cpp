#include "calculations/evaluation.h"

#include "calculations/common/arithmetic_error_text.h"
#include "calculations/common/box_text.h"
#include "core/number_text.h"

#include <array>
#include <exception>

namespace quillon {

namespace {

// A text no box holds: the line a terminal prints names the text; the window's reason says the
// rule in a sentence, as its refused paste does.
Evaluation refusedBox(const QuestionInputs& inputs, int box, std::string problem,
                      std::size_t length) {
    Evaluation refused{.kind = Evaluation::Kind::Refused};
    const std::string rule =
        length > kMaxBoxLength
            ? "A box holds at most " + std::to_string(kMaxBoxLength) + " characters."
            : std::string("A box takes only digits, one point and a leading minus.");
    refused.refusal = Refusal{.focus = box, .reason = rule};
    refused.box = box;
    refused.question = boxQuestion(inputs, box);
    refused.message = problem;
    refused.reason = std::move(problem);
    return refused;
}

std::string labelOf(std::span<const QuantityName> declared, const std::string& name) {
    for (const QuantityName& quantity : declared)
        if (quantity.name == name)
            return std::string(quantity.label);
    return name;
}

template <typename Calculate>
Evaluation run(Calculate calculate, std::span<const QuantityName> declared) {
    try {
        Outcome outcome = calculate();
        if (auto* answer = std::get_if<Answer>(&outcome)) {
            Evaluation answered{.kind = Evaluation::Kind::Answered, .answer = std::move(*answer)};
            for (const Quantity& quantity : answered.answer.quantities)
                answered.quantities.push_back({quantity.name, labelOf(declared, quantity.name),
                                               quantity.value, quantity.text});
            return answered;
        }
        const auto& refusal = std::get<Refusal>(outcome);
        Evaluation refused{.kind = Evaluation::Kind::Refused, .refusal = refusal};
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

// The report of an answer that gives results (not of a remark such as "Row 5 has no nonzero
// data."); arithmetic the report cannot do says so rather than losing the answer.
void addReport(Evaluation& evaluation, const ReportRequest& request, ReportInput input) {
    if (request.report == nullptr || evaluation.kind != Evaluation::Kind::Answered ||
        evaluation.answer.quantities.empty())
        return;
    try {
        evaluation.report = request.report(input);
    } catch (const std::exception& error) {
        evaluation.report =
            Report{.lines = {std::string("The report is not defined: ") + error.what()}};
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

Evaluation evaluateBoxes(const QuestionInputs& inputs, std::span<const std::string> texts,
                         std::span<const QuantityName> declared, ReportRequest request) {
    std::vector<std::string> boxes;
    boxes.reserve(texts.size());
    for (std::size_t i = 0; i < texts.size(); ++i) {
        const std::string_view text = trimBlanks(texts[i]);
        if (const auto problem = boxTextProblem(text))
            return refusedBox(inputs, static_cast<int>(i + 1), *problem, text.size());
        boxes.emplace_back(text);
    }
    // A calculation reads as many boxes as it asks; missing ones are empty.
    boxes.resize(std::max(boxes.size(), static_cast<std::size_t>(inputs.inputCount)));
    Evaluation evaluation = run([&] { return inputs.calculate(boxes); }, declared);
    addReport(evaluation, request,
              ReportInput{.texts = boxes, .answer = evaluation.answer, .options = request.options});
    if (evaluation.box)
        evaluation.question = boxQuestion(inputs, *evaluation.box);
    return evaluation;
}

Evaluation evaluateSheet(const SheetInputs& inputs, const DataSheetInput& input,
                         std::span<const QuantityName> declared, ReportRequest request) {
    Evaluation evaluation = run([&] { return inputs.calculate(input); }, declared);
    addReport(
        evaluation, request,
        ReportInput{.sheet = &input, .answer = evaluation.answer, .options = request.options});
    if (evaluation.box) {
        // Beside the grid stand the sheet's own controls, in the order of its options.
        if (const SheetOption* option = refusedOption(inputs, *evaluation.box))
            evaluation.option = std::string(option->key);
        evaluation.box.reset();
    }
    if (evaluation.cell) {
        const std::vector<std::string> headings = sheetHeadings(inputs, input.options);
        const auto column = static_cast<std::size_t>(evaluation.cell->column);
        if (column < headings.size())
            evaluation.heading = headings[column];
        const std::string& text = input.sheet.text(evaluation.cell->row, evaluation.cell->column);
        evaluation.firstRowNotANumber =
            evaluation.cell->row == 1 && !trimBlanks(text).empty() && !isWhollyNumber(text);
    }
    return evaluation;
}

namespace {

ReportRequest requestOf(const CatalogueEntry& row, std::optional<ReportOptions> report) {
    if (!report)
        return {};
    return {row.report, *report};
}

} // namespace

Evaluation evaluate(const CatalogueEntry& row, std::span<const std::string> texts,
                    std::optional<ReportOptions> report) {
    return evaluateBoxes(std::get<QuestionInputs>(row.inputs), texts, row.quantities,
                         requestOf(row, report));
}

Evaluation evaluate(const CatalogueEntry& row, const DataSheetInput& input,
                    std::optional<ReportOptions> report) {
    return evaluateSheet(std::get<SheetInputs>(row.inputs), input, row.quantities,
                         requestOf(row, report));
}

std::vector<std::string> sheetHeadings(const SheetInputs& inputs, const OptionValues& values) {
    std::vector<std::string> headings = inputs.headings;
    if (inputs.presentation == nullptr)
        return headings;
    const SheetPresentation shown = inputs.presentation(values);
    for (std::size_t i = 0; i < shown.columnHeadings.size() && i + 1 < headings.size(); ++i)
        headings[i + 1] = shown.columnHeadings[i];
    return headings;
}

const SheetOption* refusedOption(const SheetInputs& inputs, int focus) {
    const auto index = static_cast<std::size_t>(focus - 1);
    return focus >= 1 && index < inputs.options.size() ? &inputs.options[index] : nullptr;
}

} // namespace quillon
