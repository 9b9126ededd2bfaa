// Table-driven checks of the results a calculation publishes as numbers: each row what is typed
// (box texts, or a data sheet) and the quantities expected, by name, value and printed text.
#pragma once

#include "calculations/catalogue.h"
#include "tests/calculations/outcome_cases.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <string>
#include <string_view>
#include <vector>

namespace quillon {

struct QuantityCase {
    std::vector<std::string> inputs;
    std::vector<Quantity> expected; // in the order the answer publishes them
};

struct SheetQuantityCase {
    std::string name;
    DataSheetInput input;
    std::vector<Quantity> expected;
};

// A value matches when it is the one expected to 1 part in 10^7 (a single's digits, or the
// printed digits of a double written out in the table).
inline bool sameValue(double got, double expected) {
    if (got == expected)
        return true;
    return std::fabs(got - expected) <= 1e-7 * std::max(std::fabs(got), std::fabs(expected));
}

inline void expectPublished(const CatalogueEntry& entry, const Outcome& outcome,
                            const std::vector<Quantity>& expected) {
    const auto* answer = std::get_if<Answer>(&outcome);
    ASSERT_NE(answer, nullptr) << "refused: " << describeOutcome(outcome);
    ASSERT_EQ(answer->quantities.size(), expected.size()) << describeOutcome(outcome);
    for (std::size_t i = 0; i < expected.size(); ++i) {
        const Quantity& got = answer->quantities[i];
        SCOPED_TRACE(expected[i].name);
        EXPECT_EQ(got.name, expected[i].name);
        EXPECT_TRUE(sameValue(got.value, expected[i].value))
            << got.value << " expected " << expected[i].value;
        EXPECT_EQ(got.text, expected[i].text);
        // Every published name is one the catalogue row declares.
        EXPECT_TRUE(
            std::any_of(entry.quantities.begin(), entry.quantities.end(),
                        [&](const QuantityName& declared) { return declared.name == got.name; }))
            << got.name << " is not declared in the row of " << entry.windowName;
    }
}

inline void expectQuantities(std::string_view window, const std::vector<QuantityCase>& cases) {
    const CatalogueEntry* entry = findByWindow(window);
    ASSERT_NE(entry, nullptr) << window;
    const auto& asked = std::get<QuestionInputs>(entry->inputs);
    for (const QuantityCase& row : cases) {
        SCOPED_TRACE(std::string(window) + " " + joinedInputs(row.inputs));
        expectPublished(*entry, asked.calculate(row.inputs), row.expected);
    }
}

inline void expectSheetQuantities(std::string_view window,
                                  const std::vector<SheetQuantityCase>& cases) {
    const CatalogueEntry* entry = findByWindow(window);
    ASSERT_NE(entry, nullptr) << window;
    const auto& sheet = std::get<SheetInputs>(entry->inputs);
    for (const SheetQuantityCase& row : cases) {
        SCOPED_TRACE(std::string(window) + " " + row.name);
        expectPublished(*entry, sheet.calculate(row.input), row.expected);
    }
}

} // namespace quillon
