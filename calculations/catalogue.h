// The table of calculator windows: one generic window is built from each row.
#pragma once

#include "calculations/common/outcome.h"

#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace quillon {

// The texts of the input boxes, Input1 first.
using InputTexts = std::span<const std::string>;

using Calculation = Outcome (*)(InputTexts inputs);

enum class CalculatorLayout {
    Questions,     // one question label and box per row
    TwoGroups,     // six questions in two groups of three, a second rule between them
    FourfoldTable, // one label over four boxes laid out as a 2 x 2 table
};

struct CalculatorDefinition {
    std::string_view name; // window objectName, e.g. "Distr2b"
    std::string_view title;
    std::vector<std::string_view> questions; // Question1.. texts; for FourfoldTable, the one label
    int inputCount = 0;
    int helpTopic = 0;
    Calculation calculate = nullptr; // nullptr: not built yet; its menu item stays disabled
    CalculatorLayout layout = CalculatorLayout::Questions;
    std::string_view initialAnswer; // design-time answer caption, shown before any calculation
};

const std::vector<CalculatorDefinition>& calculatorDefinitions();

// The definition of the named window, or nullptr.
const CalculatorDefinition* findCalculator(std::string_view name);

} // namespace quillon
