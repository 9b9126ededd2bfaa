// The report of effect sizes and confidence intervals that a calculation adds to its answer on
// request: every number with a stable name, the lines a window shows and one line in the style of
// a published report. It never changes the answer; it is formed in double precision from the
// values as typed.
#pragma once

#include "calculations/common/data_sheet.h"
#include "calculations/common/outcome.h"

#include <optional>
#include <span>
#include <string>
#include <vector>

namespace quillon {

// What the report is asked for: the level of its intervals and whether small probabilities print
// with an exponent.
struct ReportOptions {
    double level = 0.95;
    bool exponent = false;
    bool operator==(const ReportOptions&) const = default;
};

// The levels a report takes, as a percent: 50 to 99.99.
inline constexpr double kLowestReportLevel = 0.5;
inline constexpr double kHighestReportLevel = 0.9999;

// One number of the report. An interval is two numbers, its name with "_lower" and "_upper".
struct ReportQuantity {
    std::string name;            // "cohens_d", "cohens_d_lower"
    std::string label;           // "Cohen's d", "Cohen's d, lower limit of the 95% CI"
    std::optional<double> value; // empty when it cannot be formed
    std::string text;            // as printed: "1.00", or why not: "not defined: a cell is 0"
    bool operator==(const ReportQuantity&) const = default;
};

struct Report {
    std::vector<ReportQuantity> quantities;
    std::vector<std::string> lines; // "Cohen's d (pooled SD): 1.00, 95% CI [0.05, 1.92]"
    std::string published;          // "t(18) = 2.24, p = .038, d = 1.00, 95% CI [0.05, 1.92]"
    bool operator==(const Report&) const = default;
};

// What a report is formed from: the texts of the boxes (or the data sheet with its options) that
// the calculation has just answered, and that answer.
struct ReportInput {
    std::span<const std::string> texts;
    const DataSheetInput* sheet = nullptr;
    const Answer& answer;
    ReportOptions options;
};

using ReportFunction = Report (*)(const ReportInput& input);

} // namespace quillon
