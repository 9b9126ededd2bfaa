// Every printed probability and critical value against its true value, over a seeded sweep of the
// inputs of every window that prints one (true_values.tsv, made by make_true_values.cpp from
// Boost.Math in long double): each printed number within its row's tolerance of the truth.
#include "calculations/catalogue.h"
#include "calculations/correlation/correlate.h"
#include "core/arithmetic.h"

#include <gtest/gtest.h>

#include <cctype>
#include <cmath>
#include <cstdlib>
#include <fstream>
#include <optional>
#include <sstream>
#include <string>
#include <variant>
#include <vector>

namespace quillon {
namespace {

struct TrueValue {
    std::string window;
    std::string inputs;
    std::string label;
    double truth = 0.0;
    double tolerance = 0.0;
};

// What double rounding adds to a tolerance: the truth's own digits and a single's storing.
constexpr double kSlack = 2e-7;

std::vector<std::string> split(const std::string& text, char separator) {
    std::vector<std::string> parts;
    std::string part;
    std::istringstream stream(text);
    while (std::getline(stream, part, separator))
        parts.push_back(part);
    if (!text.empty() && text.back() == separator)
        parts.emplace_back();
    return parts;
}

std::vector<TrueValue> trueValues() {
    std::ifstream file(QUILLON_TRUE_VALUES);
    std::vector<TrueValue> rows;
    std::string line;
    while (std::getline(file, line)) {
        if (line.empty() || line[0] == '#')
            continue;
        const std::vector<std::string> fields = split(line, '\t');
        if (fields.size() != 5)
            continue;
        // strtod, not stod: a truth below the double range reads as 0.
        rows.push_back({fields[0], fields[1], fields[2], std::strtod(fields[3].c_str(), nullptr),
                        std::strtod(fields[4].c_str(), nullptr)});
    }
    return rows;
}

Outcome calculate(const TrueValue& row) {
    const CatalogueEntry* entry = findByWindow(row.window);
    if (const auto* asked = std::get_if<QuestionInputs>(&entry->inputs)) {
        const std::vector<std::string> boxes = split(row.inputs, '|');
        return asked->calculate(boxes);
    }
    const auto& sheet = std::get<SheetInputs>(entry->inputs);
    DataSheetInput input;
    input.options["method"] = correlationMethodKey(CorrelationMethod::Pearson);
    const std::vector<std::string> lines = split(row.inputs, ';');
    for (std::size_t r = 0; r < lines.size(); ++r) {
        const std::vector<std::string> cells = split(lines[r], ',');
        for (std::size_t c = 0; c < cells.size(); ++c)
            input.sheet.setText(static_cast<int>(r + 1), static_cast<int>(c + 1), cells[c]);
    }
    return sheet.calculate(input);
}

// The number printed right after the label, in the answer or else in the clipboard text.
std::optional<double> printedAfter(const Answer& answer, const std::string& label) {
    const std::string clipboard = answer.clipboard.value_or("");
    for (const std::string* text : {&answer.text, &clipboard}) {
        const auto at = text->find(label);
        if (at == std::string::npos)
            continue;
        std::string digits;
        for (auto i = at + label.size(); i < text->size(); ++i) {
            const char c = (*text)[i];
            if (!(std::isdigit(static_cast<unsigned char>(c)) || c == '.' || c == '-'))
                break;
            digits += c;
        }
        char* end = nullptr;
        const double value = std::strtod(digits.c_str(), &end);
        if (!digits.empty() && *end == '\0')
            return value;
    }
    return std::nullopt;
}

TEST(PrintedDigits, EveryPrintedValueIsTrueToItsDigits) {
    const std::vector<TrueValue> rows = trueValues();
    ASSERT_GT(rows.size(), 3000u) << "true values not read from " << QUILLON_TRUE_VALUES;
    int off = 0;
    for (const TrueValue& row : rows) {
        const std::string what = row.window + " " + row.inputs + " [" + row.label + "]";
        std::optional<double> printed;
        try {
            const Outcome outcome = calculate(row);
            const auto* answer = std::get_if<Answer>(&outcome);
            if (answer)
                printed = printedAfter(*answer, row.label);
        } catch (const ArithmeticError& error) {
            ADD_FAILURE() << what << ": " << faultName(error.fault());
            off = off + 1;
            continue;
        }
        if (!printed) {
            ADD_FAILURE() << what << ": refused, or no value after the label";
            off = off + 1;
        } else if (std::fabs(*printed - row.truth) > row.tolerance + kSlack) {
            off = off + 1;
            ADD_FAILURE() << what << " printed " << *printed << ", true " << row.truth << " within "
                          << row.tolerance;
        }
    }
    EXPECT_EQ(off, 0) << off << " of " << rows.size() << " printed values off";
}

} // namespace
} // namespace quillon
