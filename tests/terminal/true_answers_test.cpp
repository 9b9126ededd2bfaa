// The answers that the steps alone printed off the truth, through quillon-calc: a calculator's
// clipboard text, a data sheet's answer and clipboard text.
#include "tests/calculations/printed_digits/true_answers.h"
#include "tests/terminal/terminal_run.h"

#include "calculations/catalogue.h"

#include <gtest/gtest.h>

#include <string>
#include <variant>
#include <vector>

namespace quillon::terminal {
namespace {

TEST(TrueAnswers, QuillonCalcPrintsEachTrueValue) {
    for (const testing::TrueAnswer& row : testing::trueAnswers()) {
        SCOPED_TRACE(row.name);
        std::vector<std::string> arguments{row.calculation};
        const CatalogueEntry* entry = findByName(row.calculation);
        ASSERT_NE(entry, nullptr);
        if (std::holds_alternative<QuestionInputs>(entry->inputs)) {
            arguments.insert(arguments.end(), row.inputs.begin(), row.inputs.end());
            arguments.push_back("--clipboard");
            const CalcRun run = runCalc(arguments);
            EXPECT_EQ(run.status, 0) << run.err;
            EXPECT_EQ(run.out, row.expected + "\n");
            continue;
        }
        if (row.pearson) {
            arguments.push_back("--method");
            arguments.push_back("pearson");
        }
        std::string rows;
        for (const std::string& line : row.inputs)
            rows += line + "\n";
        const CalcRun answer = runCalc(arguments, rows);
        EXPECT_EQ(answer.status, 0) << answer.err;
        arguments.push_back("--clipboard");
        const std::string shown = answer.out + runCalc(arguments, rows).out;
        EXPECT_NE(shown.find(row.expected), std::string::npos) << shown;
    }
}

} // namespace
} // namespace quillon::terminal
