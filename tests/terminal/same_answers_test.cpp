// Every calculation answered at the terminal exactly as its window answers it: the answer text
// (with LF line breaks) and the clipboard summary, from the same inputs typed or piped in; and
// every refusal given with the same box or cell and reason.
#include "calculations/catalogue.h"
#include "calculations/correlation/correlate.h"
#include "calculations/evaluation.h"
#include "terminal/refusal_line.h"
#include "tests/calculations/data_sheet_cases.h"
#include "tests/calculations/refusal_tables.h"
#include "tests/terminal/terminal_run.h"

#include <gtest/gtest.h>

#include <set>

namespace quillon::terminal {
namespace {

struct SameAnswerCase {
    std::string name;                   // as typed: a readable or a window name, any case
    std::vector<std::string> arguments; // after the name: the box texts, or the sheet's options
    std::string input;                  // standard input, for a data sheet
    DataSheetInput sheet;               // the same data as the window's grid holds it
};

DataSheetInput withOptions(DataSheetInput input, std::string population, bool yates,
                           CorrelationMethod method = CorrelationMethod::Regression) {
    input.options["population"] = std::move(population);
    input.options["yates"] = yates ? kOptionOn : kOptionOff;
    input.options["method"] = correlationMethodKey(method);
    return input;
}

std::string lowercase(std::string_view text) {
    std::string lower;
    for (const char c : text)
        lower += static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    return lower;
}

// Names are found whatever their case.
const CatalogueEntry* entryOf(const std::string& typed) {
    for (const CatalogueEntry& entry : catalogue())
        if (lowercase(typed) == entry.commandName ||
            lowercase(typed) == lowercase(entry.windowName))
            return &entry;
    return nullptr;
}

std::vector<SameAnswerCase> cases() {
    const CellRows pairs = {{"1", "2"}, {"2", "4"}, {"3", "7"}, {"4", "8"}, {"6", "9"}};
    const std::string pairsText = "1 2\n2 4\n3 7\n4 8\n6 9\n";
    return {
        {"z-probability", {"1.96"}},
        {"Distr1b", {".05"}},
        {"z-range", {"100", "15", "85", "115"}},
        {"t-probability", {"-2.228", "10"}},
        {"T-CRITICAL", {".05", "10"}},
        {"t-range", {"100", "15", "25", "90", "110"}},
        {"f-probability", {"3.5", "2", "20"}},
        {"f-critical", {".05", "2", "20"}},
        {"chi-square-probability", {"3.84", "1"}},
        {"chi-square-critical", {".05", "3"}},
        {"fisher-exact", {"5", "1", "2", "6"}},
        {"binomial", {"20", ".5", "15"}},
        {"poisson", {"8", "3"}},
        {"percents-one-sample", {"60", "50", "100"}},
        {"percents-two-samples", {"60", "100", "45", "120"}},
        {"percent-interval", {"40", "200", "10000", "95"}},
        {"independent-groups", {"10", "2", "10", "12", "2", "10"}},
        {"mean-interval", {"10.5", "3", "25", "1000", "95"}},
        {"mean-against-population", {"48", "2", "16", "1000", "50"}},
        {"sd-ratio", {"4", "10", "2", "15"}},
        {"sample-size-percent", {"10000", "50", "5", "95"}},
        {"sample-size-mean", {"15", "3", "95"}},
        {"error-for-sample-size", {"10000", "50", "400", "95"}},
        {"chi-square-test",
         {},
         "10\t5\t8\n5\t10\t7\n",
         sheetOf({{"10", "5", "8"}, {"5", "10", "7"}})},
        {"Counts1",
         {"--yates"},
         "12,5\n4,11\n",
         withOptions(sheetOf({{"12", "5"}, {"4", "11"}}), "", true)},
        {"describe-sample",
         {"--header", "--population", "100"},
         "Weight\n1\n2\n3\n4\n5\n",
         withOptions(sheetOf(columnOf({"1", "2", "3", "4", "5"})), "100", false)},
        {"matched-pairs",
         {},
         "1 2\r\n2 4\r\n3 5\r\n4 4\r\n",
         sheetOf({{"1", "2"}, {"2", "4"}, {"3", "5"}, {"4", "4"}})},
        {"anova",
         {},
         "10,2,10\n12,2,10\n14,2.5,12\n",
         sheetOf({{"10", "2", "10"}, {"12", "2", "10"}, {"14", "2.5", "12"}})},
        {"correlation", {}, pairsText, sheetOf(pairs)},
        {"correlation",
         {"--method", "pearson"},
         pairsText,
         withOptions(sheetOf(pairs), "", false, CorrelationMethod::Pearson)},
        {"correl",
         {"--method", "Spearman"},
         pairsText,
         withOptions(sheetOf(pairs), "", false, CorrelationMethod::Spearman)},
    };
}

// The answer grid's rows down to the last that holds something, a tab between cells.
std::string tabSeparated(const std::vector<std::vector<std::string>>& table) {
    std::vector<std::string> lines;
    for (const auto& row : table) {
        std::string line;
        for (std::size_t c = 0; c < row.size(); ++c)
            line += (c > 0 ? "\t" : "") + row[c];
        lines.push_back(line);
    }
    while (!lines.empty() && lines.back().find_first_not_of('\t') == std::string::npos)
        lines.pop_back();
    std::string text;
    for (const std::string& line : lines)
        text += line + "\n";
    return text;
}

TEST(SameAnswers, EveryCalculationAnswersAsItsWindowDoes) {
    std::set<std::string_view> covered;
    for (const SameAnswerCase& row : cases()) {
        SCOPED_TRACE(row.name + " " + joinedInputs(row.arguments));
        const CatalogueEntry* entry = entryOf(row.name);
        ASSERT_NE(entry, nullptr);
        covered.insert(entry->commandName);

        Outcome window;
        if (const auto* asked = std::get_if<QuestionInputs>(&entry->inputs))
            window = asked->calculate(row.arguments);
        else
            window = std::get<SheetInputs>(entry->inputs).calculate(row.sheet);
        ASSERT_TRUE(std::holds_alternative<Answer>(window)) << describeSheetOutcome(window);
        const Answer& answer = std::get<Answer>(window);

        std::vector<std::string> arguments{row.name};
        arguments.insert(arguments.end(), row.arguments.begin(), row.arguments.end());
        if (!answer.table.empty()) {
            arguments.push_back("--tsv");
            const CalcRun run = runCalc(arguments, row.input);
            EXPECT_EQ(run.status, 0) << run.err;
            EXPECT_EQ(run.out, tabSeparated(answer.table));
            arguments.pop_back();
        } else {
            const CalcRun run = runCalc(arguments, row.input);
            EXPECT_EQ(run.status, 0) << run.err;
            EXPECT_EQ(run.out, printed(answer.text));
            EXPECT_EQ(run.err, "");
        }

        arguments.push_back("--clipboard");
        const CalcRun clip = runCalc(arguments, row.input);
        if (answer.clipboard) {
            EXPECT_EQ(clip.status, 0) << clip.err;
            EXPECT_EQ(clip.out, printed(*answer.clipboard));
        } else {
            EXPECT_EQ(clip.status, 1);
            EXPECT_EQ(clip.out, "");
            EXPECT_NE(clip.err.find("sets no clipboard summary"), std::string::npos) << clip.err;
        }
    }
    EXPECT_EQ(covered.size(), catalogue().size());
}

// The reason as a line shows it: its first letter in lower case, no full stop at the end.
std::string lowered(std::string reason) {
    reason.front() = static_cast<char>(std::tolower(static_cast<unsigned char>(reason.front())));
    if (reason.ends_with('.'))
        reason.pop_back();
    return reason;
}

std::size_t occurrences(const std::string& text, const std::string& part) {
    std::size_t count = 0;
    for (std::size_t at = text.find(part); at != std::string::npos; at = text.find(part, at + 1))
        ++count;
    return count;
}

TEST(SameAnswers, EveryRefusalIsReportedAsItsWindowGivesIt) {
    for (const RefusalTable& table : refusalTables()) {
        SCOPED_TRACE(table.window);
        const CatalogueEntry& entry = *findByWindow(table.window);
        if (const auto* asked = std::get_if<QuestionInputs>(&entry.inputs)) {
            for (const BoxRefusal& row : table.boxes) {
                SCOPED_TRACE(joinedInputs(row.inputs));
                const Evaluation got = evaluateBoxes(*asked, row.inputs);
                ASSERT_EQ(got.kind, Evaluation::Kind::Refused);
                EXPECT_EQ(got.box, row.box);
                EXPECT_EQ(got.reason, row.reason);
                EXPECT_EQ(refusalText(got),
                          "box " + std::to_string(row.box) + " (" + boxQuestion(*asked, row.box) +
                              "): " + (row.messageBox ? row.reason : lowered(row.reason)));
            }
            continue;
        }
        const auto& sheet = std::get<SheetInputs>(entry.inputs);
        for (const SheetRefusal& row : table.sheets) {
            SCOPED_TRACE(row.name);
            const Evaluation got = evaluateSheet(sheet, row.input);
            ASSERT_EQ(got.kind, Evaluation::Kind::Refused);
            EXPECT_EQ(got.box, std::nullopt);
            EXPECT_EQ(got.cell, row.cell);
            EXPECT_EQ(got.reason, row.reason);
            const std::string text = refusalText(got);
            if (row.focus == 1) {
                EXPECT_EQ(text, "--population: " + lowered(row.reason));
            } else if (row.messageBox) {
                EXPECT_EQ(text, row.reason);
            } else if (!row.cell) {
                EXPECT_EQ(text, lowered(row.reason));
            } else {
                // The cell is named once, in lower case, and the reason follows it.
                const std::string name = "row " + std::to_string(row.cell->row) + " column ";
                EXPECT_TRUE(text.starts_with(name)) << text;
                EXPECT_EQ(occurrences(lowercase(text), name), 1u) << text;
                const std::string tail = row.reason.substr(row.reason.find(" Column ") + 9);
                EXPECT_TRUE(text.ends_with(tail.ends_with('.') ? lowered(tail) : tail) ||
                            text.find("; --header") != std::string::npos)
                    << text;
            }
        }
    }
}

} // namespace
} // namespace quillon::terminal
