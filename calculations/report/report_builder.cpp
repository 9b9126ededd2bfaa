#include "calculations/report/report_builder.h"

#include "calculations/report/report_text.h"

#include <algorithm>
#include <cmath>
#include <iomanip>
#include <locale>
#include <sstream>

namespace quillon::report {

namespace {

std::string levelText(double level) {
    std::ostringstream out;
    out.imbue(std::locale::classic());
    out << std::setprecision(6) << level * 100.0;
    return out.str() + "% CI";
}

std::string withName(std::string_view name, std::string_view suffix) {
    return std::string(name) + std::string(suffix);
}

// A quantity bounded by 1 that is not 1 never prints as 1: .995 is not a perfect correlation.
int belowOneDecimals(int decimals, std::initializer_list<double> values, NumberStyle style) {
    if (style != NumberStyle::Bounded)
        return decimals;
    const auto roundsToOne = [&](double value) {
        const double size = std::fabs(value);
        return size < 1.0 &&
               std::round(size * std::pow(10.0, decimals)) >= std::pow(10.0, decimals);
    };
    while (decimals < 15 && std::any_of(values.begin(), values.end(), roundsToOne))
        ++decimals;
    return decimals;
}

// The decimals of an estimate printed beside its interval, the same for all three: enough for the
// largest, and for two significant digits of the interval's width, so that a narrow interval never
// prints as [.50, .50].
int decimalsOf(const DefinedNumber& value, const ConfidenceInterval& interval, NumberStyle style) {
    const auto size = [](const DefinedNumber& number) {
        return number.isDefined() ? number.value() : 0.0;
    };
    int decimals = reportDecimals({size(value), size(interval.lower), size(interval.upper)});
    if (interval.lower.isDefined() && interval.upper.isDefined()) {
        const double width = interval.upper.value() - interval.lower.value();
        if (width > 0.0 && std::isfinite(width))
            decimals = std::max(decimals, 1 - static_cast<int>(std::floor(std::log10(width))));
    }
    return belowOneDecimals(std::clamp(decimals, 2, 15),
                            {size(value), size(interval.lower), size(interval.upper)}, style);
}

} // namespace

int reportDecimals(std::initializer_list<double> values) {
    double largest = 0.0;
    for (const double value : values)
        if (std::isfinite(value))
            largest = std::max(largest, std::fabs(value));
    if (largest == 0.0 || largest >= 0.1)
        return 2;
    // 0.05 needs 3 decimals for two significant digits, 0.005 needs 4; at most 15.
    const int decimals = 1 - static_cast<int>(std::floor(std::log10(largest)));
    return std::clamp(decimals, 2, 15);
}

std::string reportNumber(double value, int decimals, NumberStyle style) {
    if (!std::isfinite(value))
        return "not defined";
    std::ostringstream out;
    out.imbue(std::locale::classic());
    // Beyond 1e15 fixed decimals only spell out the rounding of a double.
    if (std::fabs(value) >= 1e15)
        out << std::scientific << std::setprecision(3) << value;
    else if (style == NumberStyle::Whole && value == std::floor(value))
        out << std::fixed << std::setprecision(0) << value;
    else
        out << std::fixed << std::setprecision(decimals) << value;
    std::string text = out.str();
    if (text.find_first_not_of("-0.") == std::string::npos && text.front() == '-')
        text.erase(0, 1); // -0.00 prints as 0.00
    if (style == NumberStyle::Bounded) {
        if (text.rfind("0.", 0) == 0)
            text.erase(0, 1);
        else if (text.rfind("-0.", 0) == 0)
            text.erase(1, 1);
    }
    return text;
}

std::string detailProbabilityText(double p, bool exponent) {
    if (!(p >= 0.0 && p <= 1.0))
        return "not defined";
    // A probability of 0 is one too small for a double to hold, not an impossibility.
    if (p == 0.0)
        return exponent ? "< 2.2e-308" : "< .0001";
    if (p < 0.0001 && exponent) {
        std::ostringstream out;
        out.imbue(std::locale::classic());
        out << std::scientific << std::setprecision(1) << p;
        return out.str();
    }
    if (p < 0.00005)
        return "< .0001";
    if (p >= 0.99995)
        return p == 1.0 ? "1" : "> .9999";
    return reportNumber(p, 4, NumberStyle::Bounded);
}

ConfidenceInterval endsOf(const DefinedBounds& bounds) {
    if (!bounds.isDefined())
        return {DefinedNumber::notDefined(bounds.reason()),
                DefinedNumber::notDefined(bounds.reason())};
    return {finiteOrNot(bounds.value().lower), finiteOrNot(bounds.value().upper)};
}

void ReportBuilder::add(std::string name, std::string label, const DefinedNumber& value,
                        std::string text) {
    ReportQuantity quantity{.name = std::move(name), .label = std::move(label)};
    if (value.isDefined() && std::isfinite(value.value()))
        quantity.value = value.value();
    quantity.text = quantity.value ? std::move(text)
                                   : (value.isDefined() ? std::string("not defined: too large to "
                                                                      "compute")
                                                        : value.reason());
    report_.quantities.push_back(std::move(quantity));
}

std::string ReportBuilder::intervalText(const ConfidenceInterval& interval, int decimals,
                                        NumberStyle style) const {
    const std::string head = levelText(options_.level);
    const auto& [lower, upper] = interval;
    if (!lower.isDefined() && !upper.isDefined()) {
        if (lower.reason() == upper.reason())
            return head + " " + lower.reason();
        return head + " [" + lower.reason() + ", " + upper.reason() + "]";
    }
    const auto end = [&](const DefinedNumber& number) {
        return number.isDefined() ? reportNumber(number.value(), decimals, style) : number.reason();
    };
    return head + " [" + end(lower) + ", " + end(upper) + "]";
}

void ReportBuilder::number(std::string_view name, std::string_view label,
                           const DefinedNumber& value, NumberStyle style) {
    const std::string text =
        value.isDefined()
            ? reportNumber(
                  value.value(),
                  belowOneDecimals(reportDecimals({value.value()}), {value.value()}, style), style)
            : value.reason();
    add(std::string(name), std::string(label), value, text);
    report_.lines.push_back(std::string(label) + ": " + report_.quantities.back().text);
}

void ReportBuilder::probability(std::string_view name, std::string_view label,
                                const DefinedNumber& p) {
    const std::string text =
        p.isDefined() ? detailProbabilityText(p.value(), options_.exponent) : p.reason();
    add(std::string(name), std::string(label), p, text);
    report_.lines.push_back(std::string(label) + ": " + report_.quantities.back().text);
}

std::string ReportBuilder::addEnds(std::string_view name, std::string_view label,
                                   const ConfidenceInterval& interval, int decimals,
                                   NumberStyle style) {
    const std::string limits = ", limit of the " + levelText(options_.level);
    const auto endText = [&](const DefinedNumber& end) {
        return end.isDefined() ? reportNumber(end.value(), decimals, style) : end.reason();
    };
    add(withName(name, "_lower"), std::string(label) + ", lower" + limits, interval.lower,
        endText(interval.lower));
    add(withName(name, "_upper"), std::string(label) + ", upper" + limits, interval.upper,
        endText(interval.upper));
    return intervalText(interval, decimals, style);
}

std::string ReportBuilder::estimate(std::string_view name, std::string_view label,
                                    const DefinedNumber& value, const ConfidenceInterval& interval,
                                    NumberStyle style) {
    const int decimals = decimalsOf(value, interval, style);
    const std::string valueText =
        value.isDefined() ? reportNumber(value.value(), decimals, style) : value.reason();
    add(std::string(name), std::string(label), value, valueText);
    const std::string shownValue = report_.quantities.back().text;
    const std::string ci = addEnds(name, label, interval, decimals, style);
    report_.lines.push_back(std::string(label) + ": " + shownValue + ", " + ci);
    return ci;
}

std::string ReportBuilder::estimate(std::string_view name, std::string_view label,
                                    const DefinedNumber& value, const DefinedBounds& interval,
                                    NumberStyle style) {
    return estimate(name, label, value, endsOf(interval), style);
}

std::string ReportBuilder::interval(std::string_view name, std::string_view label,
                                    const ConfidenceInterval& interval, NumberStyle style) {
    const std::string ci =
        addEnds(name, label, interval,
                decimalsOf(DefinedNumber::notDefined("not defined"), interval, style), style);
    report_.lines.push_back(std::string(label) + ": " + ci);
    return ci;
}

std::string ReportBuilder::probabilityPart(const DefinedNumber& p) const {
    if (!p.isDefined())
        return "p " + p.reason();
    return probabilityText(p.value(), options_.exponent);
}

std::string ReportBuilder::effectPart(std::string_view symbol, const DefinedNumber& value,
                                      NumberStyle style) {
    if (!value.isDefined())
        return std::string(symbol) + " " + value.reason();
    return std::string(symbol) + " = " +
           reportNumber(value.value(),
                        belowOneDecimals(reportDecimals({value.value()}), {value.value()}, style),
                        style);
}

void ReportBuilder::publish(const std::vector<std::string>& parts) {
    report_.published = reportLine(parts);
}

} // namespace quillon::report
