#include "terminal/program.h"

#include "calculations/evaluation.h"
#include "terminal/batch.h"
#include "terminal/command_line.h"
#include "terminal/exit_status.h"
#include "terminal/figure_file.h"
#include "terminal/grid_input.h"
#include "terminal/input_text.h"
#include "terminal/listing.h"
#include "terminal/refusal_line.h"
#include "terminal/report.h"

#include <cerrno>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <istream>
#include <ostream>

namespace quillon::terminal {

namespace {

constexpr const char* kPrefix = "quillon-calc: ";

// Standard input, or the file that --file names.
class InputSource {
public:
    InputSource(const Request& request, std::istream& standardInput) {
        if (!request.file) {
            stream_ = &standardInput;
            name_ = "standard input";
            return;
        }
        const std::string& path = *request.file;
        name_ = path;
        std::error_code error;
        if (std::filesystem::is_directory(path, error)) {
            problem_ = InputProblem{kExitNoInput, "cannot read " + path + ": it is a folder"};
            return;
        }
        file_.open(path, std::ios::binary);
        if (!file_) {
            problem_ =
                InputProblem{kExitNoInput, "cannot open " + path + ": " + std::strerror(errno)};
            return;
        }
        stream_ = &file_;
    }

    std::istream& stream() { return *stream_; }
    const std::string& name() const { return name_; }
    const std::optional<InputProblem>& problem() const { return problem_; }

private:
    std::ifstream file_;
    std::istream* stream_ = nullptr;
    std::string name_;
    std::optional<InputProblem> problem_;
};

int report(std::ostream& err, const InputProblem& problem) {
    err << kPrefix << problem.message << '\n';
    return problem.status;
}

// Prints a single calculation's result and gives its exit status.
int printResult(const CatalogueEntry& calculation, const nlohmann::ordered_json& inputs,
                const Evaluation& evaluation, const Request& request, Streams& streams) {
    if (request.json)
        streams.out << jsonLine(evaluationJson(calculation, inputs, evaluation)) << '\n';
    switch (evaluation.kind) {
    case Evaluation::Kind::Refused:
        if (!request.json)
            streams.err << kPrefix << "refused: " << refusalText(evaluation) << '\n';
        return kExitRefused;
    case Evaluation::Kind::Failed:
        if (!request.json)
            streams.err << kPrefix << evaluation.message << '\n';
        return kExitArithmetic;
    case Evaluation::Kind::Answered:
        break;
    }
    if (request.json)
        return kExitAnswered;
    const Answer& answer = evaluation.answer;
    if (request.clipboard) {
        if (!answer.clipboard) {
            streams.err << kPrefix << calculation.commandName
                        << " sets no clipboard summary for this answer; its window leaves the "
                           "clipboard as it was\n";
            return kExitNoClipboard;
        }
        for (const std::string& line : answerOutput(Answer{.text = *answer.clipboard}, false))
            streams.out << line << '\n';
        return kExitAnswered;
    }
    for (const std::string& line : answerOutput(answer, request.tsv))
        streams.out << line << '\n';
    if (evaluation.report)
        for (const std::string& line : reportOutput(*evaluation.report))
            streams.out << line << '\n';
    return kExitAnswered;
}

// The rows, then each option by its key: a check box as true or false, any other as its text.
nlohmann::ordered_json sheetInputsJson(const SheetInputs& sheet, const Request& request,
                                       const CellBlock& rows) {
    nlohmann::ordered_json inputs = {{"rows", rows}};
    for (const SheetOption& option : sheet.options) {
        const std::string key(option.key);
        if (option.kind == OptionKind::CheckBox)
            inputs[key] = optionIsOn(request.options, option);
        else
            inputs[key] = optionValue(request.options, option);
    }
    return inputs;
}

// With --svg, the figure of an answer follows it; its status replaces the answer's only when
// the figure is not written.
int withFigure(int status, const CatalogueEntry& calculation, const Evaluation& evaluation,
               std::span<const std::string> texts, const DataSheetInput* sheet,
               const Request& request, Streams& streams) {
    if (!request.svg || evaluation.kind != Evaluation::Kind::Answered)
        return status;
    const FigureRequest figure{.path = *request.svg,
                               .size = parseFigureSize(request.size).value_or(SvgSize{}),
                               .dark = request.dark};
    const int written = writeFigureFile(calculation, evaluation, texts, sheet, figure, streams.err);
    return written != kExitAnswered ? written : status;
}

int runSheet(const CatalogueEntry& calculation, const SheetInputs& sheet, const Request& request,
             Streams& streams) {
    InputSource source(request, streams.in);
    if (source.problem())
        return report(streams.err, *source.problem());
    if (!request.file && streams.inputIsTerminal)
        streams.err << kPrefix << "type the rows of the data sheet, then Ctrl-D\n";
    const WholeText whole = readWholeText(source.stream(), source.name());
    if (whole.problem)
        return report(streams.err, *whole.problem);
    const GridInput grid = readGrid(whole.text, sheet.columns, request.header);
    if (grid.problem)
        return report(streams.err, *grid.problem);

    const DataSheetInput input{.sheet = grid.sheet, .options = request.options};
    Evaluation evaluation = evaluate(calculation, input, request.reportOptions());
    // A first line of headings was skipped already.
    if (request.header)
        evaluation.firstRowNotANumber = false;
    const int status = printResult(calculation, sheetInputsJson(sheet, request, grid.rows),
                                   evaluation, request, streams);
    return withFigure(status, calculation, evaluation, {}, &input, request, streams);
}

int runBoxes(const CatalogueEntry& calculation, const QuestionInputs& inputs,
             const Request& request, Streams& streams) {
    if (!request.batch) {
        const Evaluation evaluation =
            evaluate(calculation, request.values, request.reportOptions());
        const int status = printResult(calculation, request.values, evaluation, request, streams);
        return withFigure(status, calculation, evaluation, request.values, nullptr, request,
                          streams);
    }
    InputSource source(request, streams.in);
    if (source.problem())
        return report(streams.err, *source.problem());
    if (!request.file && streams.inputIsTerminal)
        streams.err << kPrefix << "type one calculation's values per line, then Ctrl-D\n";
    return runBatch(
        calculation, inputs, source.stream(), source.name(), streams.out, streams.err,
        {.json = request.json, .skipFirstLine = request.header, .report = request.reportOptions()});
}

int runRequest(const std::vector<std::string>& arguments, Streams& streams) {
    const Parsed parsed = parseCommandLine(arguments, streams.out, streams.err);
    if (!parsed.request)
        return parsed.status;
    const Request& request = *parsed.request;
    if (request.list) {
        printCatalogue(streams.out, request.json);
        return kExitAnswered;
    }
    const CatalogueEntry& calculation = *request.calculation;
    if (const auto* asked = std::get_if<QuestionInputs>(&calculation.inputs))
        return runBoxes(calculation, *asked, request, streams);
    return runSheet(calculation, std::get<SheetInputs>(calculation.inputs), request, streams);
}

} // namespace

int runQuillonCalc(const std::vector<std::string>& arguments, Streams streams) {
    const int status = runRequest(arguments, streams);
    // An answer that did not reach its reader (a full disk, a closed pipe) is no answer.
    streams.out.flush();
    if (!streams.out) {
        streams.err << kPrefix << "cannot write the output\n";
        return kExitOutputError;
    }
    return status;
}

} // namespace quillon::terminal
