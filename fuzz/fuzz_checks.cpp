#include "fuzz/fuzz_checks.h"

#include "figures/svg_writer.h"

#include "calculations/common/data_sheet.h"
#include "calculations/common/refusal_text.h"
#include "core/number_text.h"

#include <algorithm>
#include <cctype>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <optional>

namespace quillon::fuzz {
namespace {

std::string lowerCase(std::string_view text) {
    std::string lower(text);
    std::transform(lower.begin(), lower.end(), lower.begin(),
                   [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
    return lower;
}

// The number a text starts with after blanks, as the answers write it (".5", "-.25", "1.5E-10").
std::optional<double> leadingNumber(std::string_view text) {
    std::size_t at = text.find_first_not_of(' ');
    if (at == std::string_view::npos)
        return std::nullopt;
    const std::string rest(text.substr(at));
    char* end = nullptr;
    const double value = std::strtod(rest.c_str(), &end);
    if (end == rest.c_str())
        return std::nullopt;
    return value;
}

// The number after the first "=" (or " is ") that follows the label in the line, if any.
std::optional<double> valueAfter(std::string_view line, std::size_t labelEnd) {
    const std::string_view rest = line.substr(labelEnd);
    const std::size_t equals = rest.find('=');
    const std::size_t is = rest.find(" is ");
    if (equals != std::string_view::npos && (is == std::string_view::npos || equals < is))
        return leadingNumber(rest.substr(equals + 1));
    if (is != std::string_view::npos)
        return leadingNumber(rest.substr(is + 4));
    return std::nullopt;
}

// Within lowest to highest; a range from 0 also excludes a negative zero ("-.0000" is a negative
// value rounded for printing).
bool isWithin(double value, double lowest, double highest) {
    if (lowest == 0.0 && std::signbit(value))
        return false;
    return value >= lowest && value <= highest;
}

void checkLabelled(std::string_view line, std::string_view lowerLine, std::string_view label,
                   double lowest, double highest, std::string_view what) {
    for (std::size_t at = lowerLine.find(label); at != std::string_view::npos;
         at = lowerLine.find(label, at + 1)) {
        const std::optional<double> value = valueAfter(lowerLine, at + label.size());
        if (value && !isWithin(*value, lowest, highest))
            fail(what, line);
    }
}

void checkLine(std::string_view line) {
    const std::string lower = lowerCase(line);
    checkLabelled(line, lower, "probab", 0.0, 1.0, "probability within 0 to 1");
    checkLabelled(line, lower, "chance", 0.0, 1.0, "probability within 0 to 1");
    checkLabelled(line, lower, ", p", 0.0, 1.0, "probability within 0 to 1");
    checkLabelled(line, lower, "correlation coefficient", -1.0, 1.0, "correlation within -1 to 1");
    checkLabelled(line, lower, "r-squared", 0.0, 1.0, "r-squared within 0 to 1");
    constexpr double kHuge = 1E300;
    checkLabelled(line, lower, "sample size", 0.0, kHuge, "sample size not negative");
    checkLabelled(line, lower, "standard error", 0.0, kHuge, "standard error not negative");
    for (std::size_t at = line.find(kPlusMinus); at != std::string_view::npos;
         at = line.find(kPlusMinus, at + 1)) {
        const std::optional<double> halfWidth = leadingNumber(line.substr(at + kPlusMinus.size()));
        if (halfWidth && !isWithin(*halfWidth, 0.0, kHuge))
            fail("half-width not negative", line);
    }
    for (const std::string_view critical : {"z value", "t value", "f value", "chi-square value"}) {
        if (lower.starts_with(critical)) {
            const std::optional<double> value = valueAfter(lower, critical.size());
            if (value && !isWithin(*value, 0.0, kHuge))
                fail("critical value not negative", line);
        }
    }
}

void checkTable(const std::vector<std::vector<std::string>>& table) {
    std::optional<std::size_t> probabilityColumn;
    for (const std::vector<std::string>& row : table) {
        for (const std::string& cell : row)
            checkNoNonFinite(cell);
        const auto heading = std::find(row.begin(), row.end(), "Prob.");
        if (heading != row.end()) {
            probabilityColumn = static_cast<std::size_t>(heading - row.begin());
            continue;
        }
        if (probabilityColumn && *probabilityColumn < row.size()) {
            const std::optional<double> value = leadingNumber(row[*probabilityColumn]);
            if (value && !isWithin(*value, 0.0, 1.0))
                fail("table probability within 0 to 1", row[*probabilityColumn]);
        }
    }
}

bool isInGrid(const std::optional<CellPosition>& cell) {
    return !cell || (cell->row >= 1 && cell->row <= DataSheet::kRows && cell->column >= 1 &&
                     cell->column <= DataSheet::kColumns);
}

} // namespace

void fail(std::string_view condition, std::string_view text) {
    std::fprintf(stderr, "\nFUZZ FINDING: %.*s\n  in: %.*s\n", static_cast<int>(condition.size()),
                 condition.data(), static_cast<int>(text.size()), text.data());
    std::abort();
}

void checkNoNonFinite(std::string_view text) {
    const std::string lower = lowerCase(text);
    if (lower.find("nan") != std::string::npos || lower.find("inf") != std::string::npos)
        fail("no NaN or infinity in a text", text);
}

void checkAnswerText(std::string_view text) {
    checkNoNonFinite(text);
    std::size_t start = 0;
    while (start <= text.size()) {
        std::size_t end = text.find_first_of("\r\n", start);
        if (end == std::string_view::npos)
            end = text.size();
        checkLine(text.substr(start, end - start));
        start = end + 1;
    }
}

void checkRefusalReason(const Refusal& refusal) {
    const std::string& reason = refusal.reason;
    if (reason.empty())
        fail("a refusal says why", refusal.message);
    if (!std::isupper(static_cast<unsigned char>(reason.front())))
        fail("a reason starts with a capital letter", reason);
    if (reason.find_first_of("\r\n") != std::string::npos)
        fail("a reason is one line", reason);
    const std::size_t quoted = reason.find(kNotANumber);
    const bool endsWithText =
        quoted != std::string::npos && quoted + kNotANumber.size() < reason.size();
    if (!reason.ends_with('.') && !endsWithText)
        fail("a reason ends with a full stop or the text that is not a number", reason);
    if (!refusal.message.empty() && refusal.message != reason)
        fail("a message box's text is its refusal's reason", reason);
}

void checkOutcome(const Outcome& outcome, int boxes) {
    if (const Refusal* refusal = std::get_if<Refusal>(&outcome)) {
        if (refusal->focus < 0 || refusal->focus > boxes)
            fail("refusal focus on a box of the window", std::to_string(refusal->focus));
        if (!isInGrid(refusal->currentCell))
            fail("refusal cell within the grid", "");
        checkNoNonFinite(refusal->message);
        checkRefusalReason(*refusal);
        return;
    }
    const Answer& answer = std::get<Answer>(outcome);
    checkAnswerText(answer.text);
    if (answer.clipboard)
        checkAnswerText(*answer.clipboard);
    checkTable(answer.table);
    if (!isInGrid(answer.currentCell))
        fail("current cell within the grid", answer.text);
}

void checkReport(const Report& report) {
    for (const std::string& line : report.lines) {
        checkNoNonFinite(line);
        if (line.starts_with("The report is not defined"))
            fail("a report forms", line);
    }
    checkNoNonFinite(report.published);
    const auto valueOf = [&](const std::string& name) -> const ReportQuantity* {
        for (const ReportQuantity& quantity : report.quantities)
            if (quantity.name == name)
                return &quantity;
        return nullptr;
    };
    for (const ReportQuantity& quantity : report.quantities) {
        checkNoNonFinite(quantity.text);
        if (!quantity.value) {
            if (!quantity.text.starts_with("not defined"))
                fail("a quantity without a value says why", quantity.name + ": " + quantity.text);
            continue;
        }
        if (!std::isfinite(*quantity.value))
            fail("a quantity's value is finite", quantity.name);
        const bool probability = quantity.name == "welch_p" || quantity.name.starts_with("p_");
        if (probability && !(*quantity.value >= 0.0 && *quantity.value <= 1.0))
            fail("a probability lies within 0 to 1", quantity.name + ": " + quantity.text);
        if (quantity.name.ends_with("_lower")) {
            const std::string base = quantity.name.substr(0, quantity.name.size() - 6);
            const ReportQuantity* upper = valueOf(base + "_upper");
            if (upper && upper->value && *upper->value < *quantity.value)
                fail("an interval's lower end is not above its upper end", quantity.name);
        }
    }
}

void checkFigure(const FigureOutcome& outcome) {
    if (!outcome.figure) {
        if (outcome.reason.empty())
            fail("a calculation without a figure says why", "");
        return;
    }
    if (!allFinite(*outcome.figure))
        fail("a figure holds only finite numbers", outcome.figure->description);
    checkNoNonFinite(writeSvg(*outcome.figure, {640, 400}, lightFigureColours()));
}

ReportOptions reportOptionsFor(std::size_t size) {
    constexpr double kLevels[] = {0.95, kLowestReportLevel, kHighestReportLevel};
    return ReportOptions{.level = kLevels[size % 3], .exponent = size % 2 == 0};
}

void checkEvaluation(const Evaluation& evaluation, int boxes) {
    switch (evaluation.kind) {
    case Evaluation::Kind::Answered:
        checkOutcome(evaluation.answer, boxes);
        if (evaluation.report)
            checkReport(*evaluation.report);
        return;
    case Evaluation::Kind::Refused:
        checkOutcome(evaluation.refusal, boxes);
        return;
    case Evaluation::Kind::Failed:
        break;
    }
    if (evaluation.message.empty())
        fail("values that cannot be calculated say why", "");
}

std::vector<std::string> splitLines(std::string_view data) {
    std::vector<std::string> lines;
    std::size_t start = 0;
    while (start <= data.size()) {
        std::size_t end = data.find('\n', start);
        if (end == std::string_view::npos)
            end = data.size();
        std::string_view line = data.substr(start, end - start);
        if (line.ends_with('\r'))
            line.remove_suffix(1);
        lines.emplace_back(line);
        start = end + 1;
    }
    return lines;
}

} // namespace quillon::fuzz
