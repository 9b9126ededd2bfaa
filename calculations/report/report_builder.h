// Puts a report together: each number with its name, label and printed text, one line per
// estimate for the window, and the parts of the published line.
#pragma once

#include "calculations/report/defined.h"
#include "calculations/report/report.h"

#include <string>
#include <string_view>
#include <vector>

namespace quillon::report {

enum class NumberStyle {
    Plain,   // "1.00", "-0.05"
    Bounded, // a quantity that never passes 1 in size, without the leading zero: ".25"
    Whole,   // a count: a whole number prints without decimals, "12"; others as Plain
};

// Decimals enough for two significant digits of the largest value in size, and at least two.
int reportDecimals(std::initializer_list<double> values);

// The value to the given decimals, a point as the decimal mark; not finite: "not defined".
std::string reportNumber(double value, int decimals, NumberStyle style);

// A probability as the window's own lines print one, to four decimals without the leading zero:
// ".4857"; below .0001 "< .0001", or with the exponent "3.2e-05" when asked.
std::string detailProbabilityText(double p, bool exponent);

class ReportBuilder {
public:
    explicit ReportBuilder(ReportOptions options) : options_(options) {}

    double level() const { return options_.level; }
    bool exponent() const { return options_.exponent; }

    // A number on a line of its own: "label: text".
    void number(std::string_view name, std::string_view label, const DefinedNumber& value,
                NumberStyle style = NumberStyle::Plain);
    // A probability on a line of its own.
    void probability(std::string_view name, std::string_view label, const DefinedNumber& p);
    // An estimate with its interval: the numbers name, name_lower and name_upper and the line
    // "label: 1.00, 95% CI [0.05, 1.92]". Returns the interval's text for the published line.
    std::string estimate(std::string_view name, std::string_view label, const DefinedNumber& value,
                         const ConfidenceInterval& interval,
                         NumberStyle style = NumberStyle::Plain);
    std::string estimate(std::string_view name, std::string_view label, const DefinedNumber& value,
                         const DefinedBounds& interval, NumberStyle style = NumberStyle::Plain);
    // An interval without its estimate: name_lower and name_upper, and "label: 95% CI [.., ..]".
    // Returns the interval's text.
    std::string interval(std::string_view name, std::string_view label,
                         const ConfidenceInterval& interval,
                         NumberStyle style = NumberStyle::Plain);

    // The published line's text of a probability ("p = .038") and of an effect ("d = 1.00").
    std::string probabilityPart(const DefinedNumber& p) const;
    static std::string effectPart(std::string_view symbol, const DefinedNumber& value,
                                  NumberStyle style = NumberStyle::Plain);

    // The published line, its parts joined by ", " (empty parts left out).
    void publish(const std::vector<std::string>& parts);

    Report take() { return std::move(report_); }

private:
    void add(std::string name, std::string label, const DefinedNumber& value, std::string text);
    std::string intervalText(const ConfidenceInterval& interval, int decimals,
                             NumberStyle style) const;
    // The numbers name_lower and name_upper; returns the interval's text.
    std::string addEnds(std::string_view name, std::string_view label,
                        const ConfidenceInterval& interval, int decimals, NumberStyle style);

    ReportOptions options_;
    Report report_;
};

// Either end of a two-sided interval of bounds.
ConfidenceInterval endsOf(const DefinedBounds& bounds);

} // namespace quillon::report
