#include "terminal/batch.h"

#include "calculations/common/box_text.h"
#include "calculations/common/cell_block.h"
#include "calculations/evaluation.h"
#include "terminal/exit_status.h"
#include "terminal/input_text.h"
#include "terminal/report.h"

#include <ostream>
#include <string>

namespace quillon::terminal {

namespace {

bool blank(std::string_view line) {
    return line.find_first_not_of(" \r") == std::string_view::npos;
}

// The outcome of one row: its evaluation, or why its values cannot fill the boxes.
// Empty cells after the last box (a trailing comma, a wider range exported) are no values.
Evaluation evaluateRow(const CatalogueEntry& calculation, const QuestionInputs& inputs,
                       std::vector<std::string> values, std::optional<ReportOptions> report) {
    while (values.size() > static_cast<std::size_t>(inputs.inputCount) &&
           trimBlanks(values.back()).empty())
        values.pop_back();
    if (const auto problem = valueCountProblem(inputs, values.size()))
        return Evaluation{.kind = Evaluation::Kind::Failed, .message = *problem};
    return evaluate(calculation, values, report);
}

} // namespace

int runBatch(const CatalogueEntry& calculation, const QuestionInputs& inputs, std::istream& in,
             std::string_view source, std::ostream& out, std::ostream& err, BatchOptions options) {
    bool allAnswered = true;
    std::string line;
    for (long number = 1;; ++number) {
        const LineRead read = readLine(in, line);
        if (read == LineRead::End)
            break;
        if (read == LineRead::HasNul) {
            out.flush();
            err << "quillon-calc: " << source << " is not text: line " << number
                << " holds a NUL byte\n";
            return kExitDataError;
        }
        if (number == 1 && options.skipFirstLine)
            continue;
        if (read == LineRead::TooLong) {
            allAnswered = false;
            const std::string reason = "line " + std::to_string(number) + " is longer than " +
                                       std::to_string(kMaxLineBytes) + " characters";
            if (options.json)
                out << jsonLine(
                           {{"line", number}, {"name", calculation.commandName}, {"error", reason}})
                    << '\n';
            else
                out << "error: " << reason << '\n';
            continue;
        }
        if (blank(line)) {
            // Kept as an empty line, so that output line n still answers input line n.
            if (!options.json)
                out << '\n';
            continue;
        }
        // A line that holds lone carriage returns (a file with old Mac line ends) is several rows.
        for (const std::vector<std::string>& values : splitCellBlock(line)) {
            const Evaluation evaluation = evaluateRow(calculation, inputs, values, options.report);
            allAnswered = allAnswered && evaluation.kind == Evaluation::Kind::Answered;
            if (options.json)
                out << jsonLine(evaluationJson(calculation, values, evaluation, number)) << '\n';
            else {
                out << batchLine(evaluation);
                // The published line after a tab keeps one output line per row.
                if (evaluation.report && !evaluation.report->published.empty())
                    out << '\t' << evaluation.report->published;
                out << '\n';
            }
        }
    }
    return allAnswered ? kExitAnswered : kExitRefused;
}

} // namespace quillon::terminal
