// Every calculator window's evaluation with arbitrary box texts. The input's first line names the
// window (or, when it names none, its first byte picks one); each further line is the text of the
// next box, boxes without a line left empty.
#include "calculations/catalogue.h"
#include "calculations/common/box_text.h"
#include "calculations/evaluation.h"
#include "core/arithmetic.h"
#include "figures/build_figure.h"
#include "fuzz/fuzz_checks.h"

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <string>
#include <variant>
#include <vector>

namespace {

// The catalogue's rows asked through questions.
const std::vector<const quillon::CatalogueEntry*>& calculators() {
    static const std::vector<const quillon::CatalogueEntry*> asked = [] {
        std::vector<const quillon::CatalogueEntry*> rows;
        for (const quillon::CatalogueEntry& row : quillon::catalogue())
            if (std::holds_alternative<quillon::QuestionInputs>(row.inputs))
                rows.push_back(&row);
        return rows;
    }();
    return asked;
}

const quillon::CatalogueEntry& chosenWindow(const std::string& name) {
    if (const quillon::CatalogueEntry* named = quillon::findByWindow(name))
        if (std::holds_alternative<quillon::QuestionInputs>(named->inputs))
            return *named;
    const std::size_t pick = name.empty() ? 0 : static_cast<unsigned char>(name[0]);
    return *calculators()[pick % calculators().size()];
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::vector<std::string> lines =
        quillon::fuzz::splitLines(std::string_view(reinterpret_cast<const char*>(data), size));
    const quillon::CatalogueEntry& row = chosenWindow(lines.front());
    const auto& window = std::get<quillon::QuestionInputs>(row.inputs);
    std::vector<std::string> boxes(static_cast<std::size_t>(window.inputCount));
    for (std::size_t box = 0; box < boxes.size() && box + 1 < lines.size(); ++box)
        boxes[box] = lines[box + 1];
    // Texts a box holds go through the evaluation, as every front end sends them. A text no box
    // holds never reaches the calculation through a front end (the evaluation refuses it first);
    // the calculation still takes it without a fault.
    const bool held = std::all_of(boxes.begin(), boxes.end(), [](const std::string& text) {
        return !quillon::boxTextProblem(quillon::trimBlanks(text));
    });
    if (held) {
        const quillon::Evaluation evaluation =
            quillon::evaluate(row, boxes, quillon::fuzz::reportOptionsFor(size));
        quillon::fuzz::checkEvaluation(evaluation, window.inputCount);
        if (evaluation.kind == quillon::Evaluation::Kind::Answered)
            quillon::fuzz::checkFigure(quillon::buildFigure(row, evaluation, boxes));
        return 0;
    }
    try {
        quillon::fuzz::checkOutcome(window.calculate(boxes), window.inputCount);
    } catch (const quillon::ArithmeticError&) {
        // The window reports it under the common policy.
    }
    return 0;
}
