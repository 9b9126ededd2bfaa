// NIST's Statistical Reference Datasets as the data sheets take them, and the grading of a printed
// answer against their certified values: every printed number within one unit of its last printed
// digit, and the number of correct significant digits it carries.
#pragma once

#include "calculations/common/data_sheet.h"
#include "calculations/common/outcome.h"
#include "calculations/correlation/correlate.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <regex>
#include <set>
#include <sstream>
#include <string>
#include <vector>

namespace quillon {

struct GradedValue {
    std::string what;
    std::string where; // a regular expression whose first group is the printed number
    double truth;      // the certified value, or one computed exactly from the set
};

struct ReferenceSet {
    std::string name;
    std::string calculation; // quillon-calc's name of the data sheet
    std::string method;      // correlation: pearson or regression
    std::string rows;        // one row a line, cells separated by commas
    std::vector<GradedValue> values;
};

inline const std::vector<ReferenceSet>& referenceSets() {
    static const std::vector<ReferenceSet> sets = {
#include "tests/calculations/reference_sets/reference_sets.inc"
    };
    return sets;
}

// "Set method value", the name a value goes by in the lists below.
inline std::string valueName(const ReferenceSet& set, const GradedValue& value) {
    return set.name + (set.method.empty() ? "" : " " + set.method) + " " + value.what;
}

// Printed values not yet within one unit of their last digit of the truth: the single-precision
// steps still lose them. Each leaves this list as soon as it prints right.
inline const std::set<std::string>& notYetCertified() {
    static const std::set<std::string> names = {
#include "tests/calculations/reference_sets/not_yet_certified.inc"
    };
    return names;
}

inline DataSheetInput sheetOfRows(const ReferenceSet& set) {
    DataSheetInput input;
    std::istringstream lines(set.rows);
    std::string line;
    for (int row = 1; std::getline(lines, line); ++row) {
        std::istringstream cells(line);
        std::string cell;
        for (int column = 1; std::getline(cells, cell, ','); ++column)
            input.sheet.setText(row, column, cell);
    }
    input.options["method"] = correlationMethodKey(
        set.method == "pearson" ? CorrelationMethod::Pearson : CorrelationMethod::Regression);
    return input;
}

// The answer as one text: its caption, or the grid's rows with two blanks between cells, then the
// clipboard text.
inline std::string answerText(const Answer& answer) {
    std::string text = answer.text + "\n";
    for (const auto& row : answer.table) {
        for (const std::string& cell : row)
            text += cell + "  ";
        text += "\n";
    }
    return text + answer.clipboard.value_or("");
}

struct Grade {
    bool found = false;
    std::string printed;
    bool withinLastDigit = false;
    double digits = 0.0; // correct significant digits (log relative error), at most 15
};

inline Grade grade(const std::string& text, const GradedValue& value) {
    Grade g;
    std::smatch match;
    if (!std::regex_search(text, match, std::regex(value.where)))
        return g;
    g.found = true;
    g.printed = match[1].str();
    const double printed = std::strtod(g.printed.c_str(), nullptr);
    const std::size_t point = g.printed.find('.');
    const int decimals = point == std::string::npos ? 0 : int(g.printed.size() - point - 1);
    const double unit = std::pow(10.0, -decimals);
    const double error = std::fabs(printed - value.truth);
    g.withinLastDigit = error <= unit * (1.0 + 1e-9);
    if (error == 0.0)
        g.digits = 15.0;
    else if (value.truth != 0.0)
        g.digits = std::clamp(-std::log10(error / std::fabs(value.truth)), 0.0, 15.0) + 0.0;
    return g;
}

} // namespace quillon
