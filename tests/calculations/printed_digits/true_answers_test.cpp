// The answers that the steps alone printed off the truth, through the calculations.
#include "calculations/correlation/correlate.h"
#include "tests/calculations/printed_digits/true_answers.h"

#include "calculations/catalogue.h"

#include <gtest/gtest.h>

#include <sstream>
#include <string>
#include <variant>

namespace quillon {
namespace {

DataSheetInput sheetOf(const testing::TrueAnswer& row) {
    DataSheetInput input;
    if (row.pearson)
        input.options["method"] = correlationMethodKey(CorrelationMethod::Pearson);
    for (std::size_t r = 0; r < row.inputs.size(); ++r) {
        std::istringstream cells(row.inputs[r]);
        std::string cell;
        for (int c = 1; std::getline(cells, cell, ','); ++c)
            input.sheet.setText(static_cast<int>(r + 1), c, cell);
    }
    return input;
}

TEST(TrueAnswers, EachPrintsItsTrueValue) {
    for (const testing::TrueAnswer& row : testing::trueAnswers()) {
        SCOPED_TRACE(row.name);
        const CatalogueEntry* entry = findByName(row.calculation);
        ASSERT_NE(entry, nullptr);
        if (const auto* asked = std::get_if<QuestionInputs>(&entry->inputs)) {
            const Outcome outcome = asked->calculate(row.inputs);
            const auto* answer = std::get_if<Answer>(&outcome);
            ASSERT_NE(answer, nullptr);
            EXPECT_EQ(answer->clipboard.value_or(""), row.expected);
            continue;
        }
        const Outcome outcome = std::get<SheetInputs>(entry->inputs).calculate(sheetOf(row));
        const auto* answer = std::get_if<Answer>(&outcome);
        ASSERT_NE(answer, nullptr);
        const std::string shown = answer->text + "\n" + answer->clipboard.value_or("");
        EXPECT_NE(shown.find(row.expected), std::string::npos) << shown;
    }
}

} // namespace
} // namespace quillon
