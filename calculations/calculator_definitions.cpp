#include "calculator_definitions.h"

#include <algorithm>

namespace quillon {

const std::vector<CalculatorDefinition>& calculatorDefinitions() {
    static const std::vector<CalculatorDefinition> table = {
        {"Distr1a", "Probability of a z value", {"Enter the z value:"}, 1, 33, nullptr},
        {"Distr1b", "Critical z for a given probability", {"Enter the two-tailed probability:"}, 1,
         34, nullptr},
        {"Distr1c",
         "Probability of a defined range",
         {"Enter the sample mean:", "Enter the sample unbiased standard deviation:",
          "Enter the lower limit of the range:", "Enter the upper limit of the range:"},
         4,
         35,
         nullptr},
        {"Distr2a",
         "Probability of a t value",
         {"Enter the t value:", "Enter the degrees of freedom:"},
         2,
         37,
         nullptr},
        {"Distr2b",
         "Critical t for a given probability",
         {"Enter the two-tailed probability:", "Enter the degrees of freedom:"},
         2,
         38,
         nullptr},
        {"Distr2c",
         "Probability of a defined range",
         {"Enter the sample mean:", "Enter the sample unbiased standard deviation:",
          "Enter the sample size:", "Enter the lower limit of the range:",
          "Enter the upper limit of the range:"},
         5,
         39,
         nullptr},
        {"Distr3a",
         "Probability of an F-ratio",
         {"Enter the F-ratio:", "Enter the numerator degrees of freedom:",
          "Enter the denominator degrees of freedom:"},
         3,
         41,
         nullptr},
        {"Distr3b",
         "Critical F for a given probability",
         {"Enter the probability:", "Enter the numerator degrees of freedom:",
          "Enter the denominator degrees of freedom:"},
         3,
         42,
         nullptr},
        {"Distr4a",
         "Probability of a chi-square value",
         {"Enter the chi-square value:", "Enter the degrees of freedom:"},
         2,
         44,
         nullptr},
        {"Distr4b",
         "Critical chi-square for a given probability",
         {"Enter the probability:", "Enter the degrees of freedom:"},
         2,
         45,
         nullptr},
    };
    return table;
}

const CalculatorDefinition* findCalculator(std::string_view name) {
    const auto& table = calculatorDefinitions();
    const auto found = std::find_if(table.begin(), table.end(),
                                    [name](const CalculatorDefinition& d) { return d.name == name; });
    return found == table.end() ? nullptr : &*found;
}

} // namespace quillon
