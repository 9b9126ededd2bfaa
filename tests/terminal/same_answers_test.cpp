// Every calculation answered at the terminal exactly as its window answers it: the answer text
// (with LF line breaks) and the clipboard summary, from the same inputs typed or piped in; and
// every refusal given with the same box or cell and reason.
#include "calculations/catalogue.h"
#include "calculations/evaluation.h"
#include "terminal/refusal_line.h"
#include "tests/calculations/refusal_tables.h"
#include "tests/terminal/same_answer_cases.h"
#include "tests/terminal/terminal_run.h"

#include <gtest/gtest.h>

#include <set>

namespace quillon::terminal {
namespace {

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
    for (const SameAnswerCase& row : sameAnswerCases()) {
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
