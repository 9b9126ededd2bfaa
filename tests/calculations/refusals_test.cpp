// Every refusal of every calculation names its box or cell and says why, as the refusal tables
// expect; the tables cover every calculation of the catalogue.
#include "calculations/catalogue.h"
#include "tests/calculations/data_sheet_cases.h"
#include "tests/calculations/refusal_tables.h"

#include <gtest/gtest.h>

#include <set>

namespace quillon {
namespace {

void expectRefusal(const Outcome& got, const Refusal& expected) {
    const auto* refusal = std::get_if<Refusal>(&got);
    ASSERT_NE(refusal, nullptr) << describeSheetOutcome(got);
    EXPECT_EQ(refusal->focus, expected.focus);
    EXPECT_EQ(refusal->currentCell, expected.currentCell) << describeSheetOutcome(got);
    EXPECT_EQ(refusal->reason, expected.reason);
    EXPECT_EQ(refusal->message, expected.message);
}

TEST(Refusals, EveryCalculationHasItsTable) {
    std::set<std::string_view> windows;
    for (const RefusalTable& table : refusalTables()) {
        SCOPED_TRACE(table.window);
        const CatalogueEntry* entry = findByWindow(table.window);
        ASSERT_NE(entry, nullptr);
        EXPECT_TRUE(windows.insert(table.window).second) << "two tables";
        if (std::holds_alternative<QuestionInputs>(entry->inputs))
            EXPECT_FALSE(table.boxes.empty());
        else
            EXPECT_FALSE(table.sheets.empty());
    }
    EXPECT_EQ(windows.size(), catalogue().size());
}

TEST(Refusals, EveryRefusalNamesItsBoxOrCellAndSaysWhy) {
    for (const RefusalTable& table : refusalTables()) {
        SCOPED_TRACE(table.window);
        const CatalogueEntry& entry = *findByWindow(table.window);
        if (const auto* asked = std::get_if<QuestionInputs>(&entry.inputs)) {
            for (const BoxRefusal& row : table.boxes) {
                SCOPED_TRACE(joinedInputs(row.inputs));
                ASSERT_EQ(row.inputs.size(), static_cast<std::size_t>(asked->inputCount));
                expectRefusal(asked->calculate(row.inputs), expectedRefusal(row));
            }
            continue;
        }
        const auto& sheet = std::get<SheetInputs>(entry.inputs);
        for (const SheetRefusal& row : table.sheets) {
            SCOPED_TRACE(row.name);
            expectRefusal(sheet.calculate(row.input), expectedRefusal(row));
        }
    }
}

} // namespace
} // namespace quillon
