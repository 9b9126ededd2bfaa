#include "terminal/command_line.h"

#include "calculations/common/box_text.h"
#include "calculations/evaluation.h"
#include "terminal/exit_status.h"
#include "terminal/figure_file.h"

#include <CLI/CLI.hpp>

#include <map>
#include <ostream>

namespace quillon::terminal {

namespace {

constexpr const char* kProgram = "quillon-calc";

const char* const kUsage =
    "usage: quillon-calc list [--json]\n"
    "       quillon-calc NAME VALUE...            a calculator with boxes, one value per box\n"
    "       quillon-calc NAME --batch [--json]    one calculation per input line\n"
    "       quillon-calc NAME [--file PATH]       a data sheet, its rows read from standard input\n"
    "NAME is a readable name (t-critical) or a window name (Distr2b); see 'quillon-calc list'.\n";

std::string valuesFooter(const QuestionInputs& inputs) {
    std::string text = "Values, one per box in this order (an empty box is \"\"):\n";
    for (int box = 1; box <= inputs.inputCount; ++box)
        text += "  " + std::to_string(box) + ". " + boxQuestion(inputs, box) + "\n";
    text += "With --batch, each line of standard input (or --file) holds one calculation's "
            "values,\nseparated by tabs, commas or blanks.";
    return text;
}

std::string sheetFooter(const SheetInputs& inputs) {
    std::string text = "The data sheet (\"" + std::string(inputs.instruction) +
                       "\") is read from standard input or --file:\n"
                       "one row per line, cells separated by tabs, commas or blanks; at most " +
                       std::to_string(DataSheet::kRows) + " rows of " +
                       std::to_string(inputs.columns) +
                       (inputs.columns == 1 ? " column" : " columns");
    if (inputs.columns <= 3) {
        text += " (";
        for (int column = 1; column <= inputs.columns; ++column)
            text += (column > 1 ? ", " : "") + inputs.headings[static_cast<std::size_t>(column)];
        text += ")";
    }
    text += ".";
    return text;
}

// The texts of a sheet's text boxes: what a calculator's box takes.
const CLI::Validator kBoxText(
    [](std::string& text) {
        const auto problem = boxTextProblem(trimBlanks(text));
        return problem ? *problem : std::string();
    },
    "NUMBER");

// What the command line gives for a sheet's options before they become texts by key: a check box
// is a flag, any other option takes a value.
struct GivenOptions {
    std::map<std::string, std::string> values;
    std::map<std::string, bool> flags;
};

// A sheet's own controls as options: --KEY VALUE for a text box or a choice, --KEY for a check
// box.
void addSheetOptions(CLI::App& sub, const SheetInputs& sheet, GivenOptions& given) {
    for (const SheetOption& option : sheet.options) {
        const std::string key(option.key);
        const std::string name = "--" + key;
        const std::string help(option.help);
        switch (option.kind) {
        case OptionKind::TextBox:
            sub.add_option(name, given.values[key], help)
                ->check(kBoxText)
                ->type_name(std::string(option.valueName));
            break;
        case OptionKind::CheckBox:
            sub.add_flag(name, given.flags[key], help);
            break;
        case OptionKind::Choice: {
            std::vector<std::string> keys;
            for (const OptionChoice& choice : option.choices)
                keys.emplace_back(choice.key);
            sub.add_option(name, given.values[key], help)
                ->transform(CLI::IsMember(keys, CLI::ignore_case))
                ->type_name(std::string(option.valueName));
            break;
        }
        }
    }
}

// Every option of the sheet with the value given for it, or its default.
OptionValues optionValues(const SheetInputs& sheet, const GivenOptions& given) {
    OptionValues values;
    for (const SheetOption& option : sheet.options) {
        const std::string key(option.key);
        std::string value(option.defaultValue);
        if (option.kind == OptionKind::CheckBox) {
            const auto flag = given.flags.find(key);
            if (flag != given.flags.end() && flag->second)
                value = kOptionOn;
        } else if (const auto text = given.values.find(key);
                   text != given.values.end() && !text->second.empty()) {
            value = option.kind == OptionKind::TextBox ? std::string(trimBlanks(text->second))
                                                       : text->second;
        }
        values.emplace(key, std::move(value));
    }
    return values;
}

void addCalculation(CLI::App& app, const CatalogueEntry& entry, Request& request,
                    GivenOptions& given, std::map<CLI::App*, const CatalogueEntry*>& entries) {
    CLI::App* sub = app.add_subcommand(std::string(entry.commandName), std::string(entry.title));
    sub->alias(std::string(entry.windowName));
    sub->ignore_case();
    entries[sub] = &entry;
    sub->add_flag("--json", request.json, "Print the result as one JSON object");
    sub->add_option("--file", request.file, "Read the input lines from this file")
        ->type_name("PATH");
    sub->add_flag("--header", request.header, "Skip the first input line (column headings)");

    CLI::Option* report = nullptr;
    if (entry.report != nullptr) {
        report = sub->add_flag("--report", request.report,
                               "Also print the effect sizes and confidence intervals");
        sub->add_option("--level", request.levelPercent,
                        "Confidence level of the report's intervals in percent (default 95)")
            ->type_name("PERCENT")
            ->check(CLI::Range(kLowestReportLevel * 100.0, kHighestReportLevel * 100.0))
            ->needs(report);
        sub->add_flag("--exponent", request.exponent,
                      "Print the report's small probabilities with an exponent")
            ->needs(report);
    }
    CLI::Option* svg =
        sub->add_option("--svg", request.svg, "Also write the answer's figure as SVG to this file")
            ->type_name("FILE");
    sub->add_flag("--dark", request.dark, "Draw the figure in the dark colour set")->needs(svg);
    sub->add_option("--size", request.size, "The figure's size in pixels (default 640x400)")
        ->type_name("WIDTHxHEIGHT")
        ->check(CLI::Validator(
            [](const std::string& text) {
                return parseFigureSize(text) ? std::string()
                                             : "expected WIDTHxHEIGHT, each 120 to 4000";
            },
            "WIDTHxHEIGHT"))
        ->needs(svg);
    if (const auto* asked = std::get_if<QuestionInputs>(&entry.inputs)) {
        sub->add_option("values", request.values, "The box texts, in question order")
            ->type_name("VALUE");
        auto* batch = sub->add_flag("--batch", request.batch,
                                    "One calculation per input line; one output line each")
                          ->excludes(svg);
        CLI::Option* clipboard = sub->add_flag("--clipboard", request.clipboard,
                                               "Print the clipboard summary instead of the answer")
                                     ->excludes(batch)
                                     ->excludes("--json");
        if (report != nullptr)
            clipboard->excludes(report);
        sub->footer(valuesFooter(*asked));
        return;
    }
    const auto& sheet = std::get<SheetInputs>(entry.inputs);
    CLI::Option* clipboard = sub->add_flag("--clipboard", request.clipboard,
                                           "Print the clipboard summary instead of the answer")
                                 ->excludes("--json");
    if (report != nullptr)
        clipboard->excludes(report);
    addSheetOptions(*sub, sheet, given);
    if (sheet.answer == AnswerArea::Table)
        sub->add_flag("--tsv", request.tsv, "Print the table as tab-separated rows");
    sub->footer(sheetFooter(sheet));
}

// The first argument that is not an option, if the command line has one.
std::optional<std::string> firstWord(const std::vector<std::string>& arguments) {
    for (const std::string& argument : arguments) {
        if (argument == "--")
            break;
        if (argument.empty() || argument.front() != '-')
            return argument;
    }
    return std::nullopt;
}

// CLI11 takes "-.5" for an option; a value that starts so stands in the parse as a placeholder that
// no option or name can be, and is put back after.
constexpr char kStandIn = '\x1f';

bool startsLikeOption(const std::string& argument) {
    return argument.size() > 1 && argument[0] == '-' && argument[1] == '.';
}

std::vector<std::string> withStandIns(const std::vector<std::string>& arguments,
                                      std::vector<std::string>& originals) {
    std::vector<std::string> replaced;
    for (const std::string& argument : arguments) {
        if (startsLikeOption(argument)) {
            replaced.push_back(kStandIn + std::to_string(originals.size()));
            originals.push_back(argument);
        } else {
            replaced.push_back(argument);
        }
    }
    return replaced;
}

void restoreStandIns(std::vector<std::string>& values, const std::vector<std::string>& originals) {
    for (std::string& value : values)
        if (!value.empty() && value.front() == kStandIn)
            value = originals.at(std::stoul(value.substr(1)));
}

int usageError(std::ostream& err, const std::string& message, const std::string& hint) {
    err << kProgram << ": " << message << "\n" << kUsage << hint << "\n";
    return kExitUsage;
}

// The exit status of a command line CLI11 could not read: its own help and version answer, an
// unknown first word is not a calculation, anything else is a usage error with a hint.
int parseErrorStatus(CLI::App& app, const CLI::ParseError& error,
                     const std::vector<std::string>& arguments, std::ostream& out,
                     std::ostream& err) {
    if (error.get_exit_code() == static_cast<int>(CLI::ExitCodes::Success))
        return app.exit(error, out, err);
    const std::vector<CLI::App*> chosen = app.get_subcommands();
    if (chosen.empty()) {
        const auto word = firstWord(arguments);
        if (word && dynamic_cast<const CLI::ExtrasError*>(&error) != nullptr)
            return usageError(err, "no calculation is named \"" + *word + "\"",
                              "'quillon-calc list' names them all.");
    }
    const std::string name = chosen.empty() ? "" : chosen.front()->get_name() + " ";
    return usageError(err, error.what(), "Try 'quillon-calc " + name + "--help'.");
}

// What is wrong with the values or options given to a calculator with boxes, if anything.
std::optional<std::string> boxesProblem(const Request& request) {
    const auto* asked = std::get_if<QuestionInputs>(&request.calculation->inputs);
    if (asked == nullptr)
        return std::nullopt;
    if (request.batch && !request.values.empty())
        return "--batch reads its values from the input lines, not the command line";
    if (!request.batch && (request.file || request.header))
        return "--file and --header go with --batch";
    if (request.batch)
        return std::nullopt;
    return valueCountProblem(*asked, request.values.size());
}

} // namespace

Parsed parseCommandLine(const std::vector<std::string>& arguments, std::ostream& out,
                        std::ostream& err) {
    Request request;
    CLI::App app(std::string("Quillon's ") + QUILLON_CALCULATION_COUNT_WORDS +
                     " statistical calculations from a terminal, with the answers and clipboard "
                     "summaries of the windows.",
                 kProgram);
    app.set_version_flag("-v,--version", std::string("quillon-calc ") + QUILLON_VERSION);
    app.require_subcommand(0, 1);
    app.footer(
        "Run 'quillon-calc NAME --help' for a calculation's values and options.\n"
        "Exit status: 0 answered, 1 no clipboard summary, 2 refused, 3 cannot be "
        "calculated,\n64 usage, 65 input not usable, 66 file not readable, 74 output not written.");

    CLI::App* list = app.add_subcommand("list", "List every calculation with its inputs");
    list->add_flag("--json", request.json, "One JSON object per calculation");
    std::map<CLI::App*, const CatalogueEntry*> entries;
    GivenOptions given;
    for (const CatalogueEntry& entry : catalogue())
        addCalculation(app, entry, request, given, entries);

    std::vector<std::string> originals;
    const std::vector<std::string> replaced = withStandIns(arguments, originals);
    std::vector<std::string> reversed(replaced.rbegin(), replaced.rend());
    try {
        app.parse(reversed);
    } catch (const CLI::ParseError& error) {
        return Parsed{.status = parseErrorStatus(app, error, arguments, out, err)};
    }

    restoreStandIns(request.values, originals);
    const std::vector<CLI::App*> chosen = app.get_subcommands();
    if (chosen.empty())
        return Parsed{.status = usageError(err, "a calculation's name or 'list' is needed",
                                           "Try 'quillon-calc --help'.")};
    if (chosen.front() == list) {
        request.list = true;
        return Parsed{.request = request};
    }
    request.calculation = entries.at(chosen.front());
    if (const auto problem = boxesProblem(request)) {
        const std::string hint =
            "Try 'quillon-calc " + std::string(request.calculation->commandName) + " --help'.";
        return Parsed{.status = usageError(err, *problem, hint)};
    }
    if (const auto* sheet = std::get_if<SheetInputs>(&request.calculation->inputs))
        request.options = optionValues(*sheet, given);
    return Parsed{.request = request};
}

} // namespace quillon::terminal
